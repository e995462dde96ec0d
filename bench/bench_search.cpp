// The option search's figures: first use (the index of 189 options, ICU's readings), and one
// keystroke to results shown in the real window. First-use figures come from fresh processes,
// this program started again with --cold: bench_search [fresh processes, default 9]

#include "editor/main_window.h"
#include "editor/option_search.h"
#include "options/option_set.h"
#include "pinyin/pinyin_readings.h"
#include "search/option_index.h"
#include "system/qt_colour_dialog.h"
#include "system/qt_platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QListView>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <vector>

using namespace stylewright;

namespace {

QTextStream out(stdout);

double msOf(const std::function<void()> &work)
{
    QElapsedTimer t;
    t.start();
    work();
    return double(t.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void row(const QString &what, double ms, const QString &goal, double goalMs)
{
    out << "| " << what << " | " << QString::number(ms, 'f', 2) << " ms | " << goal << " | "
        << (goalMs <= 0   ? ""
            : ms < goalMs ? "met"
                          : "MISSED")
        << " |\n";
}

// In a fresh process: the index, ICU's first and second readings, the readings taken.
int cold()
{
    std::unique_ptr<OptionIndex> index;
    const double build = msOf([&] { index = std::make_unique<OptionIndex>(); });
    QString readings;
    const double first = msOf([&] { readings = pinyinReadings(index->hanCharacters()); });
    const double again = msOf([&] { readings = pinyinReadings(index->hanCharacters()); });
    const double take = msOf([&] { index->addReadings(readings); });
    out << build << ' ' << first << ' ' << again << ' ' << take << Qt::endl;
    return index->hasReadings() ? 0 : 1;
}

void firstUseRows(int runs)
{
    std::vector<std::vector<double>> figures(4);
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--cold")});
        child.waitForFinished(30000);
        const QList<QByteArray> words = child.readAllStandardOutput().trimmed().split(' ');
        for (qsizetype f = 0; f < words.size() && f < 4; ++f)
            figures[f].push_back(words[f].toDouble());
    }
    const QString of = QStringLiteral(" (median of %1 fresh processes)").arg(runs);
    const double build = median(figures[0]), icu = median(figures[1]), icuAgain = median(figures[2]),
                 take = median(figures[3]);
    row(QStringLiteral("index of 189 options, texts only") + of, build, {}, 0);
    row(QStringLiteral("ICU: first readings, transliterator built (worker thread)") + of, icu, {}, 0);
    row(QStringLiteral("ICU: readings again, transliterator cached") + of, icuAgain, {}, 0);
    row(QStringLiteral("readings taken into the index: all pinyin") + of, take, {}, 0);
    row(QStringLiteral("first use on the GUI thread: index + pinyin"), build + take, QStringLiteral("< 20 ms"), 20);
    row(QStringLiteral("first use if all were on one thread: index + ICU + pinyin"), build + icu + take,
        QStringLiteral("(why ICU runs on a worker)"), 0);
}

void type(QWidget *field, QChar c)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(field, &press);
}

void keystrokeRows()
{
    QTemporaryDir folder;
    QtPrompts prompts;
    QtDesktop desktop;
    QtColourDialog colours;
    OptionSet record;
    MainWindow window(record, folder.path(), prompts, desktop, colours);
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    OptionSearch &field = window.search();
    QEventLoop waiting;
    QObject::connect(&field, &OptionSearch::pinyinReady, &waiting, &QEventLoop::quit);
    QTimer::singleShot(20000, &waiting, &QEventLoop::quit);
    const double focus = msOf([&] { field.setFocus(Qt::ShortcutFocusReason); });
    row(QStringLiteral("first focus of the field: index and list built (GUI thread)"), focus, QStringLiteral("< 20 ms"),
        20);
    waiting.exec();
    if (!field.hasPinyin()) {
        out << "the pinyin never came\n";
        return;
    }
    std::vector<double> strokes;
    const QStringList queries{QStringLiteral("dh ztys"),
                              QStringLiteral("导航 字体颜色"),
                              QStringLiteral("背景图片"),
                              QStringLiteral("bjys"),
                              optionDef(Option::PageBackgroundColour).id.toString(),
                              QStringLiteral("zitiyanse"),
                              QStringLiteral("tp")};
    for (int round = 0; round < 5; ++round) {
        for (const QString &query : queries) {
            field.clear();
            QApplication::processEvents();
            for (QChar c : query) {
                strokes.push_back(msOf([&] {
                    type(&field, c);
                    QApplication::processEvents(); // the list laid out and painted
                }));
            }
        }
    }
    row(QStringLiteral("one keystroke to results shown (median of %1)").arg(strokes.size()), median(strokes),
        QStringLiteral("< 5 ms"), 5);
    row(QStringLiteral("one keystroke to results shown (slowest)"), *std::max_element(strokes.begin(), strokes.end()),
        {}, 0);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--cold") == 0) {
        QCoreApplication app(argc, argv);
        return cold();
    }
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 9;
    out << "| measurement | figure | goal | |\n|---|---|---|---|\n";
    firstUseRows(runs);
    keystrokeRows();
    return 0;
}
