#include "local_http_server.h"
#include "base/text_encoding.h"
#include "support/fakes.h"
#include "tools/fetcher_window.h"
#include "network/sheet_fetcher.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(stylewright::testing::CannedResponse)

namespace {

const QString kKeep = u"kept text"_s;

CannedResponse page(const QByteArray &body)
{
    return CannedResponse{200, body};
}
CannedResponse sheet(const QString &text)
{
    return CannedResponse{200, encodeGbk(text), "text/css"};
}

// A redirect to a path that would answer well.
CannedResponse movedTo(int status, const QByteArray &path)
{
    CannedResponse r{status, "moved"};
    r.location = path;
    return r;
}

CannedResponse silent()
{
    CannedResponse r;
    r.silent = true;
    return r;
}

// A body just over the default size limit that would otherwise be fetched without fault.
CannedResponse oversized(const QByteArray &start, bool sendLength)
{
    CannedResponse r{200, start + QByteArray(SheetFetcher::kDefaultSizeLimit + 1 - start.size(), ' ')};
    r.sendLength = sendLength;
    return r;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class TestFetcherWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void fetchesSplitsAndSaves();
    void chineseSpaceName();
    void shortestFetchableAddressDoesNotSave();
    void saveReplacesAndNamesFilesBySpace();
    void failuresKeepText_data();
    void failuresKeepText();
    void saveNamesStayInFolder_data();
    void saveNamesStayInFolder();
    void writeFailureIsReported();
    void windowKeepsRunningDuringSlowResponse();
    void secondFetchWaitsForFirst_data();
    void secondFetchWaitsForFirst();
    void fetcherRefusesASecondStart();
    void enterFetches();
    void closingDuringFetchIsQuiet();

private:
    void fetch(const QString &address);
    QPlainTextEdit *css() const { return m_window->findChild<QPlainTextEdit *>(u"txtcss"_s); }
    QLineEdit *address() const { return m_window->findChild<QLineEdit *>(u"txtblog"_s); }
    QPushButton *button(const QString &name) const { return m_window->findChild<QPushButton *>(name); }
    QString programFolder() const { return m_dir->filePath(u"program"_s); }
    QString saved(const QString &name) const { return programFolder() + u"/csscode/" + name + u".txt"; }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<LocalHttpServer> m_server;
    FakePrompts m_prompts;
    std::unique_ptr<FetcherWindow> m_window;
};

void TestFetcherWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QDir(m_dir->path()).mkdir(u"program"_s);
    m_server = std::make_unique<LocalHttpServer>();
    m_prompts = FakePrompts();
    FetcherSetup setup;
    setup.makeSource = [](const QString &prefix) { return std::make_unique<SheetFetcher>(prefix); };
    setup.programFolder = programFolder();
    setup.prefix = m_server->origin();
    m_window = std::make_unique<FetcherWindow>(setup, m_prompts);
    m_window->fetcher().setTimeout(std::chrono::milliseconds(3000));
    m_window->show();
}

void TestFetcherWindow::cleanup()
{
    m_window.reset();
    m_server.reset();
    m_dir.reset();
}

void TestFetcherWindow::fetch(const QString &text)
{
    address()->setText(text);
    button(u"cmdget"_s)->click();
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->fetcher().isBusy(), 10000);
}

void TestFetcherWindow::fetchesSplitsAndSaves()
{
    m_server->route(u"/yanzhou"_s, page("<link href=\"/yanzhou/css/item/a7b3.css\" rel=stylesheet>"));
    m_server->route(u"/yanzhou/css/item/a7b3.css"_s, sheet(u"a{color:red}/*说明*/b{margin:0}"_s));
    fetch(m_server->origin() + u"/yanzhou");

    QCOMPARE(m_server->requests, QStringList({u"/yanzhou"_s, u"/yanzhou/css/item/a7b3.css"_s}));
    QVERIFY(m_prompts.shown.isEmpty());
    // One rule, a comment and a second rule become five lines, the last one empty.
    QCOMPARE(css()->toPlainText().split(u'\n'),
             QStringList({u"a{color:red}"_s, QString(), u"/*说明*/"_s, u"b{margin:0}"_s, QString()}));

    QVERIFY(!QDir(programFolder() + u"/csscode").exists());
    button(u"cmdsave"_s)->click();
    QVERIFY(m_prompts.shown.isEmpty());
    QCOMPARE(readFile(saved(u"yanzhou"_s)), encodeGbk(u"a{color:red}\r\n\r\n/*说明*/\r\nb{margin:0}\r\n\r\n"));
}

