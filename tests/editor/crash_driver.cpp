// The editor as a child process for the crash test, over a given program folder:
//   crash_driver <folder> edit    makes the crash test's edits, says "edited", and "saved" once the
//                                 recovery file holds them
//   crash_driver <folder> churn   changes an option every few milliseconds and says "seq N" after
//                                 each, and "saved N" after each autosave, N being what the file holds
// Either way it runs until it is killed. Its autosave waits only a moment, so that the test waits
// for writes, not for the time to pass.

#include "crash_edits.h"
#include "editor/autosave.h"
#include "editor/edit_safety.h"
#include "options/recovery_file.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

using namespace stylewright;
using namespace stylewright::testing;
using namespace std::chrono_literals;

namespace {

void say(const QByteArray &line)
{
    std::printf("%s\n", line.constData());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    Editor e(QString::fromLocal8Bit(argv[1]));
    Autosave &autosave = e.window.editSafety().autosave();
    autosave.setDelay(20ms);
    const auto onFile = [&autosave](auto then) {
        QObject::connect(&autosave, &Autosave::written, &autosave, [&autosave, then] {
            // No write is under way here: the next one starts from the event loop.
            const Result<OptionSet> held = readRecovery(autosave.path());
            if (held.ok())
                then(*held);
            else
                say("unreadable");
        });
    };
    if (qstrcmp(argv[2], "edit") == 0) {
        makeCrashEdits(e);
        say("edited");
        onFile([&e](const OptionSet &held) {
            if (stateOf(held) == stateOf(e.record))
                say("saved");
        });
    } else {
        auto *timer = new QTimer(&e.window);
        QObject::connect(timer, &QTimer::timeout, [&e, seq = 0]() mutable {
            ++seq;
            e.record.setValue(Option::PagePicture, QStringLiteral("seq-%1").arg(seq));
            say("seq " + QByteArray::number(seq));
        });
        timer->start(5);
        onFile([](const OptionSet &held) { say("saved " + held.value(Option::PagePicture).mid(4).toLatin1()); });
    }
    return app.exec();
}
