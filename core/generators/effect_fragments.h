#pragma once
// The filter text each effect adds to a rule, one table shared by the header and article areas.

#include "options/choices.h"

#include <QString>
#include <QStringView>

namespace stylewright {

// The filter the header's name and introduction rules write for an effect, with the effect colour's
// digits filled in; empty for no effect. Each rule adds its own ending.
QString headerEffectFilter(Effect effect, QStringView colourDigits);

// The filter the article body rule writes for an effect, up to but not including its closing brace.
QString articleEffectFilter(Effect effect, QStringView colourDigits, bool withPicture);

} // namespace stylewright