void TestFetcherWindow::chineseSpaceName()
{
    m_server->route(u"/墨檐小站"_s, page(encodeGbk(u"<p>空间</p><link href=\"/墨檐小站/css/item/88.css\">")));
    m_server->route(u"/墨檐小站/css/item/88.css"_s, sheet(u"body{color:#fff}"_s));
    fetch(m_server->origin() + u"/墨檐小站");

    QVERIFY(m_prompts.shown.isEmpty());
    QCOMPARE(m_server->requests.last(), u"/墨檐小站/css/item/88.css"_s);
    button(u"cmdsave"_s)->click();
    QCOMPARE(readFile(saved(u"墨檐小站"_s)), QByteArray("body{color:#fff}\r\n\r\n"));
}

void TestFetcherWindow::shortestFetchableAddressDoesNotSave()
{
    m_server->route(u"/"_s, page("<link href=\"//css/item/9.css\">"));
    // The HTTP client sends the sheet path's empty first segment as a single slash.
    m_server->route(u"/css/item/9.css"_s, sheet(u"i{}"_s));
    const QString prefix = m_server->origin();

    fetch(prefix);
    QCOMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(m_prompts.shown[0].text, kFetchFailedText);
    QVERIFY(m_server->requests.isEmpty());

    fetch(prefix + u'/');
    QCOMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(css()->toPlainText(), u"i{}\n"_s);

    button(u"cmdsave"_s)->click();
    QCOMPARE(m_prompts.shown.size(), 2);
    QCOMPARE(m_prompts.shown[1].title, u"错误提示"_s);
    QCOMPARE(m_prompts.shown[1].text, kSaveRefusedText);
    QVERIFY(!QDir(programFolder() + u"/csscode").exists());
}

void TestFetcherWindow::saveReplacesAndNamesFilesBySpace()
{
    QDir(programFolder()).mkdir(u"csscode"_s);
    address()->setText(m_server->origin() + u"/one");
    css()->setPlainText(u"first version that is longer"_s);
    button(u"cmdsave"_s)->click();
    css()->setPlainText(u"second"_s);
    button(u"cmdsave"_s)->click();
    address()->setText(m_server->origin() + u"/two");
    css()->clear();
    button(u"cmdsave"_s)->click();

    QVERIFY(m_prompts.shown.isEmpty());
    QCOMPARE(readFile(saved(u"one"_s)), QByteArray("second\r\n"));
    QCOMPARE(readFile(saved(u"two"_s)), QByteArray("\r\n"));
}

void TestFetcherWindow::failuresKeepText_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<CannedResponse>("pageResponse");
    QTest::addColumn<CannedResponse>("sheetResponse");

    const CannedResponse goodPage = page("<link href=\"/s/css/item/1.css\">");
    const CannedResponse goodSheet = sheet(u"a{}"_s);
    QTest::newRow("page 404") << u"/s"_s << CannedResponse{404, "<link href=\"/s/css/item/1.css\">"} << goodSheet;
    QTest::newRow("page 500") << u"/s"_s << CannedResponse{500, "<link href=\"/s/css/item/1.css\">"} << goodSheet;
    QTest::newRow("sheet 404") << u"/s"_s << goodPage << CannedResponse{404, "a{}"};
    QTest::newRow("sheet 500") << u"/s"_s << goodPage << CannedResponse{500, "a{}"};
    // Redirects are not followed: the address the user typed must be the space itself.
    QTest::newRow("page 302") << u"/s"_s << movedTo(302, "/moved") << goodSheet;
    QTest::newRow("page 301") << u"/s"_s << movedTo(301, "/moved") << goodSheet;
    QTest::newRow("sheet 307") << u"/s"_s << goodPage << movedTo(307, "/moved.css");
    QTest::newRow("page without marker") << u"/s"_s << page("<link href=\"/t/css/item/1.css\">") << goodSheet;
    QTest::newRow("marker without .css") << u"/s"_s << page("<a href=\"/s/css/item/1.html\">") << goodSheet;
    QTest::newRow("page never answers") << u"/s"_s << silent() << goodSheet;
    QTest::newRow("sheet never answers") << u"/s"_s << goodPage << silent();
    QTest::newRow("page too large") << u"/s"_s << oversized("<link href=\"/s/css/item/1.css\">", true) << goodSheet;
    QTest::newRow("sheet streams too much") << u"/s"_s << goodPage << oversized("a{}", false);
    QTest::newRow("not an address") << u" bad"_s << goodPage << goodSheet;
    QTest::newRow("refused connection") << u"refused"_s << goodPage << goodSheet;
}

