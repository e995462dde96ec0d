#include "system/qt_colour_dialog.h"

#include <QColorDialog>

namespace stylewright {

std::optional<Rgb> QtColourDialog::choose(Rgb current, QWidget *parent)
{
    const QColor chosen = QColorDialog::getColor(QColor::fromRgb(current), parent);
    if (!chosen.isValid())
        return std::nullopt;
    return Rgb(chosen.rgb() & 0xFFFFFF);
}

} // namespace stylewright
