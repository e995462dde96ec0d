#pragma once
// Tells the benchmark that the window is shown and the event loop has nothing left to do, then
// ends the program.

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <cstdio>

inline void reportWhenIdle()
{
    auto *dispatcher = QAbstractEventDispatcher::instance();
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher, [] {
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }, Qt::SingleShotConnection);
}