void TestFetcherWindow::failuresKeepText()
{
    QFETCH(QString, path);
    QFETCH(CannedResponse, pageResponse);
    QFETCH(CannedResponse, sheetResponse);
    m_server->route(u"/s"_s, pageResponse);
    m_server->route(u"/s/css/item/1.css"_s, sheetResponse);
    m_server->route(u"/moved"_s,
                    pageResponse.location.isEmpty() ? pageResponse : page("<a href=\"/s/css/item/1.css\">"));
    m_server->route(u"/moved.css"_s, sheet(u"a{}"_s));
    m_window->fetcher().setTimeout(std::chrono::milliseconds(300));
    css()->setPlainText(kKeep);

    QString target = m_server->origin() + path;
    if (path == u"refused")
        target = u"http://127.0.0.1:"_s + QString::number(closedPort()) + u"/s";
    if (path == u" bad")
        target = u"http//127.0.0.1/s/with no scheme"_s;
    fetch(target);

    QCOMPARE(css()->toPlainText(), kKeep);
    QCOMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(m_prompts.shown[0].title, u"错误提示"_s);
    QCOMPARE(m_prompts.shown[0].text, kFetchFailedText);
    QVERIFY(!m_server->requests.contains(u"/moved"_s) && !m_server->requests.contains(u"/moved.css"_s));
}

void TestFetcherWindow::saveNamesStayInFolder_data()
{
    QTest::addColumn<QString>("tail");
    QTest::newRow("parent folder") << u"/../escaped"_s;
    QTest::newRow("just dots") << u"/.."_s;
    QTest::newRow("dots at the end") << u"/name.."_s;
    QTest::newRow("slash") << u"/a/b"_s;
    QTest::newRow("backslash") << u"/..\\escaped"_s;
    QTest::newRow("absolute") << u"//tmp/escaped"_s;
    QTest::newRow("control character") << u"/a\tb"_s;
    QTest::newRow("refused by Windows") << u"/a:b"_s;
    QTest::newRow("device name") << u"/con"_s;
}

