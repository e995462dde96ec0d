#include "editor/secondary_windows.h"
#include "support/fakes.h"
#include "tools/fetcher_window.h"
#include "tools/huepick_window.h"
#include "sheetfetch/sheetfetch_app.h"
#include "tools/tool_window.h"
#include "stylewright/network_module.h"
#include "stylewright/tool_windows.h"
#include "tools/window_shape.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

int openWindowsNamed(const QString &name)
{
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        count += w->objectName() == name && w->isVisible();
    return count;
}

QStringList childOrder(QWidget *window)
{
    QStringList names;
    for (QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        names.append(child->objectName());
    return names;
}

} // namespace

class TestToolWindows : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void toolWindowControls();
    void buttonsOpenTheirAddresses_data();
    void buttonsOpenTheirAddresses();
    void updateNotesFileOrPage();
    void contactWindowIsSingle();
    void factoriesMakeTheRealWindows();
    void closingPickerStopsSampling();
    void cornersFollowSize();
    void framedWindowsStaySquare();
    void fetcherCorners();
    void titleLabelDragsWindow();
    void closeLabelClosesInEditor();
    void sheetfetchEndsAndShowsAbout();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    FakePrompts m_prompts;
    FakeDesktop m_desktop;
    std::unique_ptr<SecondaryWindows> m_windows;
};

void TestToolWindows::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_prompts = FakePrompts();
    m_desktop = FakeDesktop();
    m_windows = std::make_unique<SecondaryWindows>();
    installToolWindows(*m_windows, m_dir->path(), m_prompts, m_desktop, loadNetworkSheetSource, [](const QString &) {});
}

void TestToolWindows::cleanup()
{
    m_windows->closeAll();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_windows.reset();
    m_dir.reset();
}

void TestToolWindows::toolWindowControls()
{
    QWidget *tool = m_windows->open(Secondary::Tool);
    QCOMPARE(tool->objectName(), u"frmtool"_s);
    QCOMPARE(tool->windowTitle(), u"  CSS编辑程序工具箱"_s);
    QCOMPARE(childOrder(tool),
             QStringList({u"cmdupdate"_s, u"cmdconnect"_s, u"txtsearch"_s, u"Command1"_s, u"cmdsm"_s, u"cmdahc"_s,
                          u"txtpm"_s, u"cmdqwip"_s, u"cmdmoyan"_s, u"cmdsee"_s, u"cmdupload"_s, u"cmdm1"_s}));
    QStringList captions;
    for (QPushButton *b : tool->findChildren<QPushButton *>())
        captions.append(b->text());
    QCOMPARE(captions,
             QStringList({u"查看更新信息"_s, u"联系作者"_s, u"砚舟空间文章搜索"_s, u"CSS说明"_s, u"刷空间流量"_s,
                          u"空间排名查询"_s, u"墨檐空间"_s, u"砚舟博客"_s, u"上传 ANI"_s, u"鼠标集合"_s}));
    QCOMPARE(tool->findChild<QLineEdit *>(u"txtsearch"_s)->text(), u"stylewright"_s);
    QCOMPARE(tool->findChild<QLineEdit *>(u"txtpm"_s)->text(), u"http://s.moyan.test/yanzhou"_s);
}

