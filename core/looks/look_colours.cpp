#include "looks/look_colours.h"

#include "options/option_set.h"

#include <QRegularExpression>

namespace stylewright {

QList<quint32> mainColours(const OptionSet &options)
{
    static const Option kMain[] = {Option::PageBackgroundColour, Option::HeaderColour,      Option::ModuleColour,
                                   Option::NameColour,           Option::ModuleTitleColour, Option::ArticleTitleColour,
                                   Option::ArticleTextColour};
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{6}$"));
    QList<quint32> colours;
    for (Option option : kMain) {
        // The generators write the last six characters of a colour field.
        const QString text = options.value(option).right(6);
        if (!hex.match(text).hasMatch())
            continue;
        const quint32 colour = text.toUInt(nullptr, 16);
        if (!colours.contains(colour))
            colours.append(colour);
    }
    return colours;
}

} // namespace stylewright
