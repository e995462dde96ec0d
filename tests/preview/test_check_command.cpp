// stylewright-preview --check, run as a script runs it: the texts below WCAG AA, one a line.

#include "options/option_set.h"
#include "options/settings_file.h"
#include "preview_run.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace stylewright;

class TestCheckCommand : public QObject {
    Q_OBJECT
private slots:
    void theDefaultLookHasFaintTexts();
    void aReadableLookPasses();
    void aFileThatCannotBeUsedIsRefused_data();
    void aFileThatCannotBeUsedIsRefused();

private:
    QTemporaryDir m_dir;
};

void TestCheckCommand::theDefaultLookHasFaintTexts()
{
    const QString settings = m_dir.filePath(QStringLiteral("setup.ini"));
    QVERIFY(saveSettings(settings, OptionSet::withDefaults()));
    const PreviewRun run = runPreviewProgram({QStringLiteral("--settings"), settings, QStringLiteral("--check")});
    QCOMPARE(run.status, 1);
    // Area, ratio, text colour, background colour, text: the navigation's blue on its grey layer.
    QVERIFY2(run.lines.contains(QStringLiteral("3.导航设置\t1.82:1\t#5577ff\t#595959\t首页")),
             qPrintable(run.lines.join(u'\n')));
    for (const QString &line : run.lines)
        QCOMPARE(line.count(u'\t'), 4);
    // The name lies over the header's picture: listed, never guessed.
    QVERIFY(run.lines.contains(QStringLiteral("2.名称简介\t无法判断（背景为图片）\t#5577ff\t-\t青竹小筑")));
}

void TestCheckCommand::aReadableLookPasses()
{
    // Every background white, every other colour black.
    OptionSet look;
    for (const OptionDef &def : options()) {
        if (def.kind == OptionKind::Colour) {
            const QString label = look.value(def.option).section(u'#', 0, 0);
            look.setValue(def.option, label + (label.contains(QStringLiteral("背景")) ? u"#ffffff" : u"#000000"));
        }
    }
    const QString settings = m_dir.filePath(QStringLiteral("readable.ini"));
    QVERIFY(saveSettings(settings, look));
    const PreviewRun run = runPreviewProgram({QStringLiteral("--settings"), settings, QStringLiteral("--check")});
    QVERIFY2(run.status == 0, qPrintable(run.lines.join(u'\n') + run.errors));
    // Only the texts over a picture may be listed.
    for (const QString &line : run.lines)
        QVERIFY2(line.contains(QStringLiteral("无法判断")), qPrintable(line));
}

void TestCheckCommand::aFileThatCannotBeUsedIsRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("said");
    const QString garbage = m_dir.filePath(QStringLiteral("garbage.ini"));
    QFile file(garbage);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x00\xff\xfe[\x01]\n=\x80\x81", 11).repeated(50));
    file.close();
    const QString check = QStringLiteral("--check"), from = QStringLiteral("--settings");
    QTest::newRow("missing file") << QStringList{from, m_dir.filePath(QStringLiteral("none.ini")), check}
                                  << QStringLiteral("none.ini");
    QTest::newRow("garbage file") << QStringList{from, garbage, check} << QStringLiteral("garbage.ini");
    QTest::newRow("no settings") << QStringList{check} << QStringLiteral("--check");
    QTest::newRow("with a picture too") << QStringList{from, garbage, check, QStringLiteral("--png"),
                                                       m_dir.filePath(QStringLiteral("x.png"))}
                                        << QStringLiteral("--check");
}

void TestCheckCommand::aFileThatCannotBeUsedIsRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, said);
    const PreviewRun run = runPreviewProgram(arguments);
    QCOMPARE(run.status, 2);
    QVERIFY(run.lines.isEmpty());
    QVERIFY2(run.errors.contains(said), qPrintable(run.errors));
}

QTEST_GUILESS_MAIN(TestCheckCommand)
#include "test_check_command.moc"
