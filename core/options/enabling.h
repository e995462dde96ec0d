#pragma once
// What the user must do before a greyed field can be edited, found by running the dependency
// rules on copies of the record: the rules stay the one place that says what enables what.

#include "options/catalogue.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace stylewright {

class OptionSet;

// One control to set: a check box (to "1" or "0") or a choice (to any of the values).
struct EnablingStep {
    Option control;
    QStringList values; // each of them enables the next step's control, or the option itself
};

// The steps in the order the user takes them (at most two: a box that is itself greyed by another);
// empty when the option is enabled or nothing on its tab enables it.
QList<EnablingStep> enablingSteps(const OptionSet &record, Option option);

// The steps in words: "需先勾选“添加背景图片”", "需在“分栏设置”中选择“分三栏”"; empty for no steps.
QString enablingText(const QList<EnablingStep> &steps);

} // namespace stylewright
