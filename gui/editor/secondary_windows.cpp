#include "editor/secondary_windows.h"

namespace stylewright {
namespace {

int slot(Secondary which)
{
    return static_cast<int>(which);
}

} // namespace

SecondaryWindows::SecondaryWindows(QObject *parent) : QObject(parent) {}

void SecondaryWindows::setFactory(Secondary which, Factory factory)
{
    m_factories[slot(which)] = std::move(factory);
}

QWidget *SecondaryWindows::open(Secondary which)
{
    QPointer<QWidget> &w = m_windows[slot(which)];
    if (!w) {
        if (!m_factories[slot(which)])
            return nullptr;
        w = m_factories[slot(which)]();
        if (!w)
            return nullptr;
        w->setAttribute(Qt::WA_DeleteOnClose);
        if (m_minimised && which != Secondary::Connect)
            w->setWindowState(w->windowState() | Qt::WindowMinimized);
    } else if (!m_minimised && w->isMinimized()) {
        // Minimised by the user on its own: the click asks to see it again.
        w->setWindowState((w->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    }
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

void SecondaryWindows::close(Secondary which)
{
    if (QWidget *w = m_windows[slot(which)])
        w->close();
}

QWidget *SecondaryWindows::window(Secondary which) const
{
    return m_windows[slot(which)];
}

void SecondaryWindows::setMinimised(bool minimised)
{
    m_minimised = minimised;
    for (Secondary which : {Secondary::Tool, Secondary::HuePick, Secondary::Fetcher}) {
        QWidget *w = m_windows[slot(which)];
        if (!w)
            continue;
        if (minimised)
            w->setWindowState((w->windowState() & ~Qt::WindowMaximized) | Qt::WindowMinimized);
        else
            w->setWindowState(w->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    }
}

void SecondaryWindows::closeAll()
{
    for (Secondary which : {Secondary::Connect, Secondary::Tool, Secondary::HuePick, Secondary::Fetcher})
        close(which);
}

} // namespace stylewright
