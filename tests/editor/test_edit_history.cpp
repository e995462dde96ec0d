// Undo and redo over the option record through the real window: what makes one step, how steps
// cross the dependency rules, resets, the keys and menus, and the marks on changed fields.

#include "editor/change_marks.h"
#include "editor/colour_fields.h"
#include "editor/edit_history.h"
#include "editor/edit_safety.h"
#include "editor/field_menus.h"
#include "history_helpers.h"
#include "options/settings_file.h"

#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QTabBar>
#include <QUndoStack>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

Option optionNamed(QStringView id)
{
    return *optionById(id);
}

bool marked(Editor &e, QStringView id)
{
    e.find(id); // builds its tab
    return e.window.editSafety().marks().isMarked(optionNamed(id));
}

QString textOf(Editor &e, QStringView id)
{
    QWidget *w = e.find(id);
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return combo->currentText();
    return static_cast<QLineEdit *>(w)->text();
}

void undo(Editor &e)
{
    e.window.history().undo();
}
void redo(Editor &e)
{
    e.window.history().redo();
}

// Lets a change made outside any step become its own step.
void settle()
{
    QCoreApplication::processEvents();
}

QAction *actionNamed(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

QColor background(QWidget *w)
{
    return w->palette().color(QPalette::Active, QPalette::Base);
}

} // namespace

class TestEditHistory : public QObject {
    Q_OBJECT
private slots:
    void typingIsOneStepUntilTheFieldIsLeft();
    void undoCrossesTheRules();
    void eachChoiceFromTheListIsOneStep();
    void readingSettingsIsOneStepAndUndoBringsBackTheEdits();
    void resetsAreOneStepEach();
    void colourStepsPutThePaintBack();
    void choosingTheColourAlreadyThereIsAStep();
    void aMirroredWidthIsOneStep();
    void keysUndoTheRecordInAFieldAndElsewhere();
    void menusAreChineseWithTheUsualEditActions();
    void aRightClickOnATabActsOnThatTab_data();
    void aRightClickOnATabActsOnThatTab();
    void marksFollowLazilyBuiltTabsAndLoading();
    void otherCodeMakesOneStepOfAWholeOperation();
};

void TestEditHistory::typingIsOneStepUntilTheFieldIsLeft()
{
    Editor e;
    OptionSet &o = e.record;
    typeInto(e, u"txtregh", u"12"_s);
    QCOMPARE(o.value("txtregh"), u"30012"_s);
    QVERIFY(marked(e, u"txtregh"));
    focusField(e, u"txtntop");       // leaving the field ends the step
    typeInto(e, u"txtregh", u"3"_s); // a new step for the same field
    QCOMPARE(e.window.history().stack().count(), 2);

    undo(e);
    QCOMPARE(o.value("txtregh"), u"30012"_s);
    undo(e);
    QCOMPARE(o.value("txtregh"), u"300"_s);
    QCOMPARE(textOf(e, u"txtregh"), u"300"_s);
    QVERIFY(!marked(e, u"txtregh"));
    QVERIFY(!e.window.history().canUndo());
    redo(e);
    redo(e);
    QCOMPARE(textOf(e, u"txtregh"), u"300123"_s);
    QVERIFY(marked(e, u"txtregh"));

    // Typed and rubbed out again: no step is left behind.
    QWidget *keys = focusField(e, u"txtntop");
    QTest::keyClick(keys, Qt::Key_End);
    QTest::keyClicks(keys, u"9"_s);
    QTest::keyClick(keys, Qt::Key_Backspace);
    QCOMPARE(e.window.history().stack().count(), 2);
    QCOMPARE(e.window.history().stack().index(), 2);
}