void TestToolWindows::buttonsOpenTheirAddresses_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("address");
    const QByteArray search = "http://www.moyan.test/search/article?space=yanzhou&word=";
    QTest::newRow("search default word") << u"Command1"_s << QString() << QString() << search + "stylewright";
    QTest::newRow("search chinese word") << u"Command1"_s << u"txtsearch"_s << u"滚动 条&"_s
                                         << search + "%B9%F6%B6%AF+%CC%F5%26";
    QTest::newRow("search empty word") << u"Command1"_s << u"txtsearch"_s << QString() << search;
    QTest::newRow("cursor collection") << u"cmdm1"_s << QString() << QString() << search + "%CA%F3%B1%EA+ani+";
    QTest::newRow("css help") << u"cmdsm"_s << QString() << QString()
                              << QByteArray("http://help.moyan.test/space/custom-css.html");
    QTest::newRow("traffic") << u"cmdahc"_s << QString() << QString()
                             << QByteArray("http://space-traffic.test/exchange/");
    QTest::newRow("ranking example") << u"cmdqwip"_s << QString() << QString()
                                     << QByteArray("http://space-ranking.test/query?space=yanzhou");
    QTest::newRow("ranking twenty characters") << u"cmdqwip"_s << u"txtpm"_s << u"http://s.moyan.test/"_s
                                               << QByteArray("http://space-ranking.test/query?space=");
    QTest::newRow("ranking shorter") << u"cmdqwip"_s << u"txtpm"_s << u"s.moyan.test/ann"_s
                                     << QByteArray("http://space-ranking.test/query?space=");
    QTest::newRow("ranking other name") << u"cmdqwip"_s << u"txtpm"_s << u"http://s.moyan.test/ann"_s
                                        << QByteArray("http://space-ranking.test/query?space=ann");
    QTest::newRow("ranking chinese name") << u"cmdqwip"_s << u"txtpm"_s << u"http://s.moyan.test/墨檐"_s
                                          << QByteArray("http://space-ranking.test/query?space=%C4%AB%E9%DC");
    QTest::newRow("ranking name with &") << u"cmdqwip"_s << u"txtpm"_s << u"http://s.moyan.test/a&b c"_s
                                         << QByteArray("http://space-ranking.test/query?space=a%26b+c");
    QTest::newRow("space home") << u"cmdmoyan"_s << QString() << QString() << QByteArray("http://s.moyan.test/");
    QTest::newRow("author space") << u"cmdsee"_s << QString() << QString() << QByteArray("http://s.moyan.test/yanzhou");
    QTest::newRow("cursor host") << u"cmdupload"_s << QString() << QString()
                                 << QByteArray("http://cursor-host.test/upload/");
}

void TestToolWindows::buttonsOpenTheirAddresses()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QByteArray, address);
    QWidget *tool = m_windows->open(Secondary::Tool);
    if (!field.isEmpty())
        tool->findChild<QLineEdit *>(field)->setText(text);
    tool->findChild<QPushButton *>(button)->click();
    QCOMPARE(m_desktop.openedAddresses.size(), 1);
    QCOMPARE(m_desktop.openedAddresses[0].toEncoded(), address);
    QVERIFY(m_desktop.openedFiles.isEmpty());
}

void TestToolWindows::updateNotesFileOrPage()
{
    QWidget *tool = m_windows->open(Secondary::Tool);
    auto *update = tool->findChild<QPushButton *>(u"cmdupdate"_s);
    const QString notes = m_dir->filePath(u"墨檐CSS更新说明.txt"_s);
    QFile file(notes);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    update->click();
    QCOMPARE(m_desktop.openedFiles, QStringList{notes});
    QVERIFY(m_desktop.openedAddresses.isEmpty());

    QVERIFY(QFile::remove(notes));
    update->click();
    QCOMPARE(m_desktop.openedFiles.size(), 1);
    QCOMPARE(m_desktop.openedAddresses,
             QList<QUrl>{QUrl(u"http://s.moyan.test/yanzhou/blog/item/stylewright-update-notes.html"_s)});
}

void TestToolWindows::contactWindowIsSingle()
{
    QWidget *tool = m_windows->open(Secondary::Tool);
    auto *connectButton = tool->findChild<QPushButton *>(u"cmdconnect"_s);
    connectButton->click();
    QWidget *contact = m_windows->window(Secondary::Connect);
    QVERIFY(contact);
    connectButton->click();
    QCOMPARE(m_windows->window(Secondary::Connect), contact);
    QCOMPARE(openWindowsNamed(u"frmconnect"_s), 1);
    QCOMPARE(contact->windowTitle(), u"联系砚舟"_s);

    auto *details = contact->findChild<QPlainTextEdit *>(u"txtjs"_s);
    QVERIFY(details->toPlainText().endsWith(
        u"提交BUG可以通过邮箱，QQ，博客留言\n欢迎提出您的宝贵建议和意见!\n您的支持给我更新动力!"_s));
    QTest::mouseClick(details->viewport(), Qt::LeftButton);
    QCOMPARE(m_desktop.openedAddresses, QList<QUrl>{QUrl(u"http://s.moyan.test/yanzhou"_s)});

    // The contact window does not depend on the tool window.
    m_windows->close(Secondary::Tool);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_windows->window(Secondary::Connect));
}

