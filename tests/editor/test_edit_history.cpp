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

bool marked(Editor &e, Option option)
{
    e.field(option); // builds its tab
    return e.window.editSafety().marks().isMarked(option);
}

QString textOf(Editor &e, Option option)
{
    QWidget *w = e.field(option);
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
    typeInto(e, Option::HeaderHeight, u"12"_s);
    QCOMPARE(o.value(Option::HeaderHeight), u"30012"_s);
    QVERIFY(marked(e, Option::HeaderHeight));
    focusField(e, Option::NameTop);            // leaving the field ends the step
    typeInto(e, Option::HeaderHeight, u"3"_s); // a new step for the same field
    QCOMPARE(e.window.history().stack().count(), 2);

    undo(e);
    QCOMPARE(o.value(Option::HeaderHeight), u"30012"_s);
    undo(e);
    QCOMPARE(o.value(Option::HeaderHeight), u"300"_s);
    QCOMPARE(textOf(e, Option::HeaderHeight), u"300"_s);
    QVERIFY(!marked(e, Option::HeaderHeight));
    QVERIFY(!e.window.history().canUndo());
    redo(e);
    redo(e);
    QCOMPARE(textOf(e, Option::HeaderHeight), u"300123"_s);
    QVERIFY(marked(e, Option::HeaderHeight));

    // Typed and rubbed out again: no step is left behind.
    QWidget *keys = focusField(e, Option::NameTop);
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
    clickBox(e, Option::PagePictureOn);
    typeInto(e, Option::PagePicture, u"x"_s);
    focusField(e, Option::PageBackgroundColour);
    const RecordState typed = stateOf(o);
    clickBox(e, Option::PagePictureOn);
    QVERIFY(!e.field(Option::PagePicture)->isEnabled());
    const RecordState unticked = stateOf(o);

    undo(e); // the box ticked again gives back its fields with their texts
    QVERIFY(stateOf(o) == typed);
    QVERIFY(e.field(Option::PagePicture)->isEnabled());
    QVERIFY(e.field<QCheckBox>(Option::PagePictureOn)->isChecked());
    QVERIFY(textOf(e, Option::PagePicture).endsWith(u'x'));
    undo(e);
    undo(e);
    QVERIFY(stateOf(o) == start);
    QVERIFY(!e.field(Option::PagePicture)->isEnabled());
    QVERIFY(!marked(e, Option::PagePictureOn) && !marked(e, Option::PagePicture));
    for (int i = 0; i < 3; ++i)
        redo(e);
    QVERIFY(stateOf(o) == unticked);
    QVERIFY(!e.field(Option::PagePicture)->isEnabled());
    QVERIFY(marked(e, Option::PagePicture) && !marked(e, Option::PagePictureOn));

    // Transparency unticks and locks the body picture; undo gives both back.
    clickBox(e, Option::MainPictureOn);
    const RecordState withPicture = stateOf(o);
    clickBox(e, Option::MainTransparencyOn);
    QVERIFY(o.value(Option::MainPictureOn) == u"0" && !o.isEnabled(Option::MainPictureOn));
    undo(e);
    QVERIFY(stateOf(o) == withPicture);
    QVERIFY(e.field<QCheckBox>(Option::MainPictureOn)->isChecked() && e.field(Option::MainPictureOn)->isEnabled());
    QVERIFY(e.field(Option::MainPicture)->isEnabled() && !e.field(Option::MainTransparency)->isEnabled());
}

void TestEditHistory::eachChoiceFromTheListIsOneStep()
{
    Editor e;
    OptionSet &o = e.record;
    auto *combo = e.field<QComboBox>(Option::ColumnLayout);
    focusField(e, Option::ColumnLayout);
    QTest::keyClick(combo, Qt::Key_Up);
    const QString first = o.value(Option::ColumnLayout);
    QTest::keyClick(combo, Qt::Key_Up);
    QVERIFY(o.value(Option::ColumnLayout) != first);
    QCOMPARE(e.window.history().stack().count(), 2);
    typeInto(e, Option::ColumnLayout, u"ab"_s); // typed text in a choice field merges like any typing
    QCOMPARE(e.window.history().stack().count(), 3);
    undo(e);
    undo(e);
    QCOMPARE(o.value(Option::ColumnLayout), first);
    QVERIFY(o.isEnabled(Option::ColumnsTotalWidth)); // the width fields follow the layout back
    QVERIFY(marked(e, Option::ColumnLayout));
    undo(e);
    QCOMPARE(o.value(Option::ColumnLayout), u"默认分栏"_s);
    QVERIFY(!o.isEnabled(Option::ColumnsTotalWidth));
    QVERIFY(!marked(e, Option::ColumnLayout));
}

