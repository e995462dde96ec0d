#pragma once
// The whole current sheet: every area's CSS as its "显示代码" button would append it, or why
// that button would write nothing.

#include "options/catalogue.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace stylewright {

class OptionSet;

struct AreaSheet {
    QString css;    // every write followed by CR LF, as the code file gets it; empty on failure
    QString notice; // the area's failure message; empty when css holds its block
    bool failed() const { return !notice.isEmpty(); }
};

// One entry per area, in tab order.
using Sheet = QList<AreaSheet>;

// A block's writes as one text, each followed by CR LF.
QString blockText(const QStringList &writes);

// Every area's block for the options as they stand.
Sheet sheetFor(const OptionSet &options);

// The areas' CSS one after the other, leaving out failed areas: the code file's growth if every
// button were pressed in tab order.
QString wholeCss(const Sheet &sheet);

} // namespace stylewright
