#include "local_http_server.h"
#include "base/text_encoding.h"
#include "support/fakes.h"
#include "tools/fetcher_window.h"
#include "network/sheet_fetcher.h"
#include "service/sheet_text.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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

// A sheet of about 7 MiB (under the 8 MiB limit), GBK, all on one line as servers send them.
QByteArray largeSheet()
{
    const QByteArray unit =
        encodeGbk(u"/*模块区域*/.modbox{padding:10px;background-color:#000000}a.modtit{color:#5577ff}");
    QByteArray sheet;
    while (sheet.size() < 7 * 1024 * 1024)
        sheet += unit;
    return sheet;
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
    void secondClickCancels_data();
    void secondClickCancels();
    void cancellingWhileTheSheetGoesInKeepsTheOldText();
    void largeSheetKeepsTheWindowResponsive();
    void aLongLineIsShownUnwrapped();
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
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->isBusy(), 10000);
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
    // On the wire in GBK, as the service reads addresses.
    QCOMPARE(m_server->rawRequests,
             QList<QByteArray>({"/%C4%AB%E9%DC%D0%A1%D5%BE", "/%C4%AB%E9%DC%D0%A1%D5%BE/css/item/88.css"}));
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
    QTest::addColumn<QString>("reason"); // the second line of the message

    const CannedResponse goodPage = page("<link href=\"/s/css/item/1.css\">");
    const CannedResponse goodSheet = sheet(u"a{}"_s);
    QTest::newRow("page 404") << u"/s"_s << CannedResponse{404, "<link href=\"/s/css/item/1.css\">"} << goodSheet
                              << u"HTTP 404"_s;
    QTest::newRow("page 500") << u"/s"_s << CannedResponse{500, "<link href=\"/s/css/item/1.css\">"} << goodSheet
                              << u"HTTP 500"_s;
    QTest::newRow("sheet 404") << u"/s"_s << goodPage << CannedResponse{404, "a{}"} << u"HTTP 404"_s;
    QTest::newRow("sheet 500") << u"/s"_s << goodPage << CannedResponse{500, "a{}"} << u"HTTP 500"_s;
    // Redirects are not followed: the address the user typed must be the space itself.
    QTest::newRow("page 302") << u"/s"_s << movedTo(302, "/moved") << goodSheet << u"HTTP 302"_s;
    QTest::newRow("page 301") << u"/s"_s << movedTo(301, "/moved") << goodSheet << u"HTTP 301"_s;
    QTest::newRow("sheet 307") << u"/s"_s << goodPage << movedTo(307, "/moved.css") << u"HTTP 307"_s;
    QTest::newRow("page without marker") << u"/s"_s << page("<link href=\"/t/css/item/1.css\">") << goodSheet
                                         << u"没有找到样式表地址"_s;
    QTest::newRow("marker without .css") << u"/s"_s << page("<a href=\"/s/css/item/1.html\">") << goodSheet
                                         << u"没有找到样式表地址"_s;
    QTest::newRow("page never answers") << u"/s"_s << silent() << goodSheet << u"连接超时"_s;
    QTest::newRow("sheet never answers") << u"/s"_s << goodPage << silent() << u"连接超时"_s;
    QTest::newRow("page too large") << u"/s"_s << oversized("<link href=\"/s/css/item/1.css\">", true) << goodSheet
                                    << u"内容超过8 MiB"_s;
    QTest::newRow("sheet streams too much") << u"/s"_s << goodPage << oversized("a{}", false) << u"内容超过8 MiB"_s;
    QTest::newRow("not an address") << u" bad"_s << goodPage << goodSheet << u"地址无效"_s;
    QTest::newRow("refused connection") << u"refused"_s << goodPage << goodSheet << u"服务器拒绝连接"_s;
}

void TestFetcherWindow::failuresKeepText()
{
    QFETCH(QString, path);
    QFETCH(CannedResponse, pageResponse);
    QFETCH(CannedResponse, sheetResponse);
    QFETCH(QString, reason);
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
    QCOMPARE(m_prompts.shown[0].text, kFetchFailedText + u'\n' + reason);
    QCOMPARE(button(u"cmdget"_s)->text(), u"获取CSS"_s);
    QVERIFY(!m_server->requests.contains(u"/moved"_s) && !m_server->requests.contains(u"/moved.css"_s));
}