void TestEditHistory::readingSettingsIsOneStepAndUndoBringsBackTheEdits()
{
    Editor e;
    OptionSet &o = e.record;
    clickBox(e, Option::MainScrollOn);
    typeInto(e, Option::MainScrollTop, u"5"_s);
    QTest::mouseClick(e.window.button(WindowButton::SaveSettings), Qt::LeftButton);
    const RecordState saved = stateOf(o);
    clickBox(e, Option::MainScrollOn);
    clickBox(e, Option::PagePictureOn);
    typeInto(e, Option::HeaderHeight, u"7"_s);
    const RecordState afternoon = stateOf(o);
    const int steps = e.window.history().stack().count();

    QTest::mouseClick(e.window.button(WindowButton::ReadSettings), Qt::LeftButton);
    settle();
    QVERIFY(stateOf(o) == saved);
    QCOMPARE(e.window.history().stack().count(), steps + 1);
    QVERIFY(!marked(e, Option::HeaderHeight) && marked(e, Option::MainScrollTop));
    undo(e);
    QVERIFY(stateOf(o) == afternoon);
    QVERIFY(marked(e, Option::HeaderHeight) && marked(e, Option::PagePictureOn));
    redo(e);
    QVERIFY(stateOf(o) == saved);

    // A failed read changes nothing and leaves no step.
    QFile::remove(settingsPath(e.folder()));
    QTest::mouseClick(e.window.button(WindowButton::ReadSettings), Qt::LeftButton);
    settle();
    QCOMPARE(e.window.history().stack().count(), steps + 1);
}

void TestEditHistory::resetsAreOneStepEach()
{
    Editor e;
    OptionSet &o = e.record;
    EditSafety &safety = e.window.editSafety();
    clickBox(e, Option::PagePictureOn);
    typeInto(e, Option::PagePicture, u"x"_s);
    typeInto(e, Option::HeaderHeight, u"1"_s);
    focusField(e, Option::NameTop);
    const RecordState edited = stateOf(o);

    safety.resetField(Option::PagePictureOn);
    QCOMPARE(o.value(Option::PagePictureOn), u"0"_s);
    QVERIFY(!o.isEnabled(Option::PagePicture) && marked(e, Option::PagePicture) && !marked(e, Option::PagePictureOn));
    undo(e);
    QVERIFY(stateOf(o) == edited);

    safety.resetTab(Area::Background);
    QVERIFY(!marked(e, Option::PagePicture) && !marked(e, Option::PagePictureOn) && marked(e, Option::HeaderHeight));
    QCOMPARE(o.value(Option::HeaderHeight), u"3001"_s);
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
    QVERIFY(!marked(e, Option::HeaderHeight));
    undo(e);
    QVERIFY(stateOf(o) == edited);
    QVERIFY(marked(e, Option::HeaderHeight) && marked(e, Option::PagePicture));
}

void TestEditHistory::colourStepsPutThePaintBack()
{
    Editor e;
    OptionSet &o = e.record;
    e.showTabOf(Option::NameColour);
    auto *field = e.field<QLineEdit>(Option::NameColour);
    const QColor built = background(field);
    QGuiApplication::clipboard()->setText(u"字体颜色#010203"_s);
    e.colours.answers = {QColor(0x12, 0x34, 0x56)};
    QTest::mouseClick(field, Qt::LeftButton); // a double click's first press pastes
    QTest::mouseDClick(field, Qt::LeftButton);
    QCOMPARE(o.value(Option::NameColour), u"字体颜色#123456"_s);
    QCOMPARE(background(field), QColor(0x12, 0x34, 0x56));
    QVERIFY(marked(e, Option::NameColour)); // the mark shows on a painted field too

    undo(e); // the choice
    QCOMPARE(o.value(Option::NameColour), u"字体颜色#010203"_s);
    QCOMPARE(background(field), built);
    undo(e); // the paste
    QCOMPARE(o.value(Option::NameColour), u"字体颜色#5577ff"_s);
    QVERIFY(!marked(e, Option::NameColour));
    redo(e);
    redo(e);
    QCOMPARE(background(field), QColor(0x12, 0x34, 0x56));

    // Resetting the field takes its paint away too, and undo brings it back.
    e.window.editSafety().resetField(Option::NameColour);
    QCOMPARE(background(field), built);
    QVERIFY(!marked(e, Option::NameColour));
    undo(e);
    QCOMPARE(background(field), QColor(0x12, 0x34, 0x56));
}

