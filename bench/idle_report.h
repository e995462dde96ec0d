#pragma once
// Tells the benchmark that the window is on screen and the event loop has nothing left to do,
// then ends the program. The first paint comes after the loop first waits, so both are needed.

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>

class IdleReport : public QObject {
public:
    explicit IdleReport(QWidget *window) : QObject(window)
    {
        window->installEventFilter(this);
        connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, [this] {
            if (!m_painted || m_reported)
                return;
            m_reported = true;
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        m_painted = m_painted || event->type() == QEvent::Paint;
        return false;
    }

private:
    bool m_painted = false;
    bool m_reported = false;
};