void TestToolWindows::factoriesMakeTheRealWindows()
{
    QWidget *fetcher = m_windows->open(Secondary::Fetcher);
    QCOMPARE(fetcher->objectName(), u"frmsheetfetch2"_s);
    QCOMPARE(fetcher->windowTitle(), u"sheetfetch VER 2.0"_s);
    QVERIFY(fetcher->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!fetcher->findChild<QLabel *>(u"lbltxt"_s));
    QCOMPARE(fetcher->findChild<QLineEdit *>(u"txtblog"_s)->text(), u"http://s.moyan.test/yanzhou"_s);
    QCOMPARE(fetcher->findChild<QPushButton *>(u"cmdget"_s)->text(), u"获取CSS"_s);
    QVERIFY(fetcher->findChild<QPushButton *>(u"cmdget"_s)->isDefault());
    QCOMPARE(fetcher->findChild<QPushButton *>(u"cmdsave"_s)->text(), u"保存CSS"_s);
    QCOMPARE(fetcher->findChild<QLabel *>(u"Label1"_s)->text(), u"sheetfetch VER 2.0"_s);
    QCOMPARE(fetcher->findChild<QLabel *>(u"LBLEND"_s)->text(), u" X"_s);

    QCOMPARE(m_windows->open(Secondary::HuePick)->objectName(), u"frmhuepick"_s);
    QCOMPARE(m_windows->open(Secondary::Tool)->objectName(), u"frmtool"_s);
    QCOMPARE(m_windows->open(Secondary::Connect)->objectName(), u"frmconnect"_s);

    // Minimising and restoring with the main window.
    m_windows->setMinimised(true);
    QVERIFY(fetcher->isMinimized());
    m_windows->setMinimised(false);
    QVERIFY(!fetcher->isMinimized());
    QVERIFY(fetcher->isVisible());
}

void TestToolWindows::closingPickerStopsSampling()
{
    auto *picker = static_cast<HuePickWindow *>(m_windows->open(Secondary::HuePick));
    picker->findChild<QPushButton *>(u"cmdget"_s)->click();
    QVERIFY(picker->isSampling());
    m_windows->closeAll();
    QVERIFY(!picker->isSampling());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_windows->window(Secondary::HuePick));
    QCOMPARE(static_cast<HuePickWindow *>(m_windows->open(Secondary::HuePick))
                 ->findChild<QPushButton *>(u"cmdget"_s)
                 ->text(),
             u"开始获取颜色"_s);
}

void TestToolWindows::cornersFollowSize()
{
    QWidget frameless(nullptr, Qt::Window | Qt::FramelessWindowHint);
    frameless.resize(300, 500);
    frameless.show();
    keepCornersRounded(&frameless, 12);
    QCOMPARE(frameless.mask().boundingRect(), QRect(0, 0, 300, 500));
    QVERIFY(frameless.mask().contains(QPoint(150, 250)));
    QVERIFY(!frameless.mask().contains(QPoint(0, 0)));
    QVERIFY(!frameless.mask().contains(QPoint(299, 499)));
    QVERIFY(frameless.mask().contains(QPoint(299, 250)));
    frameless.resize(220, 600);
    QCOMPARE(frameless.mask().boundingRect(), QRect(0, 0, 220, 600));
    QVERIFY(!frameless.mask().contains(QPoint(219, 0)));
}

void TestToolWindows::framedWindowsStaySquare()
{
    // The tool and about windows keep their system frame: a mask would notch its title bar.
    QWidget *tool = m_windows->open(Secondary::Tool);
    tool->resize(300, 500);
    QVERIFY(tool->mask().isEmpty());
    auto sheetfetch = createSheetfetchWindow(loadNetworkSheetSource, m_dir->path(), m_prompts, [] {});
    sheetfetch->showAbout();
    QVERIFY(sheetfetch->aboutWindow()->mask().isEmpty());

    // A window that gains a frame loses its corners at the next resize.
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    keepCornersRounded(&window, 12);
    QVERIFY(!window.mask().isEmpty());
    window.setWindowFlags(Qt::Window);
    window.show();
    window.resize(200, 100);
    QVERIFY(window.mask().isEmpty());
}

