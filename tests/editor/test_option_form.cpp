#include "options/form_layout.h"
#include "editor_fixture.h"
#include "options/option_set.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

struct Shown {
    QString value;
    bool enabled = false;
    bool operator==(const Shown &) const = default;
};

Shown shown(QWidget *w)
{
    if (auto *box = qobject_cast<QCheckBox *>(w))
        return {QString::number(box->checkState() == Qt::Checked ? 1 : 0), box->isEnabled()};
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return {combo->currentText(), combo->isEnabled()};
    return {static_cast<QLineEdit *>(w)->text(), w->isEnabled()};
}

QList<Shown> everyWidget(Editor &e)
{
    QList<Shown> all;
    for (const OptionDef &def : options())
        all.append(shown(e.field(def.option)));
    return all;
}

void typeInto(Editor &e, Option option, const QString &text)
{
    e.showTabOf(option);
    QWidget *w = e.field(option);
    QWidget *edit = qobject_cast<QComboBox *>(w) ? static_cast<QComboBox *>(w)->lineEdit() : w;
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    for (QChar c : text) // one key per character, Chinese ones included
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void click(Editor &e, Option option)
{
    e.showTabOf(option);
    QTest::mouseClick(e.field(option), Qt::LeftButton);
}

} // namespace

class TestOptionForm : public QObject {
    Q_OBJECT
private slots:
    void widgetsFollowTheCatalogue();
    void framesTabsAndButtons();
    void labelsOnTheirTab();
    void editsReachTheRecord_data();
    void editsReachTheRecord();
    void enterKeepsTheChoiceList_data();
    void enterKeepsTheChoiceList();
    void recordChangesShowInWidgets();
    void greyedCheckBox();
    void saveChangeLoadRestoresEveryWidget();
};

void TestOptionForm::widgetsFollowTheCatalogue()
{
    Editor e;
    for (const OptionDef &def : options()) {
        const QString id = def.id.toString();
        QWidget *w = e.field(def.option);
        QVERIFY2(w, qPrintable(id));
        QCOMPARE(w->objectName(), id); // the legacy identifier names the widget
        QVERIFY2(w->parentWidget()->objectName() == tabDef(def.area).frame ||
                     w->parentWidget()->parentWidget()->objectName() == tabDef(def.area).frame,
                 qPrintable(id));
        QCOMPARE(shown(w), (Shown{def.defaultValue.toString(), def.startEnabled}));
        QCOMPARE(w->toolTip(), def.tooltip.toString());
        if (def.kind == OptionKind::Check) {
            QCOMPARE(static_cast<QCheckBox *>(w)->text(), def.caption.toString());
            continue;
        }
        QCOMPARE(w->palette().color(QPalette::Active, QPalette::Base), QColor(192, 192, 255));
        if (def.kind == OptionKind::Choice) {
            auto *combo = qobject_cast<QComboBox *>(w);
            QVERIFY2(combo && combo->isEditable(), qPrintable(id));
            QStringList items;
            for (int i = 0; i < combo->count(); ++i)
                items << combo->itemText(i);
            QCOMPARE(items, listItems(def));
        } else {
            QVERIFY2(qobject_cast<QLineEdit *>(w), qPrintable(id));
        }
    }
}

void TestOptionForm::framesTabsAndButtons()
{
    Editor e;
    QCOMPARE(e.window.windowTitle(), u"stylewright正式版 09.01.12 --------------打造个性化墨檐空间"_s);
    auto *tabWidget = e.window.tabs();
    QCOMPARE(tabWidget->count(), kTabCount);
    QCOMPARE(tabWidget->currentIndex(), 0);
    const QTabBar *bar = tabWidget->tabBar();
    for (int tab = 0; tab < kTabCount; ++tab) {
        const TabDef &def = tabs()[tab];
        QCOMPARE(tabWidget->tabText(tab), def.caption.toString());
        // One row, every tab whole and in view.
        QCOMPARE(bar->tabRect(tab).top(), bar->tabRect(0).top());
        QVERIFY(bar->rect().contains(bar->tabRect(tab)));
        QWidget *frame = tabWidget->widget(tab);
        QCOMPARE(frame->objectName(), def.frame.toString());
        QVERIFY(frame->autoFillBackground());
        QCOMPARE(frame->palette().color(QPalette::Window), QColor(128, 255, 128));
        e.form()->buildTab(Area(tab));
        QPushButton *button = e.form()->areaButton(Area(tab));
        QVERIFY(button && frame->isAncestorOf(button));
        QCOMPARE(button->objectName(), def.areaButton.toString());
        QCOMPARE(button->text(), u"显示代码"_s);
    }
    // Its "显示代码" button sits at the top right of the first frame, above every field.
    e.showTab(Area::Background);
    QWidget *frame = tabWidget->widget(0);
    const QRect button = e.form()->areaButton(Area::Background)->geometry();
    QVERIFY(button.right() > frame->width() * 3 / 4);
    for (QWidget *field : frame->findChildren<QLineEdit *>())
        QVERIFY(field->mapTo(frame, QPoint(0, 0)).y() >= button.bottom());

    const QList<WindowButton> buttons{WindowButton::ReadSettings, WindowButton::SaveSettings, WindowButton::HuePick,
                                      WindowButton::LookAtCode,   WindowButton::FetchSheet,   WindowButton::ToolWindow};
    const QStringList captions{u"读取数据"_s,    u"保存设置"_s,    u"取色工具"_s,
                               u"查看CSS代码"_s, u"获取空间CSS"_s, u"显示工具栏"_s};
    int left = -1;
    for (int i = 0; i < buttons.size(); ++i) {
        QPushButton *b = e.window.button(buttons[i]);
        QCOMPARE(b->text(), captions[i]);
        const QPoint at = b->mapTo(&e.window, QPoint(0, 0));
        QVERIFY(at.x() > left);
        QVERIFY(at.y() > tabWidget->geometry().bottom() - 2);
        left = at.x();
    }
    QVERIFY(e.window.width() >= 721 && e.window.height() >= 508);
}

