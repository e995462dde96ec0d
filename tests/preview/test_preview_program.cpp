// The preview program run as a user or a script runs it: pictures from settings files.

#include "local_http_server.h"
#include "options/option_set.h"
#include "options/settings_file.h"
#include "preview_run.h"
#include "support/helpers.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace stylewright;
using namespace stylewright::testing;

class TestPreviewProgram : public QObject {
    Q_OBJECT
private slots:
    void pictureShowsTheChosenBodyColour();
    void severalPicturesComeOneByOne();
    void badInputIsRefusedBeforeTheEngineStarts_data();
    void badInputIsRefusedBeforeTheEngineStarts();
    void helpIsAnswered();

private:
    QTemporaryDir m_dir;
};

void TestPreviewProgram::pictureShowsTheChosenBodyColour()
{
    // The header's picture is served here and must be in the picture; the navigation's font size
    // is not a number, so that area is left out and said so, and the rest is drawn.
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(QColor(0xee, 0x22, 0x11));
    QByteArray png;
    QBuffer buffer(&png);
    red.save(&buffer, "PNG");
    LocalHttpServer server;
    server.route(QStringLiteral("/header.png"), {200, png, "image/png", 300});
    const QString settings = m_dir.filePath(QStringLiteral("look.ini"));
    QVERIFY(saveSettings(settings, optionsWith({{Option::PageBackgroundColour, QStringLiteral("背景颜色#12ab34")},
                                                {Option::HeaderMiddlePictureOn, QStringLiteral("1")},
                                                {Option::HeaderMiddlePicture, server.origin() + u"/header.png"},
                                                {Option::HeaderMiddlePictureRepeat, QStringLiteral("repeat")},
                                                {Option::NavigationFontSize, QStringLiteral("14px")}})));
    const QString picture = m_dir.filePath(QStringLiteral("look.png"));
    QProcess process; // the server answers in this process's event loop while the program runs
    // Qt's own options are the application object's, their values no arguments of the program's.
    process.start(QStringLiteral(PREVIEW_PROGRAM),
                  {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--settings"), settings,
                   QStringLiteral("--png"), picture, QStringLiteral("--size"), QStringLiteral("1200x700"),
                   QStringLiteral("-style"), QStringLiteral("fusion")});
    QTRY_VERIFY_WITH_TIMEOUT(process.state() == QProcess::NotRunning, 120000);
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
    QVERIFY2(errors.contains(QStringLiteral("3.导航设置")), qPrintable(errors));
    const QImage image(picture);
    QCOMPARE(image.size(), QSize(1200, 700));
    // The page is 950 pixels wide and centred: its sides show the body.
    for (const QPoint point : {QPoint(10, 400), QPoint(1180, 100), QPoint(60, 680)})
        QCOMPARE(QString::number(image.pixel(point) & 0xffffff, 16), QStringLiteral("12ab34"));
    // Right of the name and introduction, the header shows its picture.
    QCOMPARE(QString::number(image.pixel(900, 200) & 0xffffff, 16), QStringLiteral("ee2211"));
}

void TestPreviewProgram::severalPicturesComeOneByOne()
{
    // One run for several settings files; each picture is named on standard output once saved.
    QStringList arguments;
    QStringList pictures;
    for (const QString &colour : {QStringLiteral("ab1234"), QStringLiteral("12ab34"), QStringLiteral("1234ab")}) {
        const QString settings = m_dir.filePath(colour + u".ini");
        QVERIFY(saveSettings(settings, optionsWith({{Option::PageBackgroundColour, u"背景颜色#" + colour},
                                                    {Option::HeaderMiddlePictureOn, QStringLiteral("0")}})));
        pictures.append(m_dir.filePath(colour + u".png"));
        arguments << QStringLiteral("--settings") << settings << QStringLiteral("--png") << pictures.last();
    }
    QProcess process;
    process.start(QStringLiteral(PREVIEW_PROGRAM), arguments);
    QVERIFY(process.waitForFinished(120000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts), pictures);
    for (const QString &picture : pictures) {
        const QImage image(picture);
        QCOMPARE(image.size(), QSize(1024, 768)); // the page is 950 pixels wide: its sides show the body
        QCOMPARE(QString::number(image.pixel(10, 400) & 0xffffff, 16), QFileInfo(picture).baseName());
    }
}

