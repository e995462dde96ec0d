#include "editor/secondary_windows.h"
#include "editor_fixture.h"
#include "generators/code_file.h"
#include "generators/generators.h"
#include "options/option_set.h"
#include "options/settings_file.h"
#include "support/helpers.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

void click(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

// Records the order in which windows close.
class CloseRecorder : public QObject {
public:
    QList<QObject *> closed;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            closed.append(watched);
        return false;
    }
};

constexpr Secondary kAll[] = {Secondary::Connect, Secondary::Tool, Secondary::HuePick, Secondary::Fetcher};

} // namespace

namespace {

// The window buttons that open a secondary window of their own, with the window each opens.
QList<std::pair<WindowButton, Secondary>> windowButtons()
{
    return {{WindowButton::FetchSheet, Secondary::Fetcher}, {WindowButton::HuePick, Secondary::HuePick}};
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void areaButtonAppendsItsBlock_data();
    void areaButtonAppendsItsBlock();
    void sizeThatIsNotANumberWritesNothing();
    void lookAtCode();
    void failuresAreToldAndTheWindowStaysUsable();
    void toolButtonShowsAndHidesTheToolWindow();
    void secondaryWindowsOpenOnce();
    void buttonsBringBackAWindowMinimisedOnItsOwn();
    void minimisingCarriesTheToolWindows();
    void windowsOpenedWhileMinimisedStartMinimised();
    void closingClosesEverythingInOrder();
    void startsWithDesignValuesDespiteSavedSettings();
};

void TestMainWindow::areaButtonAppendsItsBlock_data()
{
    QTest::addColumn<Area>("area");
    for (Area area : areas())
        QTest::newRow(tabDef(area).areaButton.toLatin1().constData()) << area;
}

void TestMainWindow::areaButtonAppendsItsBlock()
{
    QFETCH(Area, area);
    Editor e;
    e.showTab(area);
    QPushButton *button = e.form()->areaButton(area);
    e.window.options().setValue(Option::PageBackgroundColour, u"背景颜色#0A0B0C"_s);
    const Result<QStringList> block = generateArea(area, e.window.options());
    const QString path = codeFilePath(e.folder());
    QFile(path).open(QIODevice::WriteOnly); // an existing, empty code file
    e.prompts.answers = {false, true};

    click(button); // No
    click(button); // Yes
    QVERIFY(block.ok());
    QCOMPARE(readFile(path), encodeBlock(*block) + encodeBlock(*block));
    QCOMPARE(e.prompts.shown.size(), 2);
    for (const ShownPrompt &p : e.prompts.shown) {
        QCOMPARE(p.title, kConfirmTitle);
        QCOMPARE(p.text, kOpenCodeQuestion);
        QVERIFY(p.question);
    }
    QCOMPARE(e.desktop.openedFiles, QStringList{path});
}

void TestMainWindow::sizeThatIsNotANumberWritesNothing()
{
    Editor e;
    e.showTab(Area::Header);
    auto *size = e.field<QLineEdit>(Option::NameFontSize);
    QVERIFY(size);
    size->setText(u"大号"_s);
    click(e.form()->areaButton(Area::Header));
    QCOMPARE(e.prompts.shown.size(), 1);
    QCOMPARE(e.prompts.shown[0].title, kErrorTitle);
    QVERIFY(e.prompts.shown[0].text.contains(u"“大号”"));
    QVERIFY(!QFile::exists(codeFilePath(e.folder())));
    QVERIFY(e.desktop.openedFiles.isEmpty());
}

void TestMainWindow::lookAtCode()
{
    Editor e;
    click(e.window.button(WindowButton::LookAtCode));
    QCOMPARE(e.prompts.shown.size(), 1);
    QCOMPARE(e.prompts.shown[0].title, kErrorTitle);
    QCOMPARE(e.prompts.shown[0].text, kNoCodeMessage);
    QVERIFY(e.desktop.openedFiles.isEmpty());

    QFile(codeFilePath(e.folder())).open(QIODevice::WriteOnly);
    click(e.window.button(WindowButton::LookAtCode));
    QCOMPARE(e.prompts.shown.size(), 1);
    QCOMPARE(e.desktop.openedFiles, QStringList{codeFilePath(e.folder())});
}

void TestMainWindow::failuresAreToldAndTheWindowStaysUsable()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(u"a file"_s));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    const QString uncreatable = blocker.fileName() + u"/folder";
    Editor e(uncreatable);
    click(e.window.button(WindowButton::ReadSettings));
    click(e.window.button(WindowButton::SaveSettings));
    click(e.form()->areaButton(Area::Background));
    QCOMPARE(e.prompts.shown.size(), 3);
    QCOMPARE(e.prompts.shown[0].title, u"stylewright"_s);
    QCOMPARE(e.prompts.shown[0].text, u"找不到保存的数据，请确认是否保存！！"_s);
    QCOMPARE(e.prompts.shown[1].title, u"stylewright"_s);
    QVERIFY(e.prompts.shown[1].text.contains(uncreatable));
    QCOMPARE(e.prompts.shown[2].title, kErrorTitle);
    QVERIFY(e.prompts.shown[2].text != kNoCodeMessage);
    QVERIFY(e.desktop.openedFiles.isEmpty());
    // Still an editor: a click still reaches the options.
    QTest::mouseClick(e.field(Option::PagePictureOn), Qt::LeftButton);
    QVERIFY(e.field(Option::PagePicture)->isEnabled());
}

