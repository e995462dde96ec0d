// The preview window in this process: the sample page under real sheets, checked through its DOM.

#include "local_http_server.h"
#include "options/option_set.h"
#include "preview/preview_sheet.h"
#include "stylewright-preview/code_pane.h"
#include "stylewright-preview/engine_setup.h"
#include "stylewright-preview/preview_window.h"
#include "stylewright-preview/sample_page.h"
#include "support/helpers.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <memory>

using namespace stylewright;
using namespace stylewright::testing;

namespace {

constexpr int kWaitMs = 20000; // the engine is slow to start on a busy machine

QVariant evaluate(SamplePage &page, const QString &script)
{
    auto result = std::make_shared<std::optional<QVariant>>();
    page.evaluate(script, [result](const QVariant &value) { *result = value; });
    if (!QTest::qWaitFor([&] { return result->has_value(); }, kWaitMs))
        return QStringLiteral("<no answer>");
    return **result;
}

QString computed(SamplePage &page, const QString &selector, const QString &property)
{
    return evaluate(page, QStringLiteral("getComputedStyle(document.querySelector(%1))[%2]")
                              .arg(javaScriptString(selector), javaScriptString(property)))
        .toString();
}

} // namespace

class TestPreviewPage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void chosenStylesApply();
    void javaScriptStringsKeepEveryCharacter();
    void hostileOptionTextsStayText_data();
    void hostileOptionTextsStayText();
    void newSheetsKeepThePlaceAndNeverReload();
    void aBurstOfSheetsEndsWithTheLast();
    void picturesLoadWhenReachableAndNeverMoveTheLayout();
    void anAreaWithoutBlockKeepsItsLastLookAndSaysSo();
    void codePaneShowsAndCopiesTheWholeSheet();
    void thePageNeverLeaves();

private:
    // Shows the sheet of these options and waits until it is in effect.
    bool show(const OptionSet &options);
    SamplePage &page() { return m_window->page(); }

    std::unique_ptr<PreviewWindow> m_window;
    quint64 m_sequence = 0;
};

bool TestPreviewPage::show(const OptionSet &options)
{
    QSignalSpy applied(&page(), &SamplePage::applied);
    const quint64 sequence = ++m_sequence;
    m_window->showSheet(sheetFor(options), sequence);
    return QTest::qWaitFor([&] { return !applied.isEmpty() && applied.last().at(0).toULongLong() == sequence; },
                           kWaitMs);
}

void TestPreviewPage::initTestCase()
{
    m_window = std::make_unique<PreviewWindow>();
    m_window->resize(1000, 700);
    m_window->show();
    QSignalSpy loaded(&page(), &SamplePage::loaded);
    QVERIFY(page().isLoaded() || loaded.wait(kWaitMs));
    QVERIFY(page().isLoaded());
}

void TestPreviewPage::chosenStylesApply()
{
    OptionSet options = optionsWith({{Option::PageBackgroundColour, QStringLiteral("背景颜色#12ab34")},
                                     {Option::HeaderHeight, QStringLiteral("123")},
                                     {Option::NavigationHideDividers, QStringLiteral("1")},
                                     {Option::PlayerStyle, QStringLiteral("隐藏")},
                                     {Option::PetSize, QStringLiteral("隐藏宠物")}});
    QVERIFY(show(options));
    QCOMPARE(computed(page(), QStringLiteral("body"), QStringLiteral("backgroundColor")),
             QStringLiteral("rgb(18, 171, 52)"));
    QCOMPARE(computed(page(), QStringLiteral("#header"), QStringLiteral("height")), QStringLiteral("123px"));
    for (const char *hidden : {"#tabline", "#tab span", "#mod_bgmusic", "#petObject"})
        QCOMPARE(computed(page(), QString::fromUtf8(hidden), QStringLiteral("display")), QStringLiteral("none"));

    options.setValue(Option::NavigationHideDividers, QStringLiteral("0"));
    options.setValue(Option::PetSize, QStringLiteral("200"));
    QVERIFY(show(options));
    QCOMPARE(computed(page(), QStringLiteral("#tabline"), QStringLiteral("display")), QStringLiteral("block"));
    QCOMPARE(computed(page(), QStringLiteral("#petObject"), QStringLiteral("width")), QStringLiteral("200px"));
}

void TestPreviewPage::javaScriptStringsKeepEveryCharacter()
{
    const QString text = QStringLiteral("\"'\\</script>`${x}`\r\n\t") + QChar(0x2028) + QChar(0x2029) + QChar(0) +
                         QStringLiteral("汉字𠀀") + QChar(0x7f);
    QCOMPARE(evaluate(page(), javaScriptString(text)).toString(), text);
}

