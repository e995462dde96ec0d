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
        all.append(shown(e.find(def.id)));
    return all;
}

void typeInto(Editor &e, QStringView id, const QString &text)
{
    e.showTabOf(id);
    QWidget *w = e.find(id);
    QWidget *edit = qobject_cast<QComboBox *>(w) ? static_cast<QComboBox *>(w)->lineEdit() : w;
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    for (QChar c : text) // one key per character, Chinese ones included
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void click(Editor &e, QStringView id)
{
    e.showTabOf(id);
    QTest::mouseClick(e.find(id), Qt::LeftButton);
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
        QWidget *w = e.find(id);
        QVERIFY2(w, qPrintable(id));
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
    auto *tabWidget = e.find<QTabWidget>(u"SSTab1");
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
        auto *button = frame->findChild<QPushButton *>(def.areaButton.toString());
        QVERIFY(button);
        QCOMPARE(button->text(), u"显示代码"_s);
    }
    // Its "显示代码" button sits at the top right of the first frame, above every field.
    e.showTab(Area::Background);
    QWidget *frame = tabWidget->widget(0);
    const QRect button = frame->findChild<QPushButton *>(u"cmdbg"_s)->geometry();
    QVERIFY(button.right() > frame->width() * 3 / 4);
    for (QWidget *field : frame->findChildren<QLineEdit *>())
        QVERIFY(field->mapTo(frame, QPoint(0, 0)).y() >= button.bottom());

    const QStringList names{u"cmdread"_s, u"cmdsave"_s, u"cmdhuepick"_s, u"cmdlook"_s, u"cmdget"_s, u"cmdtool"_s};
    const QStringList captions{u"读取数据"_s,    u"保存设置"_s,    u"取色工具"_s,
                               u"查看CSS代码"_s, u"获取空间CSS"_s, u"显示工具栏"_s};
    int left = -1;
    for (int i = 0; i < names.size(); ++i) {
        auto *b = e.find<QPushButton>(names[i]);
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
    auto *tabWidget = e.find<QTabWidget>(u"SSTab1");
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
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("typed"); // empty: a click
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("follower");
    QTest::addColumn<bool>("followerEnabled");
    QTest::newRow("check box enables its picture") << u"chcbg"_s << QString() << u"1"_s << u"cmbbdbg"_s << true;
    QTest::newRow("transparency disables the body picture")
        << u"chcbgst"_s << QString() << u"1"_s << u"chcdaob"_s << false;
    QTest::newRow("array element") << u"chcmrl(2)"_s << QString() << u"1"_s << u"cmbmrlp(2)"_s << true;
    QTest::newRow("typed effect") << u"cmbblogcnt"_s << u"发光效果"_s << u"发光效果"_s << u"txtblogcntc"_s << true;
    QTest::newRow("typed column layout") << u"cmblan"_s << u"分三栏"_s << u"分三栏"_s << u"txtlans"_s << true;
    QTest::newRow("unknown layout changes nothing") << u"cmblan"_s << u"四栏"_s << u"四栏"_s << u"txtlanf"_s << false;
    QTest::newRow("a prefix of items stays as typed")
        << u"cmbmrlp(0)"_s << u"center"_s << u"center"_s << u"txtmrl(0)"_s << true;
    QTest::newRow("text field") << u"txtregh"_s << u"12.5"_s << u"12.5"_s << u"txtnc"_s << true;
}

void TestOptionForm::editsReachTheRecord()
{
    QFETCH(QString, id);
    QFETCH(QString, typed);
    QFETCH(QString, value);
    QFETCH(QString, follower);
    QFETCH(bool, followerEnabled);
    Editor e;
    if (typed.isEmpty())
        click(e, id);
    else
        typeInto(e, id, typed);
    QCOMPARE(e.window.options().value(id), value);
    QCOMPARE(e.window.options().isEnabled(follower), followerEnabled);
    QCOMPARE(e.find(follower)->isEnabled(), followerEnabled);
}

void TestOptionForm::enterKeepsTheChoiceList_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("typed");
    QTest::newRow("text of no item") << u"cmblan"_s << u"四栏"_s;
    QTest::newRow("a position in pixels") << u"cmbmrlp(0)"_s << u"20px 30px"_s;
    QTest::newRow("an item itself") << u"cmbmrlp(0)"_s << u"top left"_s;
    QTest::newRow("a font the list lacks") << u"cmbnf"_s << u"微软雅黑"_s;
}