void TestFetcherWindow::saveNamesStayInFolder_data()
{
    QTest::addColumn<QString>("tail");
    QTest::addColumn<QString>("why"); // the second line of the message
    QTest::newRow("parent folder") << u"/../escaped"_s << u"含有不允许的字符“/”"_s;
    QTest::newRow("just dots") << u"/.."_s << u"含有“..”"_s;
    QTest::newRow("dots at the end") << u"/name.."_s << u"含有“..”"_s;
    QTest::newRow("space at the end") << u"/name "_s << u"以点或空格结尾"_s;
    QTest::newRow("slash") << u"/a/b"_s << u"含有不允许的字符“/”"_s;
    QTest::newRow("backslash") << u"/..\\escaped"_s << u"含有不允许的字符“\\”"_s;
    QTest::newRow("absolute") << u"//tmp/escaped"_s << u"含有不允许的字符“/”"_s;
    QTest::newRow("control character") << u"/a\tb"_s << u"含有控制字符"_s;
    QTest::newRow("refused by Windows") << u"/a:b*c:d"_s << u"含有不允许的字符“:”、“*”"_s;
    QTest::newRow("several kinds") << u"/a?b\nc"_s << u"含有不允许的字符“?”和控制字符"_s;
    QTest::newRow("device name") << u"/con"_s << u"“con”是系统保留的设备名"_s;
    QTest::newRow("numbered port") << u"/LPT3.txt"_s << u"“LPT3”是系统保留的设备名"_s;
}

void TestFetcherWindow::saveNamesStayInFolder()
{
    QFETCH(QString, tail);
    QFETCH(QString, why);
    address()->setText(m_server->origin() + tail);
    css()->setPlainText(u"x"_s);
    button(u"cmdsave"_s)->click();

    QCOMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(m_prompts.shown[0].title, u"错误提示"_s);
    QCOMPARE(m_prompts.shown[0].text.split(u'\n'),
             QStringList({kSaveRefusedText, u"空间名不能用作文件名："_s + why + u"。",
                          u"文件名中不能有 / \\ < > : \" | ? * 和控制字符，不能含有“..”，也不能以点或空格结尾。"_s}));
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

    QTRY_VERIFY_WITH_TIMEOUT(!m_window->isBusy(), 10000);
    QVERIFY2(ticks >= 15, qPrintable(QString::number(ticks) + u" timer ticks while waiting"));
    QCOMPARE(css()->toPlainText(), u"a{}\n"_s);
}

void TestFetcherWindow::secondClickCancels_data()
{
    QTest::addColumn<QString>("second"); // the address at the second click, after the origin
    QTest::newRow("same address") << u"/s"_s;
    QTest::newRow("another space") << u"/t"_s;
    // The click cancels before anything looks at the address: no message.
    QTest::newRow("address that cannot be fetched") << u"<too short>"_s;
}

void TestFetcherWindow::secondClickCancels()
{
    QFETCH(QString, second);
    CannedResponse slow = page("<link href=\"/s/css/item/1.css\">");
    slow.delayMs = 200;
    m_server->route(u"/s"_s, slow);
    m_server->route(u"/s/css/item/1.css"_s, sheet(u"a{}"_s));
    css()->setPlainText(kKeep);
    address()->setText(m_server->origin() + u"/s");
    button(u"cmdget"_s)->click();
    QVERIFY(m_window->isBusy());
    QCOMPARE(button(u"cmdget"_s)->text(), u"取消"_s);
    QTRY_COMPARE(m_server->requests.size(), 1);
    // Enter fetches and never cancels: it is ignored while a fetch runs.
    QTest::keyClick(address(), Qt::Key_Return);
    QVERIFY(m_window->isBusy());

    address()->setText(second == u"<too short>" ? u"http://a"_s : m_server->origin() + second);
    button(u"cmdget"_s)->click();
    QVERIFY(!m_window->isBusy());
    QCOMPARE(button(u"cmdget"_s)->text(), u"获取CSS"_s);
    QTest::qWait(400); // the page arrives after all and is dropped
    QCOMPARE(m_server->requests, QStringList{u"/s"_s});
    QVERIFY(m_prompts.shown.isEmpty());
    QCOMPARE(css()->toPlainText(), kKeep);

    address()->setText(m_server->origin() + u"/s"); // and the next fetch works
    fetch(address()->text());
    QCOMPARE(css()->toPlainText(), u"a{}\n"_s);
}