void TestPreviewPage::hostileOptionTextsStayText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("style and script tags")
        << QStringLiteral("x)}</style><script>document.title='taken'</script><style>body{");
    QTest::newRow("quotes and backslashes") << QStringLiteral("a\"b'c\\\\d\\\")'); document.title='taken'; ('");
    QTest::newRow("script address") << QStringLiteral("javascript:document.title='taken'");
    QTest::newRow("markup") << QStringLiteral("<img src=x onerror=\"document.title='taken'\"><!--");
    QTest::newRow("100,000 characters") << QString(100000, u'汉');
}

void TestPreviewPage::hostileOptionTextsStayText()
{
    QFETCH(QString, text);
    const QVariant titleBefore = evaluate(page(), QStringLiteral("document.title"));
    const QVariant childrenBefore = evaluate(page(), QStringLiteral("document.body.querySelectorAll('*').length"));
    // A picture address lands inside url(...); a name of a font lands in a declaration.
    OptionSet options = optionsWith({{Option::PagePictureOn, QStringLiteral("1")},
                                     {Option::PagePicture, text},
                                     {Option::PageBackgroundColour, QStringLiteral("背景颜色#345678")},
                                     {Option::NameFont, text}});
    QVERIFY(show(options));
    QCOMPARE(evaluate(page(), QStringLiteral("document.getElementById('stylewright-sheet').textContent")).toString(),
             m_window->pageCss());
    QVERIFY(m_window->pageCss().contains(text));
    QCOMPARE(evaluate(page(), QStringLiteral("document.title")), titleBefore);
    QCOMPARE(evaluate(page(), QStringLiteral("document.querySelectorAll('script').length")).toInt(), 0);
    QCOMPARE(evaluate(page(), QStringLiteral("document.querySelectorAll('style').length")).toInt(), 1);
    QCOMPARE(evaluate(page(), QStringLiteral("document.body.querySelectorAll('*').length")), childrenBefore);
    // The rules after the broken one still hold.
    QCOMPARE(computed(page(), QStringLiteral("#header"), QStringLiteral("height")), QStringLiteral("300px"));
}

void TestPreviewPage::newSheetsKeepThePlaceAndNeverReload()
{
    OptionSet options;
    QVERIFY(show(options));
    evaluate(page(), QStringLiteral("window.scrollTo(0, 600); window.stylewrightMark = 42"));
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(page(), QStringLiteral("window.scrollY")).toInt(), 600, kWaitMs);
    options.setValue(Option::PageBackgroundColour, QStringLiteral("abcdef"));
    options.setValue(Option::ModuleSpacing, QStringLiteral("14"));
    QVERIFY(show(options));
    QCOMPARE(computed(page(), QStringLiteral(".mod"), QStringLiteral("marginBottom")), QStringLiteral("14px"));
    QCOMPARE(evaluate(page(), QStringLiteral("window.scrollY")).toInt(), 600);
    QCOMPARE(evaluate(page(), QStringLiteral("window.stylewrightMark")).toInt(), 42);
    evaluate(page(), QStringLiteral("window.scrollTo(0, 0)"));
}

void TestPreviewPage::aBurstOfSheetsEndsWithTheLast()
{
    QSignalSpy applied(&page(), &SamplePage::applied);
    for (int i = 1; i <= 40; ++i)
        page().applyCss(QStringLiteral("#header{height:%1px}").arg(i), 1000 + i);
    QVERIFY(QTest::qWaitFor([&] { return !applied.isEmpty() && applied.last().at(0).toULongLong() == 1040; }, kWaitMs));
    QVERIFY(applied.size() < 40); // sheets overtaken while waiting are never put in
    QCOMPARE(computed(page(), QStringLiteral("#header"), QStringLiteral("height")), QStringLiteral("40px"));
}

