#include "editor/mirrored_widths.h"

#include "editor/option_form.h"
#include "options/catalogue.h"
#include "options/option_set.h"

#include <QFocusEvent>
#include <QWidget>

namespace stylewright {

MirroredWidths::MirroredWidths(OptionSet &options, const OptionForm &form, QObject *parent)
    : QObject(parent), m_options(options), m_bodyWidth(optionIndex(u"txtkd")), m_totalWidth(optionIndex(u"txtzlan"))
{
    for (int row : {m_bodyWidth, m_totalWidth}) {
        if (QWidget *w = form.field(row))
            w->installEventFilter(this);
    }
}

bool MirroredWidths::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    // Another window taking over, or a popup menu, leaves the focus where it was.
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return false;
    const int left = optionIndex(watched->objectName());
    if (left == m_bodyWidth)
        m_options.setValue(m_totalWidth, m_options.value(m_bodyWidth));
    else if (left == m_totalWidth)
        m_options.setValue(m_bodyWidth, m_options.value(m_totalWidth));
    return false;
}

} // namespace stylewright
