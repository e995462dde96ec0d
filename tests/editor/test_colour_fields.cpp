#include "editor/colour_fields.h"
#include "editor_fixture.h"
#include "options/option_set.h"
#include "options/settings_file.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

QLineEdit *field(Editor &e, Option option)
{
    e.showTabOf(option);
    return e.field<QLineEdit>(option);
}

QColor background(QLineEdit *edit)
{
    return edit->palette().color(QPalette::Active, QPalette::Base);
}
QColor textColour(QLineEdit *edit)
{
    return edit->palette().color(QPalette::Active, QPalette::Text);
}

void setClipboard(const QString *text)
{
    if (text)
        QGuiApplication::clipboard()->setText(*text);
    else
        QGuiApplication::clipboard()->setMimeData(new QMimeData); // holds no text
}

} // namespace

class TestColourFields : public QObject {
    Q_OBJECT
private slots:
    void clickPastesTheClipboard_data();
    void clickPastesTheClipboard();
    void doubleClickChoosesAColour_data();
    void doubleClickChoosesAColour();
    void dialogKeepsItsColourForTheRun();
    void pageBackgroundCarriesThreeFields();
    void leavingAWidthMirrorsIt_data();
    void leavingAWidthMirrorsIt();
    void loadingDoesNotMirror();
    void anyClickSequenceLeavesTheWindowUsable();
};

void TestColourFields::clickPastesTheClipboard_data()
{
    QTest::addColumn<Option>("option");
    QTest::addColumn<bool>("hasText");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("text");
    QTest::newRow("picker digits") << Option::ExtrasColour << true << u"#5577ff"_s << u"#5577ff"_s;
    QTest::newRow("any text, verbatim") << Option::ProfileColour << true << u" red \t"_s << u" red \t"_s;
    QTest::newRow("no text") << Option::PageBackgroundColour << false << QString() << QString();
    QTest::newRow("empty text") << Option::SearchButtonColour << true << QString() << QString();
    QTest::newRow("huge text is cut to a field's length")
        << Option::CommentColour << true << QString(100000, u'9') << QString(32767, u'9');
}

void TestColourFields::clickPastesTheClipboard()
{
    QFETCH(Option, option);
    QFETCH(bool, hasText);
    QFETCH(QString, clipboard);
    QFETCH(QString, text);
    Editor e;
    setClipboard(hasText ? &clipboard : nullptr);
    QLineEdit *edit = field(e, option);
    QTest::mouseClick(edit, Qt::LeftButton);
    QCOMPARE(edit->text(), text);
    QCOMPARE(e.window.options().value(option), text);
    QVERIFY(e.colours.offered.isEmpty());
}

void TestColourFields::doubleClickChoosesAColour_data()
{
    QTest::addColumn<Option>("option");
    QTest::addColumn<QColor>("chosen");
    QTest::addColumn<QString>("text");
    QTest::newRow("pure red") << Option::ProfileColour << QColor(255, 0, 0) << u"字体颜色#FF0000"_s;
    QTest::newRow("dark blue") << Option::CategoryVisitedColour << QColor(0, 0, 128) << u"已访问字体颜色#000080"_s;
    QTest::newRow("button label") << Option::SearchButtonColour << QColor(10, 171, 205) << u"按钮颜色#0AABCD"_s;
    QTest::newRow("disabled effect colour stays out of reach")
        << Option::NameEffectColour << QColor(1, 2, 3) << u"效果颜色#ffffff"_s;
}

void TestColourFields::doubleClickChoosesAColour()
{
    QFETCH(Option, option);
    QFETCH(QColor, chosen);
    QFETCH(QString, text);
    Editor e;
    const QString pasted = u"pasted"_s;
    setClipboard(&pasted);
    e.colours.answers = {chosen};
    QLineEdit *edit = field(e, option);
    QTest::mouseDClick(edit, Qt::LeftButton);
    QCOMPARE(edit->text(), text);
    QCOMPARE(e.window.options().value(option), text);
    if (edit->isEnabled())
        QCOMPARE(background(edit), chosen);
}

