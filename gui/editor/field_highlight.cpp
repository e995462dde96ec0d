#include "editor/field_highlight.h"

#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QVariantAnimation>
#include <QWidget>

namespace stylewright {
namespace {

constexpr int kRing = 6; // pixels outside the field: a bold highlight band, then a thin light line

// Drawn over the field's parent, following the field; gone when the fade ends.
class Ring : public QWidget {
public:
    Ring(QWidget *target, std::chrono::milliseconds length) : QWidget(target->parentWidget()), m_target(target)
    {
        setObjectName(QStringLiteral("fieldHighlight"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        m_fade.setStartValue(1.0);
        m_fade.setKeyValueAt(0.7, 1.0); // held, then fading over the last part
        m_fade.setEndValue(0.0);
        connect(&m_fade, &QVariantAnimation::valueChanged, this, [this] { update(); });
        connect(&m_fade, &QVariantAnimation::finished, this, &QObject::deleteLater);
        target->installEventFilter(this);
        follow();
        restart(length);
    }

    const QWidget *target() const { return m_target; }

    void restart(std::chrono::milliseconds length)
    {
        m_fade.stop();
        m_fade.setDuration(int(length.count()));
        m_fade.start();
        raise();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_target) {
            switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
                follow();
                break;
            case QEvent::Hide:
                hide();
                break;
            default:
                break;
            }
        }
        return QWidget::eventFilter(watched, event);
    }

    void paintEvent(QPaintEvent *) override
    {
        if (!m_target)
            return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setOpacity(m_fade.currentValue().toDouble());
        const QPalette &colours = m_target->palette();
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colours.color(QPalette::Active, QPalette::Highlight), 4));
        painter.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 5, 5);
        painter.setPen(QPen(colours.color(QPalette::Active, QPalette::HighlightedText), 2));
        painter.drawRoundedRect(QRectF(rect()).adjusted(5, 5, -5, -5), 2, 2);
    }

private:
    void follow()
    {
        if (!m_target)
            return;
        setGeometry(m_target->geometry().adjusted(-kRing, -kRing, kRing, kRing));
        setVisible(m_target->isVisible());
        raise();
    }

    QPointer<QWidget> m_target;
    QVariantAnimation m_fade;
};

Ring *ringOf(const QWidget *widget)
{
    if (!widget->parentWidget())
        return nullptr;
    for (QObject *child : widget->parentWidget()->children()) {
        if (auto *ring = dynamic_cast<Ring *>(child); ring && ring->target() == widget)
            return ring;
    }
    return nullptr;
}

} // namespace

void FieldHighlight::flash(const QList<QWidget *> &widgets, std::chrono::milliseconds length)
{
    for (QWidget *widget : widgets) {
        if (!widget || !widget->parentWidget())
            continue;
        if (Ring *ring = ringOf(widget))
            ring->restart(length);
        else
            new Ring(widget, length);
    }
}

bool FieldHighlight::isHighlighted(const QWidget *widget)
{
    return widget && ringOf(widget);
}

} // namespace stylewright
