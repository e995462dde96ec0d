// The editor as a child process for the crash test, over a given program folder:
//   crash_driver <folder> edit    makes the crash test's edits, says "edited", and runs on
//   crash_driver <folder> churn   changes an option every 20 ms and says "seq N" after each
// Either way it runs until it is killed.

#include "crash_edits.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

using namespace stylewright;
using namespace stylewright::testing;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    Editor e(QString::fromLocal8Bit(argv[1]));
    if (qstrcmp(argv[2], "edit") == 0) {
        makeCrashEdits(e);
        std::printf("edited\n");
        std::fflush(stdout);
    } else {
        auto *timer = new QTimer(&e.window);
        QObject::connect(timer, &QTimer::timeout, [&e, seq = 0]() mutable {
            ++seq;
            e.record.setValue(Option::PagePicture, QStringLiteral("seq-%1").arg(seq));
            std::printf("seq %d\n", seq);
            std::fflush(stdout);
        });
        timer->start(20);
    }
    return app.exec();
}