void TestOptionForm::labelsOnTheirTab()
{
    Editor e;
    auto *tabWidget = e.window.tabs();
    for (int tab = 0; tab < kTabCount; ++tab) {
        e.showTab(Area(tab));
        QStringList captions;
        for (QLabel *label : tabWidget->widget(tab)->findChildren<QLabel *>())
            captions << label->text();
        for (QGroupBox *box : tabWidget->widget(tab)->findChildren<QGroupBox *>())
            captions << box->title();
        for (const OptionDef &def : options()) {
            if (def.area != Area(tab))
                continue;
            QVERIFY(def.group.isEmpty() || captions.contains(def.group.toString()));
            for (const QString &word : labelCaptions(def))
                QVERIFY2(captions.contains(word), qPrintable(word));
        }
    }
}

void TestOptionForm::editsReachTheRecord_data()
{
    QTest::addColumn<Option>("option");
    QTest::addColumn<QString>("typed"); // empty: a click
    QTest::addColumn<QString>("value");
    QTest::addColumn<Option>("follower");
    QTest::addColumn<bool>("followerEnabled");
    QTest::newRow("check box enables its picture")
        << Option::PagePictureOn << QString() << u"1"_s << Option::PagePicturePosition << true;
    QTest::newRow("transparency disables the body picture")
        << Option::MainTransparencyOn << QString() << u"1"_s << Option::MainPictureOn << false;
    QTest::newRow("array element") << Option::HeaderRightPictureOn << QString() << u"1"_s
                                   << Option::HeaderRightPicturePosition << true;
    QTest::newRow("typed effect") << Option::ArticleTextEffect << u"发光效果"_s << u"发光效果"_s
                                  << Option::ArticleTextEffectColour << true;
    QTest::newRow("typed column layout") << Option::ColumnLayout << u"分三栏"_s << u"分三栏"_s
                                         << Option::SecondColumnWidth << true;
    QTest::newRow("unknown layout changes nothing")
        << Option::ColumnLayout << u"四栏"_s << u"四栏"_s << Option::FirstColumnWidth << false;
    QTest::newRow("a prefix of items stays as typed")
        << Option::HeaderMiddlePicturePosition << u"center"_s << u"center"_s << Option::HeaderMiddlePicture << true;
    QTest::newRow("text field") << Option::HeaderHeight << u"12.5"_s << u"12.5"_s << Option::HeaderColour << true;
}

void TestOptionForm::editsReachTheRecord()
{
    QFETCH(Option, option);
    QFETCH(QString, typed);
    QFETCH(QString, value);
    QFETCH(Option, follower);
    QFETCH(bool, followerEnabled);
    Editor e;
    if (typed.isEmpty())
        click(e, option);
    else
        typeInto(e, option, typed);
    QCOMPARE(e.window.options().value(option), value);
    QCOMPARE(e.window.options().isEnabled(follower), followerEnabled);
    QCOMPARE(e.field(follower)->isEnabled(), followerEnabled);
}

void TestOptionForm::enterKeepsTheChoiceList_data()
{
    QTest::addColumn<Option>("option");
    QTest::addColumn<QString>("typed");
    QTest::newRow("text of no item") << Option::ColumnLayout << u"四栏"_s;
    QTest::newRow("a position in pixels") << Option::HeaderMiddlePicturePosition << u"20px 30px"_s;
    QTest::newRow("an item itself") << Option::HeaderMiddlePicturePosition << u"top left"_s;
    QTest::newRow("a font the list lacks") << Option::NameFont << u"微软雅黑"_s;
}

void TestOptionForm::enterKeepsTheChoiceList()
{
    QFETCH(Option, option);
    QFETCH(QString, typed);
    Editor e;
    auto *combo = e.field<QComboBox>(option);
    QVERIFY(combo->isEnabled());
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    typeInto(e, option, typed);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Enter, Qt::KeypadModifier);
    QStringList after;
    for (int i = 0; i < combo->count(); ++i)
        after << combo->itemText(i);
    QCOMPARE(after, items); // the list is the catalogue's, whatever is typed
    QCOMPARE(e.window.options().value(option), typed);
    QCOMPARE(combo->currentText(), typed);
}

