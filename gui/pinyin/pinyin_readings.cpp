#include "pinyin/pinyin_readings.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <memory>

namespace stylewright {

QString pinyinReadings(const QString &lines)
{
    UErrorCode status = U_ZERO_ERROR;
    // ICU keeps the compiled rules, so only the first instance in a process is slow.
    const std::unique_ptr<icu::Transliterator> transliterator(
        icu::Transliterator::createInstance("Han-Latin; Latin-ASCII", UTRANS_FORWARD, status));
    if (U_FAILURE(status) || !transliterator)
        return {};
    icu::UnicodeString text(reinterpret_cast<const UChar *>(lines.utf16()), int32_t(lines.size()));
    transliterator->transliterate(text);
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

} // namespace stylewright