void TestPreviewPage::picturesLoadWhenReachableAndNeverMoveTheLayout()
{
    const QString layout = QStringLiteral("['#main', '#layout', '#header', '.stage', '#m_blog']"
                                          ".map(s => JSON.stringify(document.querySelector(s).getBoundingClientRect()))"
                                          ".join()");
    OptionSet options = optionsWith(
        {{Option::PagePictureOn, QStringLiteral("1")}, {Option::PagePictureRepeat, QStringLiteral("repeat")}});
    options.setValue(Option::PagePicture, QString());
    QVERIFY(show(options));
    const QString without = evaluate(page(), layout).toString();

    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    red.save(&buffer, "PNG");
    LocalHttpServer server;
    server.route(QStringLiteral("/red.png"), {200, png, "image/png"});
    options.setValue(Option::PagePicture, server.origin() + u"/red.png");
    options.setValue(Option::HeaderColour, QStringLiteral("abcdef"));
    QVERIFY(show(options));
    QTRY_VERIFY_WITH_TIMEOUT(server.requests.contains(QStringLiteral("/red.png")), kWaitMs);
    QCOMPARE(evaluate(page(), layout).toString(), without);

    options.setValue(Option::PagePicture, QStringLiteral("http://127.0.0.1:%1/missing.png").arg(closedPort()));
    options.setValue(Option::HeaderColour, QStringLiteral("fedcba"));
    QVERIFY(show(options));
    QCOMPARE(evaluate(page(), layout).toString(), without);
}

void TestPreviewPage::anAreaWithoutBlockKeepsItsLastLookAndSaysSo()
{
    auto *notice = m_window->findChild<QLabel *>(QStringLiteral("notice"));
    auto *code = m_window->findChild<CodePane *>(QStringLiteral("codePane"));
    OptionSet options = optionsWith({{Option::HeaderHeight, QStringLiteral("150")}});
    QVERIFY(show(options));
    QVERIFY(notice->isHidden());

    options.setValue(Option::NameFontSize, QStringLiteral("36px"));
    options.setValue(Option::PageBackgroundColour, QStringLiteral("445566"));
    QVERIFY(show(options));
    QVERIFY(notice->isVisible());
    QVERIFY(notice->text().contains(QStringLiteral("2.名称简介")));
    QVERIFY(notice->text().contains(sheetFor(options)[int(Area::Header)].notice));
    QCOMPARE(computed(page(), QStringLiteral("#header"), QStringLiteral("height")), QStringLiteral("150px"));
    QCOMPARE(computed(page(), QStringLiteral("body"), QStringLiteral("backgroundColor")),
             QStringLiteral("rgb(68, 85, 102)"));
    QCOMPARE(code->css(), wholeCss(sheetFor(options)));
    QVERIFY(!code->css().contains(QStringLiteral("#header")));

    options.setValue(Option::NameFontSize, QStringLiteral("30"));
    QVERIFY(show(options));
    QVERIFY(notice->isHidden());
    QVERIFY(code->css().contains(QStringLiteral("#header")));
}

void TestPreviewPage::codePaneShowsAndCopiesTheWholeSheet()
{
    auto *code = m_window->findChild<CodePane *>(QStringLiteral("codePane"));
    auto *text = code->findChild<QPlainTextEdit *>(QStringLiteral("codeText"));
    auto *count = code->findChild<QLabel *>(QStringLiteral("charCount"));
    OptionSet options = optionsWith({{Option::NameFont, QStringLiteral("字体𠀀")}});
    QVERIFY(show(options));
    const QString css = wholeCss(sheetFor(options));
    QCOMPARE(code->css(), css);
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->toPlainText(), QString(css).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // The character outside the basic plane is one character, not two.
    QCOMPARE(CodePane::characterCount(css), css.size() - css.count(QStringLiteral("𠀀")));
    QVERIFY(count->text().contains(QString::number(CodePane::characterCount(css))));

    QTest::mouseClick(code->findChild<QPushButton *>(QStringLiteral("copyAll")), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), css); // CR LF and all, as the code file has it

    m_window->findChild<QTabWidget *>(QStringLiteral("previewTabs"))->setCurrentWidget(code);
    text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum() / 2);
    const int place = text->verticalScrollBar()->value();
    QVERIFY(place > 0);
    options.setValue(Option::PageBackgroundColour, QStringLiteral("010203"));
    QVERIFY(show(options));
    QCOMPARE(text->verticalScrollBar()->value(), place);
    m_window->findChild<QTabWidget *>(QStringLiteral("previewTabs"))->setCurrentIndex(0);
}

void TestPreviewPage::thePageNeverLeaves()
{
    evaluate(page(), QStringLiteral("window.stylewrightMark = 7"));
    LocalHttpServer server;
    server.route(QStringLiteral("/"), {200, "<html><body>elsewhere</body></html>"});
    page().load(QUrl(server.origin() + u"/"));
    QTest::qWait(500);
    QCOMPARE(page().url(), kSamplePageUrl);
    QCOMPARE(evaluate(page(), QStringLiteral("window.stylewrightMark")).toInt(), 7);
    QVERIFY(server.requests.isEmpty());
}

int main(int argc, char *argv[])
{
    prepareWebEngine();
    QApplication app(argc, argv);
    TestPreviewPage test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_preview_page.moc"