void TestEditHistory::choosingTheColourAlreadyThereIsAStep()
{
    Editor e;
    e.showTabOf(Option::NameColour);
    auto *field = e.field<QLineEdit>(Option::NameColour);
    const QColor built = background(field);
    e.record.setValue(Option::NameColour, u"字体颜色#123456"_s);
    settle();
    const int steps = e.window.history().stack().count();
    // The first press of the double click pastes the same text: no change, no step.
    QGuiApplication::clipboard()->setText(u"字体颜色#123456"_s);
    e.colours.answers = {QColor(0x12, 0x34, 0x56)};
    QTest::mouseDClick(field, Qt::LeftButton);
    settle();
    QCOMPARE(e.record.value(Option::NameColour), u"字体颜色#123456"_s);
    QCOMPARE(background(field), QColor(0x12, 0x34, 0x56));
    QCOMPARE(e.window.history().stack().count(), steps + 1); // the paint alone is a step

    undo(e); // takes the paint away, and only the paint
    QCOMPARE(background(field), built);
    QCOMPARE(e.record.value(Option::NameColour), u"字体颜色#123456"_s);
    redo(e);
    QCOMPARE(background(field), QColor(0x12, 0x34, 0x56));
}

void TestEditHistory::aMirroredWidthIsOneStep()
{
    Editor e;
    OptionSet &o = e.record;
    clickBox(e, Option::BodyWidthOn);
    typeInto(e, Option::BodyWidth, u"0"_s);
    focusField(e, Option::PageBackgroundColour); // leaving the width copies it
    settle();
    QCOMPARE(o.value(Option::ColumnsTotalWidth), u"9800"_s);
    QCOMPARE(e.window.history().stack().count(), 3);
    undo(e);
    QCOMPARE(o.value(Option::ColumnsTotalWidth), u"980"_s);
    QCOMPARE(o.value(Option::BodyWidth), u"9800"_s);
    QVERIFY(!marked(e, Option::ColumnsTotalWidth));

    // An undo that greys the width field holding the focus copies nothing on the way.
    const RecordState before = stateOf(o);
    auto *layout = e.field<QComboBox>(Option::ColumnLayout);
    focusField(e, Option::ColumnLayout);
    QTest::keyClick(layout, Qt::Key_Up);
    QVERIFY(o.isEnabled(Option::ColumnsTotalWidth));
    QWidget *width = focusField(e, Option::ColumnsTotalWidth);
    QTest::keyClick(width, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(o.value(Option::ColumnLayout), u"默认分栏"_s);
    QCOMPARE(stateOf(o), before);
}

void TestEditHistory::keysUndoTheRecordInAFieldAndElsewhere()
{
    Editor e;
    OptionSet &o = e.record;
    clickBox(e, Option::NamePictureOn);
    QWidget *keys = focusField(e, Option::HeaderHeight);
    QTest::keyClicks(keys, u"5"_s);
    QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(o.value(Option::HeaderHeight), u"300"_s);
    QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier); // the field's own history has nothing of the box
    QCOMPARE(o.value(Option::NamePictureOn), u"0"_s);
    QTest::keyClick(keys, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(o.value(Option::NamePictureOn), u"1"_s);
    QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(o.value(Option::HeaderHeight), u"3005"_s);

    // With a check box in focus the window's keys do the same.
    QWidget *box = e.field(Option::NamePictureOn);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(o.value(Option::HeaderHeight), u"300"_s);
    QTest::keyClick(box, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(o.value(Option::HeaderHeight), u"3005"_s);

    // In a choice field the keys reach the box, which hands them on to its line edit.
    focusField(e, Option::ColumnLayout);
    QWidget *focused = QApplication::focusWidget();
    QTest::keyClick(focused, Qt::Key_End);
    QTest::keyClicks(focused, u"ab"_s);
    QCOMPARE(o.value(Option::ColumnLayout), u"默认分栏ab"_s);
    const int steps = e.window.history().stack().count();
    QTest::keyClick(focused, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(o.value(Option::ColumnLayout), u"默认分栏"_s);
    QCOMPARE(e.window.history().stack().count(), steps);
    QTest::keyClick(focused, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(o.value(Option::HeaderHeight), u"300"_s);
}

void TestEditHistory::menusAreChineseWithTheUsualEditActions()
{
    Editor e;
    auto *menus = e.window.findChild<FieldMenus *>();
    QVERIFY(menus);
    typeInto(e, Option::HeaderHeight, u"1"_s);
    auto texts = [](QMenu *menu) {
        QStringList all;
        for (QAction *action : menu->actions())
            all.append(action->isSeparator() ? u"-"_s : action->text());
        delete menu;
        return all;
    };
    const QStringList field = texts(menus->fieldMenu(Option::HeaderHeight, &e.window));
    QCOMPARE(field, (QStringList{kUndoCaption, kRedoCaption, u"-"_s, u"剪切(&T)"_s, u"复制(&C)"_s, u"粘贴(&P)"_s,
                                 u"删除(&D)"_s, u"-"_s, u"全选(&A)"_s, u"-"_s, kResetFieldCaption, kResetTabCaption,
                                 kResetAllCaption}));

    // The actions act: undo from the menu, then reset the field from it.
    QMenu *menu = menus->fieldMenu(Option::HeaderHeight, &e.window);
    QVERIFY(menu->actions()[0]->isEnabled() && !menu->actions()[1]->isEnabled());
    menu->actions()[0]->trigger();
    delete menu;
    QCOMPARE(e.record.value(Option::HeaderHeight), u"300"_s);
    e.record.setValue(Option::HeaderHeight, u"1"_s);
    menu = menus->fieldMenu(Option::HeaderHeight, &e.window);
    actionNamed(menu, kResetFieldCaption)->trigger();
    delete menu;
    QCOMPARE(e.record.value(Option::HeaderHeight), u"300"_s);

    // The tab bar's menu names the tab it resets.
    e.record.setValue(Option::PageBackgroundColour, u"x"_s);
    menu = menus->tabMenu(Area::Background, &e.window);
    actionNamed(menu, u"“1.整体背景”恢复默认值"_s)->trigger();
    delete menu;
    QCOMPARE(e.record.value(Option::PageBackgroundColour), u"背景颜色#000000"_s);
    QCOMPARE(e.window.tabs()->tabBar()->contextMenuPolicy(), Qt::CustomContextMenu);
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
    auto *tabs = e.window.tabs();
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
    o.setValue(Option::ExtrasFontSize, u"99"_s); // a field on a tab not yet built
    QVERIFY(!e.window.editSafety().marks().isMarked(Option::ExtrasFontSize));
    QVERIFY(marked(e, Option::ExtrasFontSize));
    QCOMPARE(e.field(Option::ExtrasFontSize)->accessibleDescription(), kChangedDescription);
    QVERIFY(!marked(e, Option::ExtrasColour));
    for (const OptionDef &def : options()) { // nothing else is marked, whatever the kind
        QVERIFY2(marked(e, def.option) == (def.option == Option::ExtrasFontSize), qPrintable(def.id.toString()));
        if (auto *combo = e.field<QComboBox>(def.option)) // and marking leaves a choice field's text in view
            QVERIFY2(!combo->lineEdit()->isHidden(), qPrintable(def.id.toString()));
    }

    QTest::mouseClick(e.window.button(WindowButton::SaveSettings), Qt::LeftButton);
    o.setValue(Option::ExtrasFontSize, u"14"_s);
    QVERIFY(!marked(e, Option::ExtrasFontSize));
    QTest::mouseClick(e.window.button(WindowButton::ReadSettings), Qt::LeftButton);
    QVERIFY(marked(e, Option::ExtrasFontSize));
    e.showTabOf(Option::ExtrasFontSize);
    QVERIFY(e.field(Option::ExtrasFontSize)->findChild<QWidget *>(u"changeMark"_s)->isVisible());
}

void TestEditHistory::otherCodeMakesOneStepOfAWholeOperation()
{
    Editor e;
    OptionSet &o = e.record;
    EditHistory &history = e.window.history();
    const RecordState start = stateOf(o);
    history.step(u"导入"_s, [&] {
        o.setValue(Option::PagePictureOn, u"1"_s);
        o.setValue(Option::PagePicture, u"a"_s);
        history.step(u"inner"_s, [&] { o.setValue(Option::HeaderHeight, u"1"_s); }); // joins the outer step
    });
    history.beginStep(u"导入"_s);
    o.setValue(Option::HeaderHeight, u"2"_s);
    settle(); // a step may span event-loop turns
    o.setValue(Option::NameTop, u"3"_s);
    history.endStep();
    QCOMPARE(history.stack().count(), 2);
    QCOMPARE(history.stack().text(0), u"导入"_s);

    // Changes made outside any step become one step of their own.
    o.setValue(Option::NameFontSize, u"1"_s);
    o.setValue(Option::NameFontSize, u"2"_s);
    settle();
    QCOMPARE(history.stack().count(), 3);
    undo(e);
    QCOMPARE(o.value(Option::NameFontSize), u"36"_s);
    undo(e);
    undo(e);
    QVERIFY(stateOf(o) == start);
    QVERIFY(!history.canUndo());
}

QTEST_MAIN(TestEditHistory)
#include "test_edit_history.moc"
