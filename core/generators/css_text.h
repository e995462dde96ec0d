#pragma once
// Small pieces every generator uses to build its rules.

#include "base/result.h"
#include "generators/written_parts.h"
#include "options/option_set.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace stylewright {

// The rightmost n characters of a text, counting a surrogate pair as one character.
QString rightChars(const QString &text, qsizetype n);

// A colour option's CSS digits, as the description of what the generators write has them.
inline QString colour(const OptionSet &o, Option option)
{
    return writtenText(option, o.value(option));
}

// Adds a whole number to a plain decimal text ("12", "12.5", "-3") in exact decimal arithmetic
// and writes the sum in its shortest form (12.5 + 5 gives "17.5", 36 + 5 gives "41").
// Nothing for any other text ("", "12px", "abc").
std::optional<QString> addToDecimal(QStringView number, int addend);

// The failure a generator gives when a size it computes with is not a number.
Failure notANumber(QStringView fieldLabel, QStringView text);

} // namespace stylewright
