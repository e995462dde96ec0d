#include "options/form_layout.h"
#include "options/catalogue.h"

#include <QTest>

using namespace stylewright;
using namespace Qt::Literals::StringLiterals;

class TestFormLayout : public QObject {
    Q_OBJECT
private slots:
    void labelCaptions_data();
    void labelCaptions();
    void everyOptionOnceInReadingOrder();
    void everyLabelWordShown();
    void labelsStandByTheirFields_data();
    void labelsStandByTheirFields();
};

void TestFormLayout::labelCaptions_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("one") << u"cmblan"_s << QStringList{u"分栏设置"_s};
    QTest::newRow("one, not padded") << u"txtmkbtzt"_s << QStringList{u"字体大小"_s};
    QTest::newRow("two") << u"txtmkbt"_s << QStringList{u"标题栏位置"_s, u"编辑栏位置"_s};
    QTest::newRow("four") << u"txtsttop"_s
                          << QStringList{u"位置(top)"_s, u"左右(left)"_s, u"宽度(width)"_s, u"高度(height)"_s};
    QTest::newRow("none") << u"txtbgc"_s << QStringList();
}

void TestFormLayout::labelCaptions()
{
    QFETCH(QString, option);
    QFETCH(QStringList, words);
    QCOMPARE(stylewright::labelCaptions(options()[optionIndex(option)]), words);
}

void TestFormLayout::everyOptionOnceInReadingOrder()
{
    QList<int> seen;
    for (int tab = 0; tab < kTabCount; ++tab) {
        for (const FormGroup &group : formLayout(tab)) {
            for (const FormRow &row : group.rows) {
                for (const FormCell &cell : row.cells) {
                    if (cell.option >= 0) {
                        QCOMPARE(options()[cell.option].tab, tab);
                        QCOMPARE(group.title, options()[cell.option].group.toString());
                        seen.append(cell.option);
                    }
                }
            }
        }
    }
    QCOMPARE(seen.size(), kOptionCount);
    for (int i = 0; i < kOptionCount; ++i)
        QCOMPARE(seen[i], i);
}

void TestFormLayout::everyLabelWordShown()
{
    for (int tab = 0; tab < kTabCount; ++tab) {
        QStringList shown;
        for (const FormGroup &group : formLayout(tab)) {
            for (const FormRow &row : group.rows) {
                for (const FormCell &cell : row.cells)
                    shown << cell.text << cell.heading;
            }
        }
        for (const OptionDef &def : options()) {
            if (def.tab != tab)
                continue;
            for (const QString &word : stylewright::labelCaptions(def))
                QVERIFY2(shown.removeOne(word), qPrintable(def.id.toString() + u": "_s + word));
        }
    }
}

// A label word stands right before a field (beside it) or above it (a column heading).
void TestFormLayout::labelsStandByTheirFields_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("above");
    QTest::newRow("beside") << 0 << u"分栏设置"_s << u"cmblan"_s << false;
    QTest::newRow("heading of four") << 0 << u"高度(height)"_s << u"txtsthei"_s << true;
    QTest::newRow("heading skips a check box") << 5 << u"高度"_s << u"txtfcgd"_s << true;
    QTest::newRow("two-line, first line") << 1 << u"Top"_s << u"txtntop"_s << false;
    QTest::newRow("two-line, second line") << 1 << u"位置"_s << u"txtnleft"_s << false;
    QTest::newRow("second two-line label") << 1 << u"字体"_s << u"cmbnf"_s << false;
    QTest::newRow("intro bar second line") << 1 << u"字体"_s << u"cmbjjf"_s << false;
    QTest::newRow("row heading over a beside label") << 7 << u"相册"_s << u"字体大小"_s << false;
    QTest::newRow("its own label after it") << 7 << u"字体大小"_s << u"txtxcjjlzt"_s << false;
    QTest::newRow("picture stacked") << 2 << u"鼠标划过图片"_s << u"txtdhpm"_s << false;
}

void TestFormLayout::labelsStandByTheirFields()
{
    QFETCH(int, tab);
    QFETCH(QString, word);
    QFETCH(QString, field);
    QFETCH(bool, above);
    const int option = optionIndex(field);
    int found = 0;
    for (const FormGroup &group : formLayout(tab)) {
        for (const FormRow &row : group.rows) {
            for (qsizetype i = 0; i < row.cells.size(); ++i) {
                const FormCell &cell = row.cells[i];
                if (above && cell.option == option && cell.heading == word)
                    ++found;
                if (!above && cell.text == word && i + 1 < row.cells.size()) {
                    const FormCell &next = row.cells[i + 1];
                    found += (next.option == option || next.text == field) ? 1 : 0;
                }
            }
        }
    }
    QVERIFY(found >= 1);
}

QTEST_GUILESS_MAIN(TestFormLayout)
#include "test_form_layout.moc"