void TestEditHistory::undoCrossesTheRules()
{
    Editor e;
    OptionSet &o = e.record;
    const RecordState start = stateOf(o);
    clickBox(e, u"chcbg");
    typeInto(e, u"txtbgp", u"x"_s);
    focusField(e, u"txtbgc");
    const RecordState typed = stateOf(o);
    clickBox(e, u"chcbg");
    QVERIFY(!e.find(u"txtbgp")->isEnabled());
    const RecordState unticked = stateOf(o);

    undo(e); // the box ticked again gives back its fields with their texts
    QVERIFY(stateOf(o) == typed);
    QVERIFY(e.find(u"txtbgp")->isEnabled());
    QVERIFY(e.find<QCheckBox>(u"chcbg")->isChecked());
    QVERIFY(textOf(e, u"txtbgp").endsWith(u'x'));
    undo(e);
    undo(e);
    QVERIFY(stateOf(o) == start);
    QVERIFY(!e.find(u"txtbgp")->isEnabled());
    QVERIFY(!marked(e, u"chcbg") && !marked(e, u"txtbgp"));
    for (int i = 0; i < 3; ++i)
        redo(e);
    QVERIFY(stateOf(o) == unticked);
    QVERIFY(!e.find(u"txtbgp")->isEnabled());
    QVERIFY(marked(e, u"txtbgp") && !marked(e, u"chcbg"));

    // Transparency unticks and locks the body picture; undo gives both back.
    clickBox(e, u"chcdaob");
    const RecordState withPicture = stateOf(o);
    clickBox(e, u"chcbgst");
    QVERIFY(o.value("chcdaob") == u"0" && !o.isEnabled("chcdaob"));
    undo(e);
    QVERIFY(stateOf(o) == withPicture);
    QVERIFY(e.find<QCheckBox>(u"chcdaob")->isChecked() && e.find(u"chcdaob")->isEnabled());
    QVERIFY(e.find(u"txtdaob")->isEnabled() && !e.find(u"txtzttmd")->isEnabled());
}

void TestEditHistory::eachChoiceFromTheListIsOneStep()
{
    Editor e;
    OptionSet &o = e.record;
    auto *combo = e.find<QComboBox>(u"cmblan");
    focusField(e, u"cmblan");
    QTest::keyClick(combo, Qt::Key_Up);
    const QString first = o.value("cmblan");
    QTest::keyClick(combo, Qt::Key_Up);
    QVERIFY(o.value("cmblan") != first);
    QCOMPARE(e.window.history().stack().count(), 2);
    typeInto(e, u"cmblan", u"ab"_s); // typed text in a choice field merges like any typing
    QCOMPARE(e.window.history().stack().count(), 3);
    undo(e);
    undo(e);
    QCOMPARE(o.value("cmblan"), first);
    QVERIFY(o.isEnabled("txtzlan")); // the width fields follow the layout back
    QVERIFY(marked(e, u"cmblan"));
    undo(e);
    QCOMPARE(o.value("cmblan"), u"默认分栏"_s);
    QVERIFY(!o.isEnabled("txtzlan"));
    QVERIFY(!marked(e, u"cmblan"));
}

void TestEditHistory::readingSettingsIsOneStepAndUndoBringsBackTheEdits()
{
    Editor e;
    OptionSet &o = e.record;
    clickBox(e, u"chcgund");
    typeInto(e, u"txtsttop", u"5"_s);
    QTest::mouseClick(e.find(u"cmdsave"), Qt::LeftButton);
    const RecordState saved = stateOf(o);
    clickBox(e, u"chcgund");
    clickBox(e, u"chcbg");
    typeInto(e, u"txtregh", u"7"_s);
    const RecordState afternoon = stateOf(o);
    const int steps = e.window.history().stack().count();

    QTest::mouseClick(e.find(u"cmdread"), Qt::LeftButton);
    settle();
    QVERIFY(stateOf(o) == saved);
    QCOMPARE(e.window.history().stack().count(), steps + 1);
    QVERIFY(!marked(e, u"txtregh") && marked(e, u"txtsttop"));
    undo(e);
    QVERIFY(stateOf(o) == afternoon);
    QVERIFY(marked(e, u"txtregh") && marked(e, u"chcbg"));
    redo(e);
    QVERIFY(stateOf(o) == saved);

    // A failed read changes nothing and leaves no step.
    QFile::remove(settingsPath(e.folder()));
    QTest::mouseClick(e.find(u"cmdread"), Qt::LeftButton);
    settle();
    QCOMPARE(e.window.history().stack().count(), steps + 1);
}

