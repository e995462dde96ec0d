// Arbitrary bytes, cut into arbitrary pieces, through the preview's message reader: never a crash;
// once broken it stays broken; every message read encodes to a frame that reads back the same.

#include "preview/preview_message.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

using namespace stylewright::preview;

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void checkRoundTrip(const Message &message)
{
    MessageReader again;
    again.append(encodeMessage(message));
    const std::optional<Message> back = again.next();
    check(back && !again.failure() && back->index() == message.index());
    check(encodeMessage(*back) == encodeMessage(message));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    MessageReader reader;
    while (in.remaining_bytes() > 0) {
        const std::string piece = in.ConsumeRandomLengthString(in.remaining_bytes());
        const bool wasBroken = reader.failure().has_value();
        reader.append(QByteArrayView(piece.data(), qsizetype(piece.size())));
        while (const std::optional<Message> message = reader.next()) {
            check(!wasBroken);
            checkRoundTrip(*message);
        }
        check(!wasBroken || reader.failure());
        if (piece.empty())
            break;
    }
    return 0;
}
