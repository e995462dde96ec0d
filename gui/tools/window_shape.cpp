#include "tools/window_shape.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainterPath>
#include <QWidget>
#include <QWindow>

namespace stylewright {
namespace {

class CornerKeeper final : public QObject {
public:
    CornerKeeper(QWidget *window, int ellipse) : QObject(window), m_ellipse(ellipse)
    {
        window->installEventFilter(this);
        shape(window);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            shape(static_cast<QWidget *>(watched));
        return false;
    }

private:
    void shape(QWidget *window) const
    {
        // A mask would cut notches under a system frame's square title bar.
        if (window->windowFlags() & Qt::FramelessWindowHint)
            window->setMask(roundedRegion(window->size(), m_ellipse));
        else if (!window->mask().isEmpty())
            window->clearMask();
    }

    int m_ellipse;
};

class WindowDragger final : public QObject {
public:
    explicit WindowDragger(QWidget *handle) : QObject(handle) { handle->installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        QWidget *window = static_cast<QWidget *>(watched)->window();
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() != Qt::LeftButton)
                break;
            QWindow *handle = window->windowHandle();
            m_following = !(handle && handle->startSystemMove());
            m_offset = mouse->globalPosition().toPoint() - window->pos();
            break;
        }
        case QEvent::MouseMove: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (m_following && (mouse->buttons() & Qt::LeftButton))
                window->move(mouse->globalPosition().toPoint() - m_offset);
            break;
        }
        case QEvent::MouseButtonRelease:
            m_following = false;
            break;
        default:
            break;
        }
        return false;
    }

private:
    bool m_following = false;
    QPoint m_offset;
};

class ClickWatcher final : public QObject {
public:
    ClickWatcher(QWidget *widget, std::function<void()> action) : QObject(widget), m_action(std::move(action))
    {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            m_pressed = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        if (event->type() == QEvent::MouseButtonRelease && m_pressed) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            m_pressed = false;
            if (mouse->button() == Qt::LeftButton &&
                static_cast<QWidget *>(watched)->rect().contains(mouse->position().toPoint()))
                m_action();
        }
        return false;
    }

private:
    std::function<void()> m_action;
    bool m_pressed = false;
};

} // namespace

QRegion roundedRegion(QSize size, int ellipse)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(QPointF(0, 0), size), ellipse / 2.0, ellipse / 2.0);
    return QRegion(path.toFillPolygon().toPolygon());
}

void keepCornersRounded(QWidget *window, int ellipse)
{
    new CornerKeeper(window, ellipse);
}

void dragWindowBy(QWidget *handle)
{
    new WindowDragger(handle);
}

void onClick(QWidget *widget, std::function<void()> action)
{
    new ClickWatcher(widget, std::move(action));
}

} // namespace stylewright