void TestEditHistory::resetsAreOneStepEach()
{
    Editor e;
    OptionSet &o = e.record;
    EditSafety &safety = e.window.editSafety();
    clickBox(e, u"chcbg");
    typeInto(e, u"txtbgp", u"x"_s);
    typeInto(e, u"txtregh", u"1"_s);
    focusField(e, u"txtntop");
    const RecordState edited = stateOf(o);

    safety.resetField(optionNamed(u"chcbg"));
    QCOMPARE(o.value("chcbg"), u"0"_s);
    QVERIFY(!o.isEnabled("txtbgp") && marked(e, u"txtbgp") && !marked(e, u"chcbg"));
    undo(e);
    QVERIFY(stateOf(o) == edited);

    safety.resetTab(Area::Background);
    QVERIFY(!marked(e, u"txtbgp") && !marked(e, u"chcbg") && marked(e, u"txtregh"));
    QCOMPARE(o.value("txtregh"), u"3001"_s);
    undo(e);
    QVERIFY(stateOf(o) == edited);

    e.prompts.answers = {false, true};
    safety.resetAll(); // asked, and No
    QVERIFY(stateOf(o) == edited);
    QCOMPARE(e.prompts.shown.size(), 1);
    QCOMPARE(e.prompts.shown[0].title, kConfirmTitle);
    QCOMPARE(e.prompts.shown[0].text, kResetAllQuestion);
    safety.resetAll();
    QVERIFY(stateOf(o) == stateOf(OptionSet()));
    QVERIFY(!marked(e, u"txtregh"));
    undo(e);
    QVERIFY(stateOf(o) == edited);
    QVERIFY(marked(e, u"txtregh") && marked(e, u"txtbgp"));
}

void TestEditHistory::colourStepsPutThePaintBack()
{
    Editor e;
    OptionSet &o = e.record;
    e.showTabOf(u"txtnol");
    auto *field = e.find<QLineEdit>(u"txtnol");
    const QColor built = background(field);
    QGuiApplication::clipboard()->setText(u"字体颜色#010203"_s);
    e.colours.answers = {QColor(0x12, 0x34, 0x56)};
    QTest::mouseClick(field, Qt::LeftButton); // a double click's first press pastes
    QTest::mouseDClick(field, Qt::LeftButton);
    QCOMPARE(o.value("txtnol"), u"字体颜色#123456"_s);
    QCOMPARE(background(field), QColor(0x12, 0x34, 0x56));
    QVERIFY(marked(e, u"txtnol")); // the mark shows on a painted field too

    undo(e); // the choice
    QCOMPARE(o.value("txtnol"), u"字体颜色#010203"_s);
    QCOMPARE(background(field), built);
    undo(e); // the paste
    QCOMPARE(o.value("txtnol"), u"字体颜色#5577ff"_s);
    QVERIFY(!marked(e, u"txtnol"));
    redo(e);
    redo(e);
    QCOMPARE(background(field), QColor(0x12, 0x34, 0x56));

    // Resetting the field takes its paint away too, and undo brings it back.
    e.window.editSafety().resetField(optionNamed(u"txtnol"));
    QCOMPARE(background(field), built);
    QVERIFY(!marked(e, u"txtnol"));
    undo(e);
    QCOMPARE(background(field), QColor(0x12, 0x34, 0x56));
}

void TestEditHistory::choosingTheColourAlreadyThereIsAStep()
{
    Editor e;
    e.showTabOf(u"txtnol");
    auto *field = e.find<QLineEdit>(u"txtnol");
    const QColor built = background(field);
    e.record.setValue("txtnol", u"字体颜色#123456"_s);
    settle();
    const int steps = e.window.history().stack().count();
    // The first press of the double click pastes the same text: no change, no step.
    QGuiApplication::clipboard()->setText(u"字体颜色#123456"_s);
    e.colours.answers = {QColor(0x12, 0x34, 0x56)};
    QTest::mouseDClick(field, Qt::LeftButton);
    settle();
    QCOMPARE(e.record.value("txtnol"), u"字体颜色#123456"_s);
    QCOMPARE(background(field), QColor(0x12, 0x34, 0x56));
    QCOMPARE(e.window.history().stack().count(), steps + 1); // the paint alone is a step

    undo(e); // takes the paint away, and only the paint
    QCOMPARE(background(field), built);
    QCOMPARE(e.record.value("txtnol"), u"字体颜色#123456"_s);
    redo(e);
    QCOMPARE(background(field), QColor(0x12, 0x34, 0x56));
}

