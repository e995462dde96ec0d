#include "base/text_encoding.h"
#include "generators/code_file.h"
#include "generators/generators.h"
#include "options/option_set.h"
#include "preview/preview_sheet.h"
#include "support/helpers.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <deque>

using namespace stylewright;
using namespace stylewright::testing;

namespace {

// The design values, each check box and choice item taken alone, and every check box ticked:
// between them they reach every rule each generator can write.
std::deque<OptionSet> manyOptionSets()
{
    std::deque<OptionSet> sets(1);
    OptionSet &allTicked = sets.emplace_back();
    for (const OptionDef &def : options()) {
        QStringList values;
        if (def.kind == OptionKind::Check)
            values = {QStringLiteral("0"), QStringLiteral("1")};
        else if (def.kind == OptionKind::Choice)
            values = listItems(def);
        for (const QString &value : values)
            sets.emplace_back().setValue(def.option, value);
        if (def.kind == OptionKind::Check)
            allTicked.setValue(def.option, QStringLiteral("1"));
    }
    return sets;
}

// "#name" and ".name" of every selector in a sheet.
QSet<QString> selectorNames(QString css)
{
    static const QRegularExpression comment(QStringLiteral("/\\*.*?\\*/"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression name(QStringLiteral("[#.][A-Za-z_][\\w-]*"));
    css.remove(comment);
    QSet<QString> names;
    qsizetype start = 0;
    for (qsizetype open; (open = css.indexOf(u'{', start)) >= 0;) {
        const QString selector = css.mid(start, open - start);
        for (const QRegularExpressionMatch &m : name.globalMatch(selector))
            names.insert(m.captured());
        const qsizetype close = css.indexOf(u'}', open);
        start = close < 0 ? css.size() : close + 1;
    }
    return names;
}

// "#name" for every id and ".name" for every class the page's markup carries.
QSet<QString> pageNames(const QString &html)
{
    static const QRegularExpression attribute(QStringLiteral("\\s(id|class)=\"([^\"]*)\""));
    QSet<QString> names;
    for (const QRegularExpressionMatch &m : attribute.globalMatch(html)) {
        const QChar mark = m.captured(1) == u"id" ? u'#' : u'.';
        for (const QString &value : m.captured(2).split(u' ', Qt::SkipEmptyParts))
            names.insert(mark + value);
    }
    return names;
}

} // namespace

class TestPreviewSheet : public QObject {
    Q_OBJECT
private slots:
    void eachAreaIsItsButtonsBlock();
    void aFailedAreaCarriesItsMessageAndIsLeftOut();
    void samplePageCarriesEverythingTheSheetsStyle();
};

void TestPreviewSheet::eachAreaIsItsButtonsBlock()
{
    for (const OptionSet &options : manyOptionSets()) {
        const Sheet sheet = sheetFor(options);
        QCOMPARE(sheet.size(), kTabCount);
        QByteArray wholeFile;
        for (const TabDef &tab : tabs()) {
            const Result<QStringList> block = generateArea(tab.area, options);
            QVERIFY(block);
            const AreaSheet &area = sheet[int(tab.area)];
            QVERIFY(!area.failed());
            // The very bytes the area's button appends to the code file.
            QCOMPARE(encodeGbk(area.css), encodeBlock(*block));
            wholeFile += encodeBlock(*block);
        }
        QCOMPARE(encodeGbk(wholeCss(sheet)), wholeFile);
    }
}

void TestPreviewSheet::aFailedAreaCarriesItsMessageAndIsLeftOut()
{
    const OptionSet options = optionsWith({{Option::NameFontSize, QStringLiteral("36px")}});
    const Sheet sheet = sheetFor(options);
    const AreaSheet &header = sheet[int(Area::Header)];
    QVERIFY(header.failed());
    QVERIFY(header.css.isEmpty());
    QCOMPARE(header.notice, generate("cmdqy", options).error);
    QString others;
    for (const AreaSheet &area : sheet)
        others += area.css;
    QCOMPARE(wholeCss(sheet), others);
    QVERIFY(!wholeCss(sheet).contains(QStringLiteral("#header")));
}

void TestPreviewSheet::samplePageCarriesEverythingTheSheetsStyle()
{
    const QSet<QString> onPage = pageNames(QString::fromUtf8(readFile(QStringLiteral(SAMPLE_PAGE))));
    QVERIFY(onPage.size() > 50);
    QSet<QString> styled;
    for (const OptionSet &options : manyOptionSets())
        styled += selectorNames(wholeCss(sheetFor(options)));
    QVERIFY(styled.contains(QStringLiteral("#m_blog")) && styled.contains(QStringLiteral(".c2t3")));
    // Kept byte for byte from published sheets, and matching nothing on the service's pages either.
    styled.remove(QStringLiteral("#mod_inmoya"));
    QStringList missing = (styled - onPage).values();
    missing.sort();
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("not on the sample page: ") + missing.join(u' ')));
}

QTEST_APPLESS_MAIN(TestPreviewSheet)
#include "test_preview_sheet.moc"
