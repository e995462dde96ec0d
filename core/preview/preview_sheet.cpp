#include "preview/preview_sheet.h"

#include "generators/generators.h"

namespace stylewright {

QString blockText(const QStringList &writes)
{
    QString text;
    for (const QString &w : writes) {
        text += w;
        text += u"\r\n";
    }
    return text;
}

Sheet sheetFor(const OptionSet &options)
{
    Sheet sheet;
    sheet.reserve(kTabCount);
    for (const TabDef &tab : tabs()) {
        const Result<QStringList> block = generateArea(tab.area, options);
        if (block)
            sheet.append({blockText(*block), {}});
        else
            sheet.append({{}, block.failure().message});
    }
    return sheet;
}

QString wholeCss(const Sheet &sheet)
{
    QString css;
    for (const AreaSheet &area : sheet)
        css += area.css;
    return css;
}

} // namespace stylewright