void TestColourFields::dialogKeepsItsColourForTheRun()
{
    Editor e;
    QLineEdit *first = field(e, Option::IntroColour);
    QTest::mouseDClick(first, Qt::LeftButton); // cancelled at first: black
    QCOMPARE(first->text(), u"字体颜色#000000"_s);
    QCOMPARE(background(first), QColor(Qt::black));

    e.colours.answers = {QColor(0x12, 0x34, 0x56)};
    QLineEdit *second = field(e, Option::ModuleTitleVisitedColour);
    QTest::mouseDClick(second, Qt::LeftButton);
    QCOMPARE(second->text(), u"已访问字体颜色#123456"_s);

    QLineEdit *third = field(e, Option::HeaderColour); // cancelled later: the colour chosen last, in another field
    QTest::mouseDClick(third, Qt::LeftButton);
    QCOMPARE(third->text(), u"背景颜色#123456"_s);
    QCOMPARE(background(third), QColor(0x12, 0x34, 0x56));
    QCOMPARE(e.colours.offered, (QList<QColor>{Qt::black, Qt::black, QColor(0x12, 0x34, 0x56)}));
    // Only txtnc itself changed.
    QCOMPARE(e.window.options().value(Option::PageBackgroundColour), u"背景颜色#000000"_s);
}

void TestColourFields::pageBackgroundCarriesThreeFields()
{
    Editor e;
    e.window.options().setValue(Option::AlbumBarPictureOn, u"1"_s); // a disabled follower changes too
    e.colours.answers = {QColor(0xAB, 0xCD, 0xEF)};
    QTest::mouseDClick(field(e, Option::PageBackgroundColour), Qt::LeftButton);
    const QColor text = textColour(e.field<QLineEdit>(Option::PageBackgroundColour));
    for (Option option :
         {Option::PageBackgroundColour, Option::HeaderColour, Option::ModuleColour, Option::AlbumBarColour}) {
        auto *edit = e.field<QLineEdit>(option);
        QCOMPARE(edit->text(), u"背景颜色#ABCDEF"_s);
        QCOMPARE(background(edit), QColor(0xAB, 0xCD, 0xEF));
        QCOMPARE(textColour(edit), text);
    }
    QCOMPARE(e.window.options().value(Option::SearchColour), u"背景颜色#000000"_s);
}

void TestColourFields::leavingAWidthMirrorsIt_data()
{
    QTest::addColumn<Option>("from");
    QTest::addColumn<Option>("to");
    QTest::newRow("body width to total") << Option::BodyWidth << Option::ColumnsTotalWidth;
    QTest::newRow("total to body width") << Option::ColumnsTotalWidth << Option::BodyWidth;
}

void TestColourFields::leavingAWidthMirrorsIt()
{
    QFETCH(Option, from);
    QFETCH(Option, to);
    Editor e;
    e.window.options().setValue(Option::BodyWidthOn, u"1"_s);
    e.window.options().setValue(Option::ColumnLayout, u"分两栏"_s);
    e.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&e.window));
    QLineEdit *edit = field(e, from);
    edit->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, u"8x0"_s);
    QCOMPARE(e.window.options().value(to), u"980"_s); // not while typing
    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(!edit->hasFocus());
    QCOMPARE(e.field<QLineEdit>(to)->text(), u"8x0"_s);
}

void TestColourFields::loadingDoesNotMirror()
{
    Editor e;
    OptionSet saved;
    saved.setValue(Option::BodyWidth, u"700"_s);
    QVERIFY(saveSettings(settingsPath(e.folder()), saved));
    QTest::mouseClick(e.window.button(WindowButton::ReadSettings), Qt::LeftButton);
    QCOMPARE(e.field<QLineEdit>(Option::BodyWidth)->text(), u"700"_s);
    QCOMPARE(e.field<QLineEdit>(Option::ColumnsTotalWidth)->text(), u"980"_s);
}

// Clicks, double clicks and odd clipboard contents on every colour field, in any order.
void TestColourFields::anyClickSequenceLeavesTheWindowUsable()
{
    Editor e;
    const QStringList clips{u"\n\r\t"_s, QString(40000, u'#'), u"背景颜色#"_s, QString(QChar(0xD800)), {}};
    int n = 0;
    for (const OptionDef &def : options()) {
        if (def.kind != OptionKind::Colour)
            continue;
        QLineEdit *edit = field(e, def.option);
        setClipboard(&clips[n % clips.size()]);
        e.colours.answers = {QColor(n, 255 - n, n * 3 % 256), std::nullopt};
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::mouseDClick(edit, Qt::LeftButton);
        QTest::mouseDClick(edit, Qt::LeftButton);
        QTest::mouseClick(edit, Qt::LeftButton);
        QCOMPARE(edit->text(), e.window.options().value(def.option));
        ++n;
    }
    QCOMPARE(n, 31);
    QVERIFY(e.window.isVisible());
}

QTEST_MAIN(TestColourFields)
#include "test_colour_fields.moc"