void TestPreviewProgram::badInputIsRefusedBeforeTheEngineStarts_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("said");
    const QString settings = m_dir.filePath(QStringLiteral("fine.ini"));
    QVERIFY(saveSettings(settings, OptionSet()));
    const QString garbage = m_dir.filePath(QStringLiteral("garbage.ini"));
    QFile file(garbage);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x00\xff\xfe[\x01]\n=\x80\x81", 11).repeated(50));
    file.close();
    const QString empty = m_dir.filePath(QStringLiteral("empty.ini"));
    QFile(empty).open(QIODevice::WriteOnly);
    const QString out = m_dir.filePath(QStringLiteral("never.png"));
    const QString png = QStringLiteral("--png");
    const QString from = QStringLiteral("--settings");

    QTest::newRow("missing file") << QStringList{from, m_dir.filePath(QStringLiteral("none.ini")), png, out}
                                  << QStringLiteral("none.ini");
    QTest::newRow("garbage file") << QStringList{from, garbage, png, out} << QStringLiteral("garbage.ini");
    QTest::newRow("empty file") << QStringList{from, empty, png, out} << QStringLiteral("empty.ini");
    QTest::newRow("no settings") << QStringList{png, out} << QStringLiteral("--settings");
    QTest::newRow("no picture") << QStringList{from, settings} << QStringLiteral("--png");
    QTest::newRow("settings without a name") << QStringList{png, out, from} << QStringLiteral("settings");
    QTest::newRow("a picture short") << QStringList{from, settings, png, out, from, settings}
                                     << QStringLiteral("2 个设置文件、1 个图片文件");
    QTest::newRow("one bad file of two") << QStringList{from, settings, png, out, from, garbage, png, out}
                                         << QStringLiteral("garbage.ini");
    QTest::newRow("size of nothing")
        << QStringList{from, settings, png, out, QStringLiteral("--size"), QStringLiteral("0x0")}
        << QStringLiteral("--size");
    QTest::newRow("size in words")
        << QStringList{from, settings, png, out, QStringLiteral("--size"), QStringLiteral("wide")}
        << QStringLiteral("--size");
    QTest::newRow("picture in a missing folder")
        << QStringList{from, settings, png, m_dir.filePath(QStringLiteral("no/such/folder.png"))}
        << QStringLiteral("folder.png");
    QTest::newRow("stray argument") << QStringList{from, settings, png, out, QStringLiteral("extra")}
                                    << QStringLiteral("extra");
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--reload")} << QStringLiteral("reload");
    QTest::newRow("stray argument after a Qt option") << QStringList{from,
                                                                     settings,
                                                                     png,
                                                                     out,
                                                                     QStringLiteral("-style"),
                                                                     QStringLiteral("fusion"),
                                                                     QStringLiteral("extra")}
                                                      << QStringLiteral("多余的参数：extra\n");
}

void TestPreviewProgram::badInputIsRefusedBeforeTheEngineStarts()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, said);
    const PreviewRun run = runPreviewProgram(arguments);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.errors.contains(said), qPrintable(run.errors));
    QVERIFY(!run.errors.contains(QStringLiteral("Sandboxing"))); // the engine never started
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("never.png"))));
}

void TestPreviewProgram::helpIsAnswered()
{
    QProcess process;
    for (const QStringList &arguments :
         {QStringList{QStringLiteral("--help")},
          QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--help"),
                      QStringLiteral("-reverse"), QStringLiteral("--webEngineArgs"), QStringLiteral("--no-sandbox")}}) {
        process.start(QStringLiteral(PREVIEW_PROGRAM), arguments);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(QString::fromUtf8(process.readAllStandardOutput()).contains(QStringLiteral("--settings")));
    }
}

QTEST_GUILESS_MAIN(TestPreviewProgram)
#include "test_preview_program.moc"
