// Times showing a fetched sheet of 7 MiB (the size limit is 8 MiB) in the fetcher's text field:
// the work done off the event loop, one setPlainText of the whole text for comparison, and the
// longest the event loop stands still while the fetcher fills the field slice by slice.

#include "base/text_encoding.h"
#include "service/sheet_text.h"
#include "tools/sheet_filler.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextStream>
#include <QTimer>

using namespace stylewright;

namespace {

QTextStream out(stdout);

void row(const QString &what, double ms, const QString &goal, bool met)
{
    out << "| " << what << " | " << QString::number(ms, 'f', 1) << " ms | " << goal << " | "
        << (goal.isEmpty() ? ""
            : met          ? "met"
                           : "MISSED")
        << " |\n";
}

QByteArray sheetOf(qsizetype bytes)
{
    const QByteArray unit =
        encodeGbk(u"/*模块区域*/.modbox{padding:10px;background-color:#000000}a.modtit{color:#5577ff}");
    QByteArray sheet;
    while (sheet.size() < bytes)
        sheet += unit;
    sheet.truncate(bytes);
    return sheet;
}

QPlainTextEdit *fetcherField()
{
    auto *field = new QPlainTextEdit;
    field->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    field->resize(504, 330); // as in the fetcher window
    field->show();
    return field;
}

// Fills the fetcher's field as the fetcher does, timing the longest stall of the event loop.
void showInFetcher(QApplication &app, const QByteArray &sheet, const QString &what)
{
    std::unique_ptr<QPlainTextEdit> field(fetcherField());
    QCoreApplication::processEvents();
    SheetFiller filler(field.get());
    qint64 longestStall = 0;
    QElapsedTimer sinceTurn;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] { longestStall = qMax(longestStall, sinceTurn.restart()); });
    QObject::connect(&filler, &SheetFiller::filled, &app, &QCoreApplication::quit);
    QElapsedTimer clock;
    clock.start();
    sinceTurn.start();
    heartbeat.start(1);
    filler.fill(sheet);
    app.exec();
    QElapsedTimer paint; // and its first paint with all of it in
    paint.start();
    field->viewport()->repaint();
    longestStall = qMax(longestStall, paint.elapsed());
    const double total = clock.nsecsElapsed() / 1e6;
    row(u"show " + what + u" in the fetcher: longest stall of the event loop", double(longestStall),
        QStringLiteral("< 100 ms"), longestStall < 100);
    row(u"show " + what + u" in the fetcher: until all of it is in", total, {}, true);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QByteArray sheet = sheetOf(7 * 1024 * 1024);

    QElapsedTimer clock;
    clock.start();
    const QString text = splitSheetLines(decodeGbk(sheet));
    row(QStringLiteral("decode and split a 7 MiB sheet (worker thread)"), clock.nsecsElapsed() / 1e6, {}, true);

    std::unique_ptr<QPlainTextEdit> field(fetcherField());
    QCoreApplication::processEvents();
    clock.restart();
    field->setPlainText(text);
    QCoreApplication::processEvents();
    row(QStringLiteral("one setPlainText of the 7 MiB sheet, with its first paint"), clock.nsecsElapsed() / 1e6, {},
        true);
    field.reset();

    showInFetcher(app, sheet, QStringLiteral("a 7 MiB sheet"));
    // A picture written into a rule as data: one line of a mebibyte.
    showInFetcher(app, "a{background:url(data:image/png;base64," + QByteArray(1024 * 1024, 'A') + ")}",
                  QStringLiteral("one line of 1 MiB"));
    return 0;
}
