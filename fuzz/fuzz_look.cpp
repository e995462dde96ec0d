// Arbitrary bytes as a look: read, renamed with a name taken from the bytes, read again. Never
// crashes or hangs; a usable look keeps its settings byte for byte and takes the new name
// whenever the name is one a user may type.

#include "looks/look_file.h"
#include "looks/look_library.h"

#include <cstdlib>

using namespace stylewright;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const Look look = lookFromBytes(bytes, QStringLiteral("fuzz.ini"), QStringLiteral("fuzz"));
    if (!look.usable())
        return 0;
    const QString name = QString::fromUtf8(bytes.left(48)).trimmed();
    const Look renamed =
        lookFromBytes(withLookHeader(look.bytes, {name, look.header.description}), look.path, QStringLiteral("fuzz"));
    if (!renamed.usable() || renamed.settings != look.settings)
        std::abort(); // a new name changed what the look looks like
    if (!name.isEmpty() && !nameProblem(name, {}) && renamed.header.name != name)
        std::abort(); // a usable name did not come back as typed
    return 0;
}
