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
    QTest::addColumn<Option>("option");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("one") << Option::ColumnLayout << QStringList{u"分栏设置"_s};
    QTest::newRow("one, not padded") << Option::ModuleTitleFontSize << QStringList{u"字体大小"_s};
    QTest::newRow("two") << Option::ModuleTitleIndent << QStringList{u"标题栏位置"_s, u"编辑栏位置"_s};
    QTest::newRow("four") << Option::MainScrollTop
                          << QStringList{u"位置(top)"_s, u"左右(left)"_s, u"宽度(width)"_s, u"高度(height)"_s};
    QTest::newRow("none") << Option::PageBackgroundColour << QStringList();
}

void TestFormLayout::labelCaptions()
{
    QFETCH(Option, option);
    QFETCH(QStringList, words);
    QCOMPARE(stylewright::labelCaptions(optionDef(option)), words);
}

void TestFormLayout::everyOptionOnceInReadingOrder()
{
    QList<Option> seen;
    for (Area area : areas()) {
        for (const FormGroup &group : formLayout(area)) {
            for (const FormRow &row : group.rows) {
                for (const FormCell &cell : row.cells) {
                    if (cell.option) {
                        QCOMPARE(optionDef(*cell.option).area, area);
                        QCOMPARE(group.title, optionDef(*cell.option).group.toString());
                        seen.append(*cell.option);
                    }
                }
            }
        }
    }
    QCOMPARE(seen.size(), kOptionCount);
    for (int i = 0; i < kOptionCount; ++i)
        QCOMPARE(seen[i], optionAt(i));
}

void TestFormLayout::everyLabelWordShown()
{
    for (Area area : areas()) {
        QStringList shown;
        for (const FormGroup &group : formLayout(area)) {
            for (const FormRow &row : group.rows) {
                for (const FormCell &cell : row.cells)
                    shown << cell.text << cell.heading;
            }
        }
        for (const OptionDef &def : options()) {
            if (def.area != area)
                continue;
            for (const QString &word : stylewright::labelCaptions(def))
                QVERIFY2(shown.removeOne(word), qPrintable(def.id.toString() + u": "_s + word));
        }
    }
}

// A label word stands right before a field (beside it) or above it (a column heading).
void TestFormLayout::labelsStandByTheirFields_data()
{
    QTest::addColumn<Area>("area");
    QTest::addColumn<QString>("word");
    QTest::addColumn<Option>("field");
    QTest::addColumn<QString>("nextWord"); // a label that stands between the word and the field
    QTest::addColumn<bool>("above");
    QTest::newRow("beside") << Area::Background << u"分栏设置"_s << Option::ColumnLayout << QString() << false;
    QTest::newRow("heading of four") << Area::Background << u"高度(height)"_s << Option::MainScrollHeight << QString()
                                     << true;
    QTest::newRow("heading skips a check box")
        << Area::Categories << u"高度"_s << Option::CategoryScrollHeight << QString() << true;
    QTest::newRow("two-line, first line") << Area::Header << u"Top"_s << Option::NameTop << QString() << false;
    QTest::newRow("two-line, second line") << Area::Header << u"位置"_s << Option::NameLeft << QString() << false;
    QTest::newRow("second two-line label") << Area::Header << u"字体"_s << Option::NameFont << QString() << false;
    QTest::newRow("intro bar second line") << Area::Header << u"字体"_s << Option::IntroFont << QString() << false;
    QTest::newRow("row heading over a beside label")
        << Area::Album << u"相册"_s << Option::AlbumFontSize << u"字体大小"_s << false;
    QTest::newRow("its own label after it")
        << Area::Album << u"字体大小"_s << Option::AlbumFontSize << QString() << false;
    QTest::newRow("picture stacked") << Area::Navigation << u"鼠标划过图片"_s << Option::NavigationHoverPicture
                                     << QString() << false;
}

void TestFormLayout::labelsStandByTheirFields()
{
    QFETCH(Area, area);
    QFETCH(QString, word);
    QFETCH(Option, field);
    QFETCH(QString, nextWord);
    QFETCH(bool, above);
    int found = 0;
    for (const FormGroup &group : formLayout(area)) {
        for (const FormRow &row : group.rows) {
            for (qsizetype i = 0; i < row.cells.size(); ++i) {
                const FormCell &cell = row.cells[i];
                if (above && cell.option == field && cell.heading == word)
                    ++found;
                if (!above && cell.text == word && i + 1 < row.cells.size()) {
                    const FormCell &next = row.cells[i + 1];
                    found += (nextWord.isEmpty() ? next.option == field : next.text == nextWord) ? 1 : 0;
                }
            }
        }
    }
    QVERIFY(found >= 1);
}

QTEST_GUILESS_MAIN(TestFormLayout)
#include "test_form_layout.moc"
