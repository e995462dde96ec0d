#include "options/catalogue.h"
#include "options/enabling.h"
#include "options/field_captions.h"
#include "options/option_set.h"
#include "support/helpers.h"

#include <QTest>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

class TestEnabling : public QObject {
    Q_OBJECT
private slots:
    void captions_data();
    void captions();
    void reasons_data();
    void reasons();
    void everyStepEnables_data();
    void everyStepEnables();
};

void TestEnabling::captions_data()
{
    QTest::addColumn<Option>("option");
    QTest::addColumn<QString>("caption");
    QTest::newRow("check box") << Option::PagePictureOn << u"添加背景图片"_s;
    QTest::newRow("colour: its label") << Option::NavigationColour << u"字体颜色"_s;
    QTest::newRow("label before it") << Option::ColumnLayout << u"分栏设置"_s;
    QTest::newRow("heading above it") << Option::MainScrollLeft << u"左右(left)"_s;
    QTest::newRow("stacked label") << Option::NameLeft << u"位置"_s;
    QTest::newRow("no label: settings key") << Option::NameEffect << u"效果"_s;
}

void TestEnabling::captions()
{
    QFETCH(Option, option);
    QFETCH(QString, caption);
    QCOMPARE(fieldCaption(option), caption);
}

void TestEnabling::reasons_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<Option>("option");
    QTest::addColumn<QString>("reason");
    QTest::newRow("box") << Settings{} << Option::PagePicture << u"需先勾选“添加背景图片”"_s;
    QTest::newRow("box that greys the field")
        << Settings{{Option::AlbumBarPictureOn, u"1"_s}} << Option::AlbumBarColour << u"需先取消勾选“添加简介栏图片”"_s;
    QTest::newRow("greyed box counts as unticked")
        << Settings{{Option::BodyWidthOn, u"2"_s}} << Option::BodyWidth << u"需先勾选“选择主体宽度(600-980)”"_s;
    QTest::newRow("choice, one item") << Settings{} << Option::SecondColumnWidth << u"需在“分栏设置”中选择“分三栏”"_s;
    QTest::newRow("choice, two items") << Settings{} << Option::NameEffectColour
                                       << u"需在“效果”中选择“发光效果”或“阴影效果”"_s;
    QTest::newRow("choice, three items") << Settings{} << Option::ColumnsTotalWidth
                                         << u"需在“分栏设置”中选择“分两栏”、“分三栏”或“单栏(不分)”"_s;
    QTest::newRow("chain of two") << Settings{{Option::MainTransparencyOn, u"1"_s}} << Option::MainPicture
                                  << u"需先取消勾选“背景透明度(0-100)”，再勾选“主体背景图片”"_s;
    QTest::newRow("enabled") << Settings{} << Option::PagePictureOn << QString();
    QTest::newRow("nothing enables it") << Settings{} << Option::NavigationVertical << QString();
}

void TestEnabling::reasons()
{
    QFETCH(Settings, settings);
    QFETCH(Option, option);
    QFETCH(QString, reason);
    QCOMPARE(enablingText(enablingSteps(optionsWith(settings), option)), reason);
}

void TestEnabling::everyStepEnables_data()
{
    QTest::addColumn<bool>("ticked");
    QTest::newRow("as the window opens") << false;
    QTest::newRow("every box ticked") << true;
}

// Taking the steps, each with any of its values, enables the option: the words never send the
// user to a control that does nothing.
void TestEnabling::everyStepEnables()
{
    QFETCH(bool, ticked);
    OptionSet record;
    for (const OptionDef &def : options()) {
        if (ticked && def.kind == OptionKind::Check)
            record.setCheckState(def.option, CheckState::Checked);
    }
    int explained = 0;
    for (const OptionDef &def : options()) {
        const QList<EnablingStep> steps = enablingSteps(record, def.option);
        if (record.isEnabled(def.option) || steps.isEmpty())
            continue;
        ++explained;
        QVERIFY2(record.isEnabled(steps.first().control), qPrintable(def.id.toString()));
        for (const QString &value : steps.last().values) {
            OptionSet trial(record);
            for (const EnablingStep &step : steps)
                trial.setValue(step.control, &step == &steps.last() ? value : step.values.first());
            QVERIFY2(trial.isEnabled(def.option), qPrintable(def.id.toString() + u' ' + value));
        }
    }
    QVERIFY(explained > 0);
}

QTEST_GUILESS_MAIN(TestEnabling)
#include "test_enabling.moc"