void TestMainWindow::toolButtonShowsAndHidesTheToolWindow()
{
    Editor e;
    auto *button = e.window.button(WindowButton::ToolWindow);
    SecondaryWindows &windows = e.window.secondaryWindows();
    QCOMPARE(button->text(), u"显示工具栏"_s);
    click(e.window.button(WindowButton::ToolWindow));
    QCOMPARE(button->text(), u"隐藏工具栏"_s);
    QVERIFY(windows.window(Secondary::Tool) && windows.window(Secondary::Tool)->isVisible());
    click(e.window.button(WindowButton::ToolWindow));
    QCOMPARE(button->text(), u"显示工具栏"_s);
    QTRY_VERIFY(!windows.window(Secondary::Tool));

    // Closed by other means: the next click only turns the caption back.
    click(e.window.button(WindowButton::ToolWindow));
    windows.window(Secondary::Tool)->close();
    QTRY_VERIFY(!windows.window(Secondary::Tool));
    QCOMPARE(button->text(), u"隐藏工具栏"_s);
    click(e.window.button(WindowButton::ToolWindow));
    QCOMPARE(button->text(), u"显示工具栏"_s);
    QVERIFY(!windows.window(Secondary::Tool));
    click(e.window.button(WindowButton::ToolWindow));
    QCOMPARE(button->text(), u"隐藏工具栏"_s);
    QVERIFY(windows.window(Secondary::Tool));
}

void TestMainWindow::secondaryWindowsOpenOnce()
{
    Editor e;
    SecondaryWindows &windows = e.window.secondaryWindows();
    for (const auto &[button, which] : windowButtons()) {
        click(e.window.button(button));
        QPointer<QWidget> first = windows.window(which);
        QVERIFY(first && first->isVisible());
        QCOMPARE(first->windowModality(), Qt::NonModal);
        const int topLevels = QApplication::topLevelWidgets().size();
        click(e.window.button(button));
        QCOMPARE(windows.window(which), first.data());
        QCOMPARE(QApplication::topLevelWidgets().size(), topLevels);
    }
    QVERIFY(e.field(Option::PagePictureOn)->isEnabled()); // the editor stays usable beside them
}

void TestMainWindow::buttonsBringBackAWindowMinimisedOnItsOwn()
{
    Editor e;
    SecondaryWindows &windows = e.window.secondaryWindows();
    for (const auto &[button, which] : windowButtons()) {
        click(e.window.button(button));
        QWidget *w = windows.window(which);
        w->setWindowState(Qt::WindowMaximized);
        w->setWindowState(w->windowState() | Qt::WindowMinimized);
        QVERIFY(w->isMinimized());
        e.window.activateWindow();
        QTRY_VERIFY(e.window.isActiveWindow());

        click(e.window.button(button));
        QCOMPARE(windows.window(which), w);
        QVERIFY(!w->isMinimized());
        QVERIFY(w->windowState() & Qt::WindowMaximized); // as it was before it was minimised
        QVERIFY(w->isVisible());
        QTRY_VERIFY(w->isActiveWindow());
    }
}

