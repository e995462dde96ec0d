// Arbitrary sheets, GBK bytes or raw UTF-16 with lone surrogates, read back into options: never a
// crash or a hang, unread lines numbered in order, and reading the same sheet again changes nothing.

#include "base/text_encoding.h"
#include "import/css_import.h"
#include "options/option_set.h"

#include <cstdlib>
#include <cstring>

using namespace stylewright;

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QString sheet;
    if (size > 0 && data[0] == 'U') { // the rest as UTF-16 code units
        sheet = QString(qsizetype((size - 1) / 2), Qt::Uninitialized);
        std::memcpy(sheet.data(), data + 1, ((size - 1) / 2) * 2);
    } else {
        sheet = decodeGbk(QByteArrayView(data, qsizetype(size)));
    }

    OptionSet options;
    const CssImport first = importCss(sheet, options);
    check(first.recognised.size() + first.notFound.size() == 11);
    int line = 1;
    for (const UnreadLine &unread : first.unreadLines) {
        check(unread.line >= line && first.recognised.contains(unread.area));
        line = unread.line;
    }
    const CssImport again = importCss(sheet, options);
    check(again.changed.isEmpty());
    return 0;
}
