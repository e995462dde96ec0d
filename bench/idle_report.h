#pragma once
// Tells the benchmark that the window is on screen and the event loop has nothing left to do,
// with the peak memory so far, then ends the program. The first paint comes after the loop first
// waits, so both are needed.

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
            std::printf("ready %ld\n", peakKiB());
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
    // The peak resident set (VmHWM) in KiB; 0 where /proc is missing.
    static long peakKiB()
    {
        long kib = 0;
        if (std::FILE *status = std::fopen("/proc/self/status", "r")) {
            char line[256];
            while (std::fgets(line, sizeof line, status)) {
                if (std::sscanf(line, "VmHWM: %ld kB", &kib) == 1)
                    break;
            }
            std::fclose(status);
        }
        return kib;
    }

    bool m_painted = false;
    bool m_reported = false;
};
