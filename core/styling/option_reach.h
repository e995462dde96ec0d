#pragma once
// Whether a field styles anything now: its value, changed, would change its area's block (a
// picture whose box is not ticked, a colour of an effect not chosen, would not).

#include "options/catalogue.h"

#include <QString>

namespace stylewright {

class OptionSet;

bool stylesNow(const OptionSet &options, Option option);

// Why a field styles nothing now, when a control says so: "需先勾选“添加背景图片”" for a greyed
// field or an unticked box that switches its rules; empty when it styles something, or when
// no control is the cause.
QString whyStylesNothing(const OptionSet &options, Option option);

} // namespace stylewright