void TestMainWindow::minimisingCarriesTheToolWindows()
{
    Editor e;
    SecondaryWindows &windows = e.window.secondaryWindows();
    click(e.window.button(WindowButton::ToolWindow));
    click(e.window.button(WindowButton::HuePick));
    click(e.window.button(WindowButton::FetchSheet));
    windows.open(Secondary::Connect);
    const Secondary followers[] = {Secondary::Tool, Secondary::HuePick, Secondary::Fetcher};

    e.window.setWindowState(Qt::WindowMinimized);
    for (Secondary which : followers)
        QVERIFY(windows.window(which)->windowState() & Qt::WindowMinimized);
    QVERIFY(!(windows.window(Secondary::Connect)->windowState() & Qt::WindowMinimized));

    e.window.setWindowState(Qt::WindowNoState);
    for (Secondary which : followers)
        QCOMPARE(windows.window(which)->windowState(), Qt::WindowNoState);

    e.window.setWindowState(Qt::WindowMinimized);
    e.window.setWindowState(Qt::WindowMaximized);
    for (Secondary which : followers)
        QCOMPARE(windows.window(which)->windowState(), Qt::WindowNoState);
}

void TestMainWindow::windowsOpenedWhileMinimisedStartMinimised()
{
    Editor e;
    SecondaryWindows &windows = e.window.secondaryWindows();
    e.window.setWindowState(Qt::WindowMinimized);
    // A minimised window's buttons still answer assistive technology, as a screen reader presses them.
    for (WindowButton button : {WindowButton::ToolWindow, WindowButton::HuePick, WindowButton::FetchSheet}) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(e.window.button(button));
        QVERIFY(accessible && accessible->actionInterface());
        accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    windows.open(Secondary::Connect);
    for (Secondary which : {Secondary::Tool, Secondary::HuePick, Secondary::Fetcher}) {
        QTRY_VERIFY(windows.window(which)); // a pressed button clicks a moment later
        QVERIFY(windows.window(which)->windowState() & Qt::WindowMinimized);
    }
    QVERIFY(!(windows.window(Secondary::Connect)->windowState() & Qt::WindowMinimized));

    e.window.setWindowState(Qt::WindowNoState);
    for (Secondary which : {Secondary::Tool, Secondary::HuePick, Secondary::Fetcher})
        QCOMPARE(windows.window(which)->windowState(), Qt::WindowNoState);
}

void TestMainWindow::closingClosesEverythingInOrder()
{
    Editor e;
    SecondaryWindows &windows = e.window.secondaryWindows();
    CloseRecorder recorder;
    QList<QObject *> expected;
    for (Secondary which : {Secondary::Fetcher, Secondary::Tool, Secondary::Connect, Secondary::HuePick})
        windows.open(which);
    for (Secondary which : kAll) {
        windows.window(which)->installEventFilter(&recorder);
        expected.append(windows.window(which));
    }
    recorder.closed.clear();
    QSignalSpy ended(&e.window, &MainWindow::closed);

    QVERIFY(e.window.close());
    QCOMPARE(recorder.closed.mid(0, 4), expected);
    QCOMPARE(ended.size(), 1);
    QVERIFY(e.prompts.shown.isEmpty());
    QVERIFY(!QFile::exists(settingsPath(e.folder())));
    QTRY_VERIFY(!windows.window(Secondary::Connect) && !windows.window(Secondary::Fetcher));
}

void TestMainWindow::startsWithDesignValuesDespiteSavedSettings()
{
    QTemporaryDir dir;
    OptionSet saved;
    saved.setValue(Option::PagePictureOn, u"1"_s);
    saved.setValue(Option::HeaderHeight, u"123"_s);
    saved.setValue(Option::PetSize, u"200"_s);
    QVERIFY(saveSettings(settingsPath(dir.path()), saved));
    Editor e(dir.path());
    QCOMPARE(e.field<QLineEdit>(Option::HeaderHeight)->text(), u"300"_s);
    QVERIFY(!e.field(Option::PagePicture)->isEnabled());
    QCOMPARE(e.window.options().value(Option::PetSize), u"默认大小"_s);
    QVERIFY(!QFile::exists(codeFilePath(dir.path())));
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
