#include "editor/mirrored_widths.h"

#include "editor/option_form.h"
#include "options/option_set.h"

#include <QFocusEvent>
#include <QWidget>

namespace stylewright {

MirroredWidths::MirroredWidths(OptionSet &options, OptionForm &form, QObject *parent)
    : QObject(parent), m_options(options), m_form(form)
{
    m_form.forEachField(this, [this](Option option, QWidget *field) {
        if (option == Option::BodyWidth || option == Option::ColumnsTotalWidth)
            field->installEventFilter(this);
    });
}

bool MirroredWidths::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    // Another window taking over, or a popup menu, leaves the focus where it was.
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return false;
    // A field greyed out while it has the focus (an undo, a load) loses it without being edited.
    if (!static_cast<QWidget *>(watched)->isEnabled())
        return false;
    if (watched == m_form.widgetOf(Option::BodyWidth))
        m_options.setValue(Option::ColumnsTotalWidth, m_options.value(Option::BodyWidth));
    else if (watched == m_form.widgetOf(Option::ColumnsTotalWidth))
        m_options.setValue(Option::BodyWidth, m_options.value(Option::ColumnsTotalWidth));
    return false;
}

} // namespace stylewright
