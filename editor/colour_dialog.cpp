#include "editor/colour_dialog.h"

#include <QColorDialog>

namespace stylewright {

std::optional<QColor> QtColourDialog::choose(const QColor &current, QWidget *parent)
{
    const QColor chosen = QColorDialog::getColor(current, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

} // namespace stylewright
