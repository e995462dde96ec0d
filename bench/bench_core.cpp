// Times the core operations and prints one table: every generator on defaults and on a worst
// case, saving and loading all options, the fetcher's line split of 1, 2 and 4 MiB sheets, and reading a
// MiB sheet back into options.

#include "generators/generators.h"
#include "import/css_import.h"
#include "options/catalogue.h"
#include "options/option_set.h"
#include "options/settings_file.h"
#include "base/text_encoding.h"
#include "service/sheet_text.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

using namespace stylewright;

namespace {

QTextStream out(stdout);

// Median microseconds per call over several batches.
double timeMicros(const std::function<void()> &work, int perBatch, int batches = 15)
{
    std::vector<double> samples;
    work(); // warm up
    for (int b = 0; b < batches; ++b) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < perBatch; ++i)
            work();
        samples.push_back(double(t.nsecsElapsed()) / 1e3 / perBatch);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

void row(const QString &what, double micros, const QString &goal, bool met)
{
    const QString value = micros >= 1000 ? QString::number(micros / 1000, 'f', 2) + QStringLiteral(" ms")
                                         : QString::number(micros, 'f', 2) + QStringLiteral(" µs");
    out << "| " << what << " | " << value << " | " << goal << " | " << (met ? "met" : "MISSED") << " |\n";
}

// Every box checked, coloured effects, the richest layouts and long texts everywhere else.
OptionSet worstCase()
{
    OptionSet o;
    const QString longText = QString(1000, u'字');
    for (int r = 0; r < kOptionCount; ++r) {
        if (options()[r].kind == OptionKind::Check)
            o.setValue(optionAt(r), QStringLiteral("1"));
        else
            o.setValue(optionAt(r), longText);
    }
    for (Option size : {Option::NameFontSize, Option::IntroFontSize, Option::NavigationFontSize,
                        Option::CommentFontSize, Option::ExtrasFontSize})
        o.setValue(size, QStringLiteral("123456789.125"));
    for (Option effect : {Option::NameEffect, Option::IntroEffect, Option::ArticleTextEffect})
        o.setValue(effect, QStringLiteral("阴影效果"));
    o.setValue(Option::ColumnLayout, QStringLiteral("分三栏"));
    o.setValue(Option::PlayerStyle, QStringLiteral("滤镜"));
    o.setValue(Option::PetSize, QStringLiteral("600"));
    return o;
}

// A code file grown to a MiB of GBK: the eleven blocks of a record among foreign rules, again and again.
QString importSheetOf(qsizetype bytes, const OptionSet &options)
{
    QString unit = QStringLiteral("p.foreign{color:red}\r\n");
    for (const TabDef &tab : tabs()) {
        const Result<QStringList> block = generateArea(tab.area, options);
        if (block)
            unit += block->join(u"\r\n") + u"\r\n";
    }
    const qsizetype unitBytes = encodeGbk(unit).size();
    return unit.repeated((bytes + unitBytes - 1) / unitBytes);
}

QByteArray sheetOf(qsizetype bytes)
{
    const QByteArray unit =
        encodeGbk(u"/*模块区域*/.modbox{padding:10px;background-color:#000000}a.modtit{color:#5577ff}");
    QByteArray sheet;
    sheet.reserve(bytes + unit.size());
    while (sheet.size() < bytes)
        sheet += unit;
    sheet.truncate(bytes);
    return sheet;
}

} // namespace

int main()
{
    out << "| measurement | median | goal | |\n|---|---|---|---|\n";
    const OptionSet defaults;
    const OptionSet worst = worstCase();
    for (const TabDef &tab : tabs()) {
        for (const auto &[name, options] : {std::pair{"defaults", &defaults}, std::pair{"worst case", &worst}}) {
            const double us = timeMicros([&] { (void)generate(tab.areaButton, *options); }, 200);
            row(tab.areaButton + QStringLiteral(" (") + QString::fromLatin1(name) + u')', us, QStringLiteral("< 50 µs"),
                us < 50);
        }
    }

    QTemporaryDir dir(QStringLiteral("bench-XXXXXX")); // on disk beside the program, not in memory
    const QString ini = settingsPath(dir.path());
    double save = timeMicros([&] { saveSettings(ini, worst); }, 5);
    row(QStringLiteral("save 189 keys (worst case, synced to disk)"), save, QStringLiteral("< 2 ms"), save < 2000);
    save = timeMicros([&] { saveSettings(ini, defaults); }, 5);
    row(QStringLiteral("save 189 keys (defaults, synced to disk)"), save, QStringLiteral("< 2 ms"), save < 2000);
    OptionSet loaded;
    const double load = timeMicros([&] { loadSettings(ini, loaded); }, 20);
    row(QStringLiteral("load 189 keys"), load, QStringLiteral("< 2 ms"), load < 2000);

    double perMiB = 0;
    for (int mib : {1, 2, 4}) {
        const QByteArray sheet = sheetOf(qsizetype(mib) * 1024 * 1024);
        const double us = timeMicros([&] { (void)splitSheetLines(decodeGbk(sheet)); }, 1, 7);
        const bool linear = mib == 1 || us < perMiB * mib * 1.5;
        if (mib == 1)
            perMiB = us;
        row(QStringLiteral("decode and split a %1 MiB sheet").arg(mib), us,
            mib == 4 ? QStringLiteral("< 50 ms, linear") : QStringLiteral("linear"),
            linear && (mib != 4 || us < 50000));
    }

    OptionSet target;
    QElapsedTimer first;
    first.start();
    importCss(u"/*背景区域*/", target); // learns the block forms of every area
    row(QStringLiteral("first import (learns the block forms)"), double(first.nsecsElapsed()) / 1e3,
        QStringLiteral("< 50 ms"), first.nsecsElapsed() < 50000000);
    for (const auto &[name, options] : {std::pair{"defaults", &defaults}, std::pair{"worst case", &worst}}) {
        const QString sheet = importSheetOf(1 << 20, *options);
        const double us = timeMicros(
            [&] {
                OptionSet o;
                (void)importCss(sheet, o);
            },
            1, 9);
        row(QStringLiteral("import a 1 MiB sheet (%1)").arg(QString::fromLatin1(name)), us, QStringLiteral("< 50 ms"),
            us < 50000);
    }
    return 0;
}