void TestOptionForm::enterKeepsTheChoiceList()
{
    QFETCH(QString, id);
    QFETCH(QString, typed);
    Editor e;
    auto *combo = e.find<QComboBox>(id);
    QVERIFY(combo->isEnabled());
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    typeInto(e, id, typed);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Enter, Qt::KeypadModifier);
    QStringList after;
    for (int i = 0; i < combo->count(); ++i)
        after << combo->itemText(i);
    QCOMPARE(after, items); // the list is the catalogue's, whatever is typed
    QCOMPARE(e.window.options().value(id), typed);
    QCOMPARE(combo->currentText(), typed);
}

void TestOptionForm::recordChangesShowInWidgets()
{
    Editor e;
    OptionSet &o = e.window.options();
    o.setValue("cmbbdbg", u"bottom center "_s);
    o.setValue("txtbgm", u"crosshair"_s);
    o.setValue("cmbztwz", u"20px"_s);
    o.setValue("chckd", u"1"_s);
    o.setValue("txtregh", u"abc"_s);
    QCOMPARE(e.find<QComboBox>(u"cmbbdbg")->currentText(), u"bottom center "_s);
    QCOMPARE(e.find<QComboBox>(u"cmbbdbg")->currentIndex(), 7);
    QCOMPARE(e.find<QComboBox>(u"txtbgm")->currentText(), u"crosshair"_s);
    QCOMPARE(e.find<QComboBox>(u"cmbztwz")->currentText(), u"20px"_s);
    QVERIFY(e.find<QCheckBox>(u"chckd")->isChecked());
    QVERIFY(e.find(u"txtkd")->isEnabled());
    QCOMPARE(e.find<QLineEdit>(u"txtregh")->text(), u"abc"_s);
    // What the record did not change stays as it was.
    QCOMPARE(o.value("txtkd"), u"980"_s);
}

void TestOptionForm::greyedCheckBox()
{
    Editor e;
    OptionSet &o = e.window.options();
    auto *box = e.find<QCheckBox>(u"chcbg");
    o.setValue("chcbg", u"1"_s);
    o.setValue("chcbg", u"2"_s);
    QCOMPARE(box->checkState(), Qt::PartiallyChecked);
    QCOMPARE(o.value("chcbg"), u"2"_s);
    QVERIFY(e.find(u"txtbgp")->isEnabled()); // the greyed state leaves the picture fields as they were

    // A click leaves the greyed state for good: checked, then the two states only.
    const QStringList afterClicks{u"1"_s, u"0"_s, u"1"_s};
    for (const QString &value : afterClicks) {
        click(e, u"chcbg");
        QCOMPARE(o.value("chcbg"), value);
        QCOMPARE(box->checkState(), value == u"1" ? Qt::Checked : Qt::Unchecked);
    }
    // So does a change of the record.
    o.setValue("chcbg", u"2"_s);
    o.setValue("chcbg", u"0"_s);
    QCOMPARE(box->checkState(), Qt::Unchecked);
    QVERIFY(!e.find(u"txtbgp")->isEnabled());
    click(e, u"chcbg");
    QCOMPARE(o.value("chcbg"), u"1"_s);
    QCOMPARE(box->checkState(), Qt::Checked);
}

void TestOptionForm::saveChangeLoadRestoresEveryWidget()
{
    Editor e;
    click(e, u"chcbg");
    click(e, u"chcgund");
    click(e, u"chcmrl(1)");
    click(e, u"chcmrl(0)");
    click(e, u"chcxcjj");
    typeInto(e, u"txtsttop", u"7"_s);
    typeInto(e, u"cmblan", u"分两栏"_s);
    typeInto(e, u"cmbmjxg(1)", u"阴影效果"_s);
    typeInto(e, u"txtwznrc", u"字体颜色#123456"_s);
    click(e, u"chcbgst");
    QTest::mouseClick(e.find(u"cmdsave"), Qt::LeftButton);
    QVERIFY(e.prompts.shown.isEmpty());
    const QList<Shown> saved = everyWidget(e);

    click(e, u"chcbgst");
    click(e, u"chcdaob");
    click(e, u"chcbg");
    click(e, u"chcmrl(2)");
    click(e, u"chcxcjj");
    click(e, u"chcqxdhx");
    typeInto(e, u"cmblan", u"默认分栏"_s);
    typeInto(e, u"cmbmjxg(1)", u"无效果"_s);
    typeInto(e, u"txtnfz", u"40"_s);
    QVERIFY(everyWidget(e) != saved);

    QTest::mouseClick(e.find(u"cmdread"), Qt::LeftButton);
    QVERIFY(e.prompts.shown.isEmpty());
    const QList<Shown> loaded = everyWidget(e);
    for (int row = 0; row < kOptionCount; ++row)
        QVERIFY2(loaded[row] == saved[row], qPrintable(options()[row].id.toString()));
}

QTEST_MAIN(TestOptionForm)
#include "test_option_form.moc"