void TestToolWindows::fetcherCorners()
{
    // A point two pixels in from a corner lies inside a 12-pixel corner and outside a 24-pixel one.
    QWidget *editorFetcher = m_windows->open(Secondary::Fetcher);
    auto sheetfetch = createSheetfetchWindow(loadNetworkSheetSource, m_dir->path(), m_prompts, [] {});
    for (QWidget *w : {editorFetcher, static_cast<QWidget *>(sheetfetch.get())}) {
        QVERIFY(!w->mask().contains(QPoint(0, 0)));
        QVERIFY(w->mask().contains(QPoint(w->width() / 2, w->height() - 1)));
    }
    QVERIFY(editorFetcher->mask().contains(QPoint(2, 2)));
    QVERIFY(!sheetfetch->mask().contains(QPoint(2, 2)));
    QCOMPARE(roundedRegion(QSize(100, 50), 24).boundingRect(), QRect(0, 0, 100, 50));
}

void TestToolWindows::titleLabelDragsWindow()
{
    QWidget *fetcher = m_windows->open(Secondary::Fetcher);
    fetcher->move(100, 100);
    auto *title = fetcher->findChild<QLabel *>(u"Label1"_s);
    const QPoint from = title->rect().center();
    const QPoint start = fetcher->pos();
    QTest::mousePress(title, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(from + QPoint(30, 20)),
                     QPointF(title->mapToGlobal(from + QPoint(30, 20))), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(title, &move);
    QTest::mouseRelease(title, Qt::LeftButton, {}, from + QPoint(30, 20));
    // Either the window system moves it, or (offscreen, no window manager) it follows the pointer.
    if (fetcher->windowHandle()->startSystemMove())
        QSKIP("the window system moves the window itself");
    QCOMPARE(fetcher->pos(), start + QPoint(30, 20));
}

void TestToolWindows::closeLabelClosesInEditor()
{
    QWidget *fetcher = m_windows->open(Secondary::Fetcher);
    QTest::mouseClick(fetcher->findChild<QLabel *>(u"LBLEND"_s), Qt::LeftButton);
    QVERIFY(!fetcher->isVisible());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_windows->window(Secondary::Fetcher));
    QCOMPARE(m_windows->open(Secondary::Fetcher)->findChild<QLineEdit *>(u"txtblog"_s)->text(),
             u"http://s.moyan.test/yanzhou"_s);
}

void TestToolWindows::sheetfetchEndsAndShowsAbout()
{
    int ended = 0;
    auto window = createSheetfetchWindow(loadNetworkSheetSource, m_dir->path(), m_prompts, [&ended] { ++ended; });
    window->show();
    QCOMPARE(window->objectName(), u"frmmain"_s);
    QVERIFY(!window->findChild<QPushButton *>(u"cmdimport"_s)->isVisible()); // no editor to import into
    auto *aboutLabel = window->findChild<QLabel *>(u"lbltxt"_s);
    QVERIFY(aboutLabel);
    QCOMPARE(aboutLabel->text(), u"关于"_s);

    QTest::mouseClick(aboutLabel, Qt::LeftButton);
    QWidget *about = window->aboutWindow();
    QVERIFY(about && about->isVisible());
    QCOMPARE(about->objectName(), u"Form1"_s);
    QVERIFY(about->findChild<QPlainTextEdit *>(u"txtjs"_s)->toPlainText().endsWith(u"您的支持给我更新动力!"));
    QTest::mouseClick(aboutLabel, Qt::LeftButton);
    QCOMPARE(window->aboutWindow(), about);
    QCOMPARE(openWindowsNamed(u"Form1"_s), 1);

    QTest::mouseClick(window->findChild<QLabel *>(u"LBLEND"_s), Qt::LeftButton);
    QCOMPARE(ended, 1);
}

QTEST_MAIN(TestToolWindows)
#include "test_tool_windows.moc"