void TestEditHistory::aMirroredWidthIsOneStep()
{
    Editor e;
    OptionSet &o = e.record;
    clickBox(e, u"chckd");
    typeInto(e, u"txtkd", u"0"_s);
    focusField(e, u"txtbgc"); // leaving the width copies it
    settle();
    QCOMPARE(o.value("txtzlan"), u"9800"_s);
    QCOMPARE(e.window.history().stack().count(), 3);
    undo(e);
    QCOMPARE(o.value("txtzlan"), u"980"_s);
    QCOMPARE(o.value("txtkd"), u"9800"_s);
    QVERIFY(!marked(e, u"txtzlan"));

    // An undo that greys the width field holding the focus copies nothing on the way.
    const RecordState before = stateOf(o);
    auto *layout = e.find<QComboBox>(u"cmblan");
    focusField(e, u"cmblan");
    QTest::keyClick(layout, Qt::Key_Up);
    QVERIFY(o.isEnabled("txtzlan"));
    QWidget *width = focusField(e, u"txtzlan");
    QTest::keyClick(width, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(o.value("cmblan"), u"默认分栏"_s);
    QCOMPARE(stateOf(o), before);
}

void TestEditHistory::keysUndoTheRecordInAFieldAndElsewhere()
{
    Editor e;
    OptionSet &o = e.record;
    clickBox(e, u"chcmcbg");
    QWidget *keys = focusField(e, u"txtregh");
    QTest::keyClicks(keys, u"5"_s);
    QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(o.value("txtregh"), u"300"_s);
    QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier); // the field's own history has nothing of the box
    QCOMPARE(o.value("chcmcbg"), u"0"_s);
    QTest::keyClick(keys, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(o.value("chcmcbg"), u"1"_s);
    QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(o.value("txtregh"), u"3005"_s);

    // With a check box in focus the window's keys do the same.
    QWidget *box = e.find(u"chcmcbg");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(o.value("txtregh"), u"300"_s);
    QTest::keyClick(box, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(o.value("txtregh"), u"3005"_s);

    // In a choice field the keys reach the box, which hands them on to its line edit.
    focusField(e, u"cmblan");
    QWidget *focused = QApplication::focusWidget();
    QTest::keyClick(focused, Qt::Key_End);
    QTest::keyClicks(focused, u"ab"_s);
    QCOMPARE(o.value("cmblan"), u"默认分栏ab"_s);
    const int steps = e.window.history().stack().count();
    QTest::keyClick(focused, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(o.value("cmblan"), u"默认分栏"_s);
    QCOMPARE(e.window.history().stack().count(), steps);
    QTest::keyClick(focused, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(o.value("txtregh"), u"300"_s);
}

void TestEditHistory::menusAreChineseWithTheUsualEditActions()
{
    Editor e;
    auto *menus = e.window.findChild<FieldMenus *>();
    QVERIFY(menus);
    typeInto(e, u"txtregh", u"1"_s);
    auto texts = [](QMenu *menu) {
        QStringList all;
        for (QAction *action : menu->actions())
            all.append(action->isSeparator() ? u"-"_s : action->text());
        delete menu;
        return all;
    };
    const QStringList field = texts(menus->fieldMenu(optionNamed(u"txtregh"), &e.window));
    QCOMPARE(field, (QStringList{kUndoCaption, kRedoCaption, u"-"_s, u"剪切(&T)"_s, u"复制(&C)"_s, u"粘贴(&P)"_s,
                                 u"删除(&D)"_s, u"-"_s, u"全选(&A)"_s, u"-"_s, kResetFieldCaption, kResetTabCaption,
                                 kResetAllCaption}));

    // The actions act: undo from the menu, then reset the field from it.
    QMenu *menu = menus->fieldMenu(optionNamed(u"txtregh"), &e.window);
    QVERIFY(menu->actions()[0]->isEnabled() && !menu->actions()[1]->isEnabled());
    menu->actions()[0]->trigger();
    delete menu;
    QCOMPARE(e.record.value("txtregh"), u"300"_s);
    e.record.setValue("txtregh", u"1"_s);
    menu = menus->fieldMenu(optionNamed(u"txtregh"), &e.window);
    actionNamed(menu, kResetFieldCaption)->trigger();
    delete menu;
    QCOMPARE(e.record.value("txtregh"), u"300"_s);

    // The tab bar's menu names the tab it resets.
    e.record.setValue("txtbgc", u"x"_s);
    menu = menus->tabMenu(Area::Background, &e.window);
    actionNamed(menu, u"“1.整体背景”恢复默认值"_s)->trigger();
    delete menu;
    QCOMPARE(e.record.value("txtbgc"), u"背景颜色#000000"_s);
    QCOMPARE(e.find<QTabWidget>(u"SSTab1")->tabBar()->contextMenuPolicy(), Qt::CustomContextMenu);
}

void TestEditHistory::aRightClickOnATabActsOnThatTab_data()
{
    QTest::addColumn<int>("clicked");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("named");
    QTest::newRow("first tab, another shown") << 0 << 3 << 0;
    QTest::newRow("last tab, first shown") << kTabCount - 1 << 0 << kTabCount - 1;
    QTest::newRow("the tab shown") << 3 << 3 << 3;
}

void TestEditHistory::aRightClickOnATabActsOnThatTab()
{
    QFETCH(int, clicked);
    QFETCH(int, shown);
    QFETCH(int, named);
    Editor e;
    e.showTab(Area(shown));
    auto *tabs = e.find<QTabWidget>(u"SSTab1");
    QTabBar *bar = tabs->tabBar();
    const QPoint at = bar->tabRect(clicked).center();
    QCOMPARE(bar->tabAt(at), clicked);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, bar->mapToGlobal(at));
    QApplication::sendEvent(bar, &click);
    QMenu *menu = nullptr;
    QTRY_VERIFY((menu = bar->findChild<QMenu *>(u"tabMenu"_s)) && menu->isVisible());
    QVERIFY(actionNamed(menu, u"“%1”恢复默认值"_s.arg(tabs->tabText(named))));
    menu->close();
}

void TestEditHistory::marksFollowLazilyBuiltTabsAndLoading()
{
    Editor e;
    OptionSet &o = e.record;
    QVERIFY(!e.form()->isBuilt(Area::Extras));
    o.setValue("txtxtzt", u"99"_s); // a field on a tab not yet built
    QVERIFY(!e.window.editSafety().marks().isMarked(optionNamed(u"txtxtzt")));
    QVERIFY(marked(e, u"txtxtzt"));
    QCOMPARE(e.find(u"txtxtzt")->accessibleDescription(), kChangedDescription);
    QVERIFY(!marked(e, u"txtxtzc"));
    for (const OptionDef &def : options()) { // nothing else is marked, whatever the kind
        QVERIFY2(marked(e, def.id) == (def.option == optionNamed(u"txtxtzt")), qPrintable(def.id.toString()));
        if (auto *combo = e.find<QComboBox>(def.id)) // and marking leaves a choice field's text in view
            QVERIFY2(!combo->lineEdit()->isHidden(), qPrintable(def.id.toString()));
    }

    QTest::mouseClick(e.find(u"cmdsave"), Qt::LeftButton);
    o.setValue("txtxtzt", u"14"_s);
    QVERIFY(!marked(e, u"txtxtzt"));
    QTest::mouseClick(e.find(u"cmdread"), Qt::LeftButton);
    QVERIFY(marked(e, u"txtxtzt"));
    e.showTabOf(u"txtxtzt");
    QVERIFY(e.find(u"txtxtzt")->findChild<QWidget *>(u"changeMark"_s)->isVisible());
}

void TestEditHistory::otherCodeMakesOneStepOfAWholeOperation()
{
    Editor e;
    OptionSet &o = e.record;
    EditHistory &history = e.window.history();
    const RecordState start = stateOf(o);
    history.step(u"导入"_s, [&] {
        o.setValue("chcbg", u"1"_s);
        o.setValue("txtbgp", u"a"_s);
        history.step(u"inner"_s, [&] { o.setValue("txtregh", u"1"_s); }); // joins the outer step
    });
    history.beginStep(u"导入"_s);
    o.setValue("txtregh", u"2"_s);
    settle(); // a step may span event-loop turns
    o.setValue("txtntop", u"3"_s);
    history.endStep();
    QCOMPARE(history.stack().count(), 2);
    QCOMPARE(history.stack().text(0), u"导入"_s);

    // Changes made outside any step become one step of their own.
    o.setValue("txtnfz", u"1"_s);
    o.setValue("txtnfz", u"2"_s);
    settle();
    QCOMPARE(history.stack().count(), 3);
    undo(e);
    QCOMPARE(o.value("txtnfz"), u"36"_s);
    undo(e);
    undo(e);
    QVERIFY(stateOf(o) == start);
    QVERIFY(!history.canUndo());
}

QTEST_MAIN(TestEditHistory)
#include "test_edit_history.moc"
