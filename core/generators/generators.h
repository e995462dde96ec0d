#pragma once
// The page-area generators: each turns the options of one tab into the CSS block its
// "显示代码" button appends to the code file.

#include "base/result.h"
#include "options/catalogue.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace stylewright {

class OptionSet;

struct GeneratedBlock {
    QStringList writes; // each is appended followed by CR LF; a write may itself hold CR LF
    QString error;      // non-empty: nothing may be written
};

// areaButton is the button of the area's tab: "cmdbg", "cmdqy", ... "cmdxtgg".
GeneratedBlock generate(QStringView areaButton, const OptionSet &options);
inline GeneratedBlock generate(const char *areaButton, const OptionSet &options)
{
    return generate(QString::fromUtf8(areaButton), options);
}

// The block of one area: its writes, or why nothing may be written.
Result<QStringList> generateArea(Area area, const OptionSet &options);

} // namespace stylewright
