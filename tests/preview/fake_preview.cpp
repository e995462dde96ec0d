// Stands in for the preview program in the editor's tests. It writes the bytes it receives to
// $FAKE_PREVIEW_LOG and its process id to $FAKE_PREVIEW_LOG.pid, answers each sheet as applied,
// and misbehaves as $FAKE_PREVIEW_MODE says: "exit" ends at once with status 3, "garbage" answers
// the first sheet with nonsense, "close" acts as if the user closed the window at the first sheet;
// "pick" answers the first focused field with a burst of picks, the navigation's last.

#include "preview/preview_message.h"

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <unistd.h>

using namespace stylewright::preview;

namespace {

void answer(const QByteArray &bytes)
{
    ::write(STDOUT_FILENO, bytes.constData(), size_t(bytes.size()));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QByteArray mode = qgetenv("FAKE_PREVIEW_MODE");
    if (mode == "exit")
        return 3;
    QFile log(QString::fromLocal8Bit(qgetenv("FAKE_PREVIEW_LOG")));
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return 4;
    QFile pid(log.fileName() + u".pid");
    if (!pid.open(QIODevice::WriteOnly) || pid.write(QByteArray::number(qint64(::getpid()))) < 0)
        return 4;
    pid.close();
    answer(encodeMessage(ReadyMessage{}));

    MessageReader reader;
    bool picked = false;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[65536];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            QCoreApplication::exit(0);
            return;
        }
        log.write(buffer, n);
        reader.append(QByteArrayView(buffer, n));
        while (const std::optional<Message> message = reader.next()) {
            if (const auto *sheet = std::get_if<SheetMessage>(&*message)) {
                if (mode == "garbage") {
                    answer("nonsense\n");
                } else if (mode == "close") {
                    answer(encodeMessage(ClosedMessage{}));
                    QCoreApplication::exit(0);
                } else {
                    answer(encodeMessage(AppliedMessage{sheet->sequence}));
                }
            } else if (const auto *focus = std::get_if<FocusMessage>(&*message);
                       focus && focus->option && mode == "pick" && !picked) {
                picked = true;
                QByteArray burst;
                for (int i = 0; i < 30; ++i)
                    burst += encodeMessage(
                        PickMessage{stylewright::Area::Background, {stylewright::Option::PageBackgroundColour}});
                burst += encodeMessage(
                    PickMessage{stylewright::Area::Navigation,
                                {stylewright::Option::NavigationColour, stylewright::Option::NavigationFontSize}});
                answer(burst);
            } else if (const auto *window = std::get_if<WindowMessage>(&*message);
                       window && window->command == WindowCommand::Close) {
                QCoreApplication::exit(0);
            }
        }
    });
    return app.exec();
}
