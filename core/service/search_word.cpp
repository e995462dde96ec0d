#include "service/search_word.h"

#include "base/text_encoding.h"

namespace stylewright {

QString encodeSearchWord(QStringView word)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    QString out;
    for (const char byte : encodeGbk(word)) {
        const auto b = static_cast<unsigned char>(byte);
        if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-' || b == '.' ||
            b == '_' || b == '~') {
            out += QLatin1Char(byte);
        } else if (b == ' ') {
            out += u'+';
        } else {
            out += u'%';
            out += QLatin1Char(kHex[b >> 4]);
            out += QLatin1Char(kHex[b & 0xF]);
        }
    }
    return out;
}

} // namespace stylewright