void TestFetcherWindow::saveNamesStayInFolder()
{
    QFETCH(QString, tail);
    address()->setText(m_server->origin() + tail);
    css()->setPlainText(u"x"_s);
    button(u"cmdsave"_s)->click();

    QCOMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(m_prompts.shown[0].text, kSaveRefusedText);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{u"program"_s});
    QVERIFY(QDir(programFolder()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

void TestFetcherWindow::writeFailureIsReported()
{
    QFile blocker(programFolder() + u"/csscode");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    address()->setText(m_server->origin() + u"/yanzhou");
    button(u"cmdsave"_s)->click();

    QCOMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(m_prompts.shown[0].title, u"错误提示"_s);
    QVERIFY(m_prompts.shown[0].text.startsWith(u"无法保存CSS文件"));
}

void TestFetcherWindow::windowKeepsRunningDuringSlowResponse()
{
    CannedResponse slow = page("<link href=\"/s/css/item/1.css\">");
    slow.delayMs = 800;
    m_server->route(u"/s"_s, slow);
    m_server->route(u"/s/css/item/1.css"_s, sheet(u"a{}"_s));
    css()->setPlainText(kKeep);
    int ticks = 0;
    QTimer heartbeat;
    connect(&heartbeat, &QTimer::timeout, this, [&ticks] { ++ticks; });
    heartbeat.start(20);

    address()->setText(m_server->origin() + u"/s");
    QElapsedTimer clock;
    clock.start();
    button(u"cmdget"_s)->click();
    QVERIFY2(clock.elapsed() < 300, "the click handler returned only after the response");
    QVERIFY(m_window->fetcher().isBusy());
    QCOMPARE(css()->toPlainText(), kKeep);

    QTRY_VERIFY_WITH_TIMEOUT(!m_window->fetcher().isBusy(), 10000);
    QVERIFY2(ticks >= 15, qPrintable(QString::number(ticks) + u" timer ticks while waiting"));
    QCOMPARE(css()->toPlainText(), u"a{}\n"_s);
}

void TestFetcherWindow::secondFetchWaitsForFirst_data()
{
    QTest::addColumn<QString>("second"); // the address at the second click, after the origin
    QTest::newRow("same address") << u"/s"_s;
    QTest::newRow("another space") << u"/t"_s;
    // The window ignores the click before looking at the address: no message during a fetch.
    QTest::newRow("address that cannot be fetched") << u"<too short>"_s;
}

void TestFetcherWindow::secondFetchWaitsForFirst()
{
    QFETCH(QString, second);
    CannedResponse slow = page("<link href=\"/s/css/item/1.css\">");
    slow.delayMs = 200;
    m_server->route(u"/s"_s, slow);
    m_server->route(u"/s/css/item/1.css"_s, sheet(u"a{}"_s));
    address()->setText(m_server->origin() + u"/s");
    button(u"cmdget"_s)->click();
    address()->setText(second == u"<too short>" ? u"http://a"_s : m_server->origin() + second);
    button(u"cmdget"_s)->click();
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->fetcher().isBusy(), 10000);
    QTest::qWait(100);
    QCOMPARE(m_server->requests, QStringList({u"/s"_s, u"/s/css/item/1.css"_s}));
    QVERIFY(m_prompts.shown.isEmpty());
    QCOMPARE(css()->toPlainText(), u"a{}\n"_s);
}

void TestFetcherWindow::fetcherRefusesASecondStart()
{
    CannedResponse slow = page("<link href=\"/s/css/item/1.css\">");
    slow.delayMs = 200;
    m_server->route(u"/s"_s, slow);
    m_server->route(u"/s/css/item/1.css"_s, sheet(u"a{}"_s));
    SheetFetcher fetcher(m_server->origin());
    QList<QString> fetched;
    QList<Failure> failed;
    fetcher.setListener({[&](const QString &sheet) { fetched << sheet; }, [&](const Failure &why) { failed << why; }});

    QVERIFY(fetcher.start(m_server->origin() + u"/s"));
    QVERIFY(!fetcher.start(m_server->origin() + u"/t"));
    QTRY_VERIFY_WITH_TIMEOUT(!fetcher.isBusy(), 10000);
    QCOMPARE(fetched.size(), 1);
    QCOMPARE(failed.size(), 0);
    QCOMPARE(m_server->requests, QStringList({u"/s"_s, u"/s/css/item/1.css"_s}));

    QVERIFY(fetcher.start(m_server->origin() + u"/s")); // free again once the first is over
    QTRY_VERIFY_WITH_TIMEOUT(!fetcher.isBusy(), 10000);
    QCOMPARE(fetched.size(), 2);
}

void TestFetcherWindow::enterFetches()
{
    address()->setText(m_server->origin() + u"/s");
    QTest::keyClick(address(), Qt::Key_Return);
    QTRY_COMPARE(m_server->requests, QStringList{u"/s"_s});
    QTRY_VERIFY(!m_window->fetcher().isBusy());
}

void TestFetcherWindow::closingDuringFetchIsQuiet()
{
    CannedResponse slow = page("<link href=\"/s/css/item/1.css\">");
    slow.delayMs = 200;
    m_server->route(u"/s"_s, slow);
    address()->setText(m_server->origin() + u"/s");
    button(u"cmdget"_s)->click();
    QTRY_COMPARE(m_server->requests.size(), 1);
    m_window.reset();
    QTest::qWait(400);
    QVERIFY(m_prompts.shown.isEmpty());
}

QTEST_MAIN(TestFetcherWindow)
#include "test_fetcher_window.moc"
