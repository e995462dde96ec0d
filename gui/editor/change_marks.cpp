#include "editor/change_marks.h"

#include "editor/option_form.h"
#include "options/defaults.h"
#include "options/option_set.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace stylewright {
namespace {

constexpr int kDotSize = 8;
const QString kDotName = QStringLiteral("changeMark");

class ChangeDot : public QWidget {
public:
    explicit ChangeDot(QWidget *field) : QWidget(field)
    {
        setObjectName(kDotName);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFixedSize(kDotSize, kDotSize);
        place();
    }

    void place() { move(parentWidget()->width() - kDotSize - 1, 1); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(QColor(230, 90, 0));
        painter.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

// By name: a field has other child widgets (a choice field's line edit), and a dot has no meta-object of its own.
ChangeDot *dotOf(const QWidget *field)
{
    return dynamic_cast<ChangeDot *>(field->findChild<QWidget *>(kDotName, Qt::FindDirectChildrenOnly));
}

} // namespace

ChangeMarks::ChangeMarks(const OptionSet &options, OptionForm &form, QObject *parent)
    : QObject(parent), m_options(options), m_form(form)
{
    m_form.forEachField(this, [this](Option option, QWidget *) { mark(option); });
    connect(&m_options.changes(), &OptionChanges::changed, this, &ChangeMarks::mark);
}

bool ChangeMarks::isMarked(Option option) const
{
    const QWidget *field = m_form.widgetOf(option);
    const ChangeDot *dot = field ? dotOf(field) : nullptr;
    return dot && !dot->isHidden();
}

void ChangeMarks::mark(Option option)
{
    QWidget *field = m_form.widgetOf(option);
    if (!field)
        return;
    const bool changed = differsFromDefault(m_options, option);
    ChangeDot *dot = dotOf(field);
    if (!dot && !changed)
        return; // most fields are never changed and never get a dot
    if (!dot) {
        dot = new ChangeDot(field);
        field->installEventFilter(this);
    }
    dot->setVisible(changed);
    dot->raise();
    field->setAccessibleDescription(changed ? kChangedDescription : QString());
}

bool ChangeMarks::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        if (ChangeDot *dot = dotOf(static_cast<QWidget *>(watched)))
            dot->place();
    }
    return false;
}

} // namespace stylewright
