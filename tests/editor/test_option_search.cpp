#include "editor/field_highlight.h"
#include "editor/option_search.h"
#include "editor/search_results.h"
#include "editor_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QSignalSpy>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

// The window's search field, after Ctrl+F from wherever the focus is.
OptionSearch &pressCtrlF(Editor &e)
{
    e.window.activateWindow();
    if (!QTest::qWaitForWindowActive(&e.window))
        qWarning("the editor window never became active");
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &e.window, Qt::Key_F, Qt::ControlModifier);
    return e.window.search();
}

// Ctrl+F, then the query key by key as typed (QTest types ASCII only), once the pinyin is there.
OptionSearch &search(Editor &e, const QString &query)
{
    OptionSearch &field = pressCtrlF(e);
    QSignalSpy pinyin(&field, &OptionSearch::pinyinReady);
    if (!field.hasPinyin() && !pinyin.wait(20000))
        qWarning("the pinyin readings never came");
    for (QChar c : query) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    }
    return field;
}

SearchResultModel *results(OptionSearch &field)
{
    return qobject_cast<SearchResultModel *>(field.resultList()->model());
}

std::optional<Option> optionAt(OptionSearch &field, int row)
{
    return results(field)->optionAt(row);
}

} // namespace

class TestOptionSearch : public QObject {
    Q_OBJECT
private slots:
    void nothingBuiltBeforeFirstUse();
    void queries_data();
    void queries();
    void choosingOpensTheTab_data();
    void choosingOpensTheTab();
    void greyedRowLeadsToWhatEnablesIt();
    void escapeGivesTheFocusBack();
};

void TestOptionSearch::nothingBuiltBeforeFirstUse()
{
    Editor e;
    OptionSearch &field = e.window.search();
    QCOMPARE(field.placeholderText(), u"搜索选项（如 背景、bjys、txtbgc）"_s);
    QVERIFY(!field.accessibleName().isEmpty());
    QVERIFY(!field.hasFocus());
    QVERIFY(!field.resultList());
    QVERIFY(e.window.tabs()->tabBar()->isVisible());
    pressCtrlF(e);
    QVERIFY(field.hasFocus());
    QVERIFY(field.resultList());
    QVERIFY(!field.resultList()->isVisible()); // nothing typed yet
}

void TestOptionSearch::queries_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<std::optional<Option>>("first");
    QTest::addColumn<int>("count");
    QTest::newRow("pinyin initials") << u"dh ztys"_s << std::optional(Option::NavigationColour) << 2;
    QTest::newRow("characters") << u"导航 字体颜色"_s << std::optional(Option::NavigationColour) << 2;
    QTest::newRow("identifier") << optionDef(Option::PageBackgroundColour).id.toString()
                                << std::optional(Option::PageBackgroundColour) << 1;
    QTest::newRow("nothing") << u"zzzz"_s << std::optional<Option>() << 0;
}

void TestOptionSearch::queries()
{
    QFETCH(QString, query);
    QFETCH(std::optional<Option>, first);
    QFETCH(int, count);
    Editor e;
    OptionSearch &field = search(e, query);
    QListView *list = field.resultList();
    QVERIFY(list->isVisible());
    QCOMPARE(results(field)->foundCount(), count);
    QCOMPARE(optionAt(field, 0), first);
    const QModelIndex top = results(field)->index(0);
    if (count == 0) {
        QCOMPARE(top.data().toString(), u"没有找到与“zzzz”相关的选项"_s);
        QCOMPARE(list->accessibleDescription(), top.data().toString());
        return;
    }
    QCOMPARE(list->currentIndex().row(), 0);
    QCOMPARE(list->accessibleName(), u"搜索结果"_s);
    // What a screen reader says of the row: caption, where it sits, its value.
    const QString spoken = top.data(Qt::AccessibleTextRole).toString();
    QVERIFY2(spoken.contains(top.data().toString()) && spoken.contains(breadcrumbOf(*results(field)->optionAt(0))),
             qPrintable(spoken));
}

void TestOptionSearch::choosingOpensTheTab_data()
{
    QTest::addColumn<int>("downs");
    QTest::addColumn<bool>("click");
    QTest::addColumn<Option>("chosen");
    QTest::newRow("Enter") << 0 << false << Option::NavigationColour;
    QTest::newRow("Down, Enter") << 1 << false << Option::NavigationVisitedColour;
    QTest::newRow("Down past the end, Enter") << 5 << false << Option::NavigationVisitedColour;
    QTest::newRow("click") << 1 << true << Option::NavigationVisitedColour;
}

void TestOptionSearch::choosingOpensTheTab()
{
    QFETCH(int, downs);
    QFETCH(bool, click);
    QFETCH(Option, chosen);
    Editor e;
    QVERIFY(!e.form()->isBuilt(Area::Navigation));
    OptionSearch &field = search(e, u"dh ztys"_s);
    for (int i = 0; i < downs && !click; ++i)
        QTest::keyClick(&field, Qt::Key_Down);
    if (click) {
        QListView *list = field.resultList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(results(field)->index(downs)).center());
    } else {
        QTest::keyClick(&field, Qt::Key_Return);
    }
    QVERIFY(!field.resultList()->isVisible());
    QCOMPARE(e.window.tabs()->currentIndex(), int(Area::Navigation));
    QWidget *target = e.form()->widgetOf(chosen);
    QVERIFY(target);
    QCOMPARE(QApplication::focusWidget(), target);
    QVERIFY(FieldHighlight::isHighlighted(target));
}

void TestOptionSearch::greyedRowLeadsToWhatEnablesIt()
{
    Editor e;
    OptionSearch &field = search(e, u"背景图片"_s);
    QCOMPARE(optionAt(field, 0), std::optional(Option::PagePicture));
    const QModelIndex top = results(field)->index(0);
    QCOMPARE(top.data(SearchResultModel::ReasonRole).toString(), u"需先勾选“添加背景图片”"_s);
    QCOMPARE(top.data(Qt::AccessibleDescriptionRole).toString(), u"需先勾选“添加背景图片”"_s);
    // Every picture option on the list; every greyed one says why.
    for (int row = 0; row < results(field)->foundCount(); ++row) {
        const QModelIndex index = results(field)->index(row);
        QVERIFY(index.data().toString().contains(u"背景图片") ||
                optionDef(*results(field)->optionAt(row)).key.contains(u"背景图片"));
        QCOMPARE(index.data(SearchResultModel::GreyedRole).toBool(),
                 !index.data(SearchResultModel::ReasonRole).toString().isEmpty());
    }
    QTest::keyClick(&field, Qt::Key_Return);
    QWidget *box = e.form()->widgetOf(Option::PagePictureOn);
    QCOMPARE(QApplication::focusWidget(), box);
    QVERIFY(FieldHighlight::isHighlighted(box));
    QVERIFY(FieldHighlight::isHighlighted(e.form()->widgetOf(Option::PagePicture)));
}

void TestOptionSearch::escapeGivesTheFocusBack()
{
    Editor e;
    QWidget *was = e.field(Option::PageBackgroundColour);
    was->setFocus();
    OptionSearch &field = search(e, u"背景"_s);
    QVERIFY(field.hasFocus());
    QVERIFY(field.resultList()->isVisible());
    QTest::keyClick(&field, Qt::Key_Escape);
    QVERIFY(!field.resultList()->isVisible());
    QCOMPARE(QApplication::focusWidget(), was);
    QCOMPARE(e.window.tabs()->currentIndex(), int(Area::Background));
}

QTEST_MAIN(TestOptionSearch)
#include "test_option_search.moc"