void TestFetcherWindow::cancellingWhileTheSheetGoesInKeepsTheOldText()
{
    m_server->route(u"/s"_s, page("<link href=\"/s/css/item/1.css\">"));
    m_server->route(u"/s/css/item/1.css"_s, CannedResponse{200, largeSheet(), "text/css"});
    css()->setPlainText(kKeep);
    address()->setText(m_server->origin() + u"/s");
    button(u"cmdget"_s)->click();
    // Wait until the first lines are on show, then cancel.
    QTRY_VERIFY_WITH_TIMEOUT(css()->toPlainText().startsWith(u"\n/*模块区域*/"), 10000);
    QVERIFY(m_window->isBusy());
    // Nobody types into or saves a half-built sheet.
    QVERIFY(css()->isReadOnly());
    QVERIFY(!button(u"cmdsave"_s)->isEnabled());
    button(u"cmdget"_s)->click();
    QVERIFY(!m_window->isBusy());
    QCOMPARE(css()->toPlainText(), kKeep);
    QVERIFY(!css()->isReadOnly());
    QVERIFY(button(u"cmdsave"_s)->isEnabled());
    QTest::qWait(100);
    QCOMPARE(css()->toPlainText(), kKeep);
    QVERIFY(m_prompts.shown.isEmpty());
}

void TestFetcherWindow::largeSheetKeepsTheWindowResponsive()
{
    const QByteArray body = largeSheet();
    m_server->route(u"/s"_s, page("<link href=\"/s/css/item/1.css\">"));
    m_server->route(u"/s/css/item/1.css"_s, CannedResponse{200, body, "text/css"});
    css()->setPlainText(kKeep);
    QElapsedTimer sinceTick;
    qint64 longestStall = 0;
    QTimer heartbeat;
    connect(&heartbeat, &QTimer::timeout, this, [&] { longestStall = qMax(longestStall, sinceTick.restart()); });
    address()->setText(m_server->origin() + u"/s");
    button(u"cmdget"_s)->click();
    sinceTick.start();
    heartbeat.start(5);
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->isBusy(), 60000);
    heartbeat.stop();

    // One setPlainText of such a sheet holds the window for over a second.
    QVERIFY2(longestStall < 250,
             qPrintable(u"the event loop stood still for "_s + QString::number(longestStall) + u" ms"));
    QVERIFY(m_prompts.shown.isEmpty());
    QCOMPARE(css()->toPlainText(), splitSheetLines(decodeGbk(body)).replace(u"\r\n"_s, u"\n"_s));
    QVERIFY(!css()->isReadOnly());
    QVERIFY(button(u"cmdsave"_s)->isEnabled());
    css()->undo(); // the fill itself is not something to undo
    QVERIFY(css()->toPlainText().startsWith(u"\n/*模块区域*/"));
}

// A picture written into a rule as data makes one line of hundreds of thousands of characters;
// wrapped, laying it out alone took minutes.
void TestFetcherWindow::aLongLineIsShownUnwrapped()
{
    const QByteArray picture = "a{background:url(data:image/png;base64," + QByteArray(300 * 1024, 'A') + ")}";
    m_server->route(u"/s"_s, page("<link href=\"/s/css/item/1.css\">"));
    const QByteArray body = "b{color:red}" + picture;
    m_server->route(u"/s/css/item/1.css"_s, CannedResponse{200, body, "text/css"});
    address()->setText(m_server->origin() + u"/s");
    button(u"cmdget"_s)->click();
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->isBusy(), 60000);
    QCOMPARE(css()->toPlainText(), splitSheetLines(decodeGbk(body)).replace(u"\r\n"_s, u"\n"_s));
    QCOMPARE(css()->lineWrapMode(), QPlainTextEdit::NoWrap);

    m_server->route(u"/s/css/item/1.css"_s, sheet(u"a{}"_s)); // short lines wrap again
    button(u"cmdget"_s)->click();
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->isBusy(), 60000);
    QCOMPARE(css()->toPlainText(), u"a{}\n"_s);
    QCOMPARE(css()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

void TestFetcherWindow::fetcherRefusesASecondStart()
{
    CannedResponse slow = page("<link href=\"/s/css/item/1.css\">");
    slow.delayMs = 200;
    m_server->route(u"/s"_s, slow);
    m_server->route(u"/s/css/item/1.css"_s, sheet(u"a{}"_s));
    SheetFetcher fetcher(m_server->origin());
    QList<QByteArray> fetched;
    QList<Failure> failed;
    fetcher.setListener(
        {[&](const QByteArray &sheet) { fetched << sheet; }, [&](const Failure &why) { failed << why; }});

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
    QTRY_VERIFY(!m_window->isBusy());
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