void TestOptionForm::recordChangesShowInWidgets()
{
    Editor e;
    OptionSet &o = e.window.options();
    o.setValue(Option::PagePicturePosition, u"bottom center "_s);
    o.setValue(Option::Cursor, u"crosshair"_s);
    o.setValue(Option::MainAlignment, u"20px"_s);
    o.setValue(Option::BodyWidthOn, u"1"_s);
    o.setValue(Option::HeaderHeight, u"abc"_s);
    QCOMPARE(e.field<QComboBox>(Option::PagePicturePosition)->currentText(), u"bottom center "_s);
    QCOMPARE(e.field<QComboBox>(Option::PagePicturePosition)->currentIndex(), 7);
    QCOMPARE(e.field<QComboBox>(Option::Cursor)->currentText(), u"crosshair"_s);
    QCOMPARE(e.field<QComboBox>(Option::MainAlignment)->currentText(), u"20px"_s);
    QVERIFY(e.field<QCheckBox>(Option::BodyWidthOn)->isChecked());
    QVERIFY(e.field(Option::BodyWidth)->isEnabled());
    QCOMPARE(e.field<QLineEdit>(Option::HeaderHeight)->text(), u"abc"_s);
    // What the record did not change stays as it was.
    QCOMPARE(o.value(Option::BodyWidth), u"980"_s);
}

void TestOptionForm::greyedCheckBox()
{
    Editor e;
    OptionSet &o = e.window.options();
    auto *box = e.field<QCheckBox>(Option::PagePictureOn);
    o.setValue(Option::PagePictureOn, u"1"_s);
    o.setValue(Option::PagePictureOn, u"2"_s);
    QCOMPARE(box->checkState(), Qt::PartiallyChecked);
    QCOMPARE(o.value(Option::PagePictureOn), u"2"_s);
    QVERIFY(e.field(Option::PagePicture)->isEnabled()); // the greyed state leaves the picture fields as they were

    // A click leaves the greyed state for good: checked, then the two states only.
    const QStringList afterClicks{u"1"_s, u"0"_s, u"1"_s};
    for (const QString &value : afterClicks) {
        click(e, Option::PagePictureOn);
        QCOMPARE(o.value(Option::PagePictureOn), value);
        QCOMPARE(box->checkState(), value == u"1" ? Qt::Checked : Qt::Unchecked);
    }
    // So does a change of the record.
    o.setValue(Option::PagePictureOn, u"2"_s);
    o.setValue(Option::PagePictureOn, u"0"_s);
    QCOMPARE(box->checkState(), Qt::Unchecked);
    QVERIFY(!e.field(Option::PagePicture)->isEnabled());
    click(e, Option::PagePictureOn);
    QCOMPARE(o.value(Option::PagePictureOn), u"1"_s);
    QCOMPARE(box->checkState(), Qt::Checked);
}

void TestOptionForm::saveChangeLoadRestoresEveryWidget()
{
    Editor e;
    click(e, Option::PagePictureOn);
    click(e, Option::MainScrollOn);
    click(e, Option::HeaderLeftPictureOn);
    click(e, Option::HeaderMiddlePictureOn);
    click(e, Option::AlbumBarPictureOn);
    typeInto(e, Option::MainScrollTop, u"7"_s);
    typeInto(e, Option::ColumnLayout, u"分两栏"_s);
    typeInto(e, Option::IntroEffect, u"阴影效果"_s);
    typeInto(e, Option::ArticleTextColour, u"字体颜色#123456"_s);
    click(e, Option::MainTransparencyOn);
    QTest::mouseClick(e.window.button(WindowButton::SaveSettings), Qt::LeftButton);
    QVERIFY(e.prompts.shown.isEmpty());
    const QList<Shown> saved = everyWidget(e);

    click(e, Option::MainTransparencyOn);
    click(e, Option::MainPictureOn);
    click(e, Option::PagePictureOn);
    click(e, Option::HeaderRightPictureOn);
    click(e, Option::AlbumBarPictureOn);
    click(e, Option::NavigationHideDividers);
    typeInto(e, Option::ColumnLayout, u"默认分栏"_s);
    typeInto(e, Option::IntroEffect, u"无效果"_s);
    typeInto(e, Option::NameFontSize, u"40"_s);
    QVERIFY(everyWidget(e) != saved);

    QTest::mouseClick(e.window.button(WindowButton::ReadSettings), Qt::LeftButton);
    QVERIFY(e.prompts.shown.isEmpty());
    const QList<Shown> loaded = everyWidget(e);
    for (int row = 0; row < kOptionCount; ++row)
        QVERIFY2(loaded[row] == saved[row], qPrintable(options()[row].id.toString()));
}

QTEST_MAIN(TestOptionForm)
#include "test_option_form.moc"
