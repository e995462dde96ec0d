#include "service/search_word.h"

#include "base/text_encoding.h"

namespace stylewright {
namespace {

void appendEscaped(QString &out, unsigned char byte)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += u'%';
    out += QLatin1Char(kHex[byte >> 4]);
    out += QLatin1Char(kHex[byte & 0xF]);
}

} // namespace

QString encodeSearchWord(QStringView word)
{
    QString out;
    for (const char byte : encodeGbk(word)) {
        const auto b = static_cast<unsigned char>(byte);
        if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-' || b == '.' ||
            b == '_' || b == '~') {
            out += QLatin1Char(byte);
        } else if (b == ' ') {
            out += u'+';
        } else {
            appendEscaped(out, b);
        }
    }
    return out;
}

QString encodeAddressGbk(QStringView address)
{
    QString out;
    out.reserve(address.size());
    qsizetype run = 0; // start of the characters outside ASCII not yet written
    for (qsizetype i = 0; i <= address.size(); ++i) {
        if (i < address.size() && address[i].unicode() >= 0x80)
            continue;
        for (const char byte : encodeGbk(address.sliced(run, i - run)))
            appendEscaped(out, static_cast<unsigned char>(byte));
        if (i < address.size())
            out += address[i];
        run = i + 1;
    }
    return out;
}

} // namespace stylewright
