// Arbitrary page bytes and addresses through the sheet search, arbitrary sheet bytes through GBK
// decoding and the line split: never a crash, and every output bounded by its input.

#include "base/text_encoding.h"
#include "service/sheet_text.h"
#include "service/space_address.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

using namespace stylewright;

namespace {

QString utf8(const std::string &s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const QString prefix = utf8(in.ConsumeRandomLengthString(40));
    const QString address = utf8(in.ConsumeRandomLengthString(200));
    const std::string contentType = in.ConsumeRandomLengthString(80);
    const std::string pageBytes = in.ConsumeRandomLengthString(size);
    const std::string sheetBytes = in.ConsumeRemainingBytesAsString();

    const QString user = userPart(address, prefix);
    check(user.size() <= address.size());
    check(spaceName(address, prefix).size() <= address.size());
    if (const std::optional<QString> name = saveName(address, prefix)) {
        check(isPlainFileName(*name));
        check(!name->contains(u'/') && !name->contains(u'\\') && !name->contains(u".."));
    }

    const QString page = decodePage(QByteArrayView(pageBytes.data(), qsizetype(pageBytes.size())),
                                    QByteArrayView(contentType.data(), qsizetype(contentType.size())));
    if (const std::optional<QString> id = sheetId(page, user))
        check(id->size() <= page.size() && !id->contains(u".css"));

    const QString sheet = decodeGbk(QByteArrayView(sheetBytes.data(), qsizetype(sheetBytes.size())));
    check(sheet.size() <= qsizetype(sheetBytes.size()));
    check(splitSheetLines(sheet).size() <= 3 * sheet.size());
    return 0;
}
