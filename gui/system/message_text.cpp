#include "system/message_text.h"

namespace stylewright {
namespace {

constexpr QChar kBreak(0x200B); // zero-width space
constexpr int kLongestRun = 20;

// Characters after which a line may break anyway: spaces, and the ideographs of Chinese text.
bool breaksAnyway(QChar c)
{
    const char16_t u = c.unicode();
    return c.isSpace() || c == kBreak || (u >= 0x2E80 && u < 0xD800) || (u >= 0xF900 && u <= 0xFFEF);
}

} // namespace

QString wrappableText(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    int run = 0; // characters since the last place a line may break
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        out += c;
        if (breaksAnyway(c) || c.isHighSurrogate()) {
            run = c.isHighSurrogate() ? run : 0;
            continue;
        }
        const bool last = i + 1 == text.size();
        if (!last && (c == u'/' || c == u'\\' || ++run >= kLongestRun)) {
            out += kBreak;
            run = 0;
        }
    }
    return out;
}

} // namespace stylewright
