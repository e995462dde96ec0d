// Pointing at the page and the check of its texts, through the preview window and its link to
// the editor as the program wires them: this test plays the editor on the link's two pipes.

#include "options/option_set.h"
#include "preview/preview_message.h"
#include "preview/preview_sheet.h"
#include "stylewright-preview/contrast_pane.h"
#include "stylewright-preview/editor_link.h"
#include "stylewright-preview/engine_setup.h"
#include "stylewright-preview/page_pointing.h"
#include "stylewright-preview/preview_window.h"
#include "stylewright-preview/sample_page.h"

#include <QApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMouseEvent>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QWebEngineView>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

using namespace stylewright;
using namespace stylewright::preview;
using enum Option;

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

QJsonObject json(const QVariant &text)
{
    return QJsonDocument::fromJson(text.toString().toUtf8()).object();
}

} // namespace

class TestPagePointing : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void pointingOutlinesWhatTheSheetStyles();
    void aClickPicksItsOptionsAndNeverLeaves();
    void aBurstOfMovesEndsOnTheLast();
    void aFocusedFieldOutlinesWhatItStyles();
    void aFieldThatStylesNothingSaysSo();
    void theCheckListsFaintTextsAndGoesToThem();
    void pointingIsRemembered();

private:
    void send(const Message &message);
    std::optional<PickMessage> nextPick();
    // The element's box in the page and the outline's first box, as {left, top, width, height}.
    QJsonObject rectOf(const QString &selector);
    QJsonObject outlineBox();
    QPoint centreOf(const QString &selector); // of its top edge
    void mouse(QEvent::Type type, QPoint at);
    PreviewWindow &window() { return *m_window; }
    SamplePage &page() { return m_window->page(); }

    std::unique_ptr<PreviewWindow> m_window;
    std::unique_ptr<EditorLink> m_link;
    int m_toPreview[2] = {-1, -1};
    int m_fromPreview[2] = {-1, -1};
    MessageReader m_answers;
};

void TestPagePointing::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("stylewright"),
              QStringLiteral("stylewright-preview"))
        .remove(PreviewWindow::kPointingKey);
    QVERIFY(::pipe(m_toPreview) == 0 && ::pipe(m_fromPreview) == 0);
    ::fcntl(m_fromPreview[0], F_SETFL, O_NONBLOCK);
    m_window = std::make_unique<PreviewWindow>();
    m_link = std::make_unique<EditorLink>(*m_window, m_toPreview[0], m_fromPreview[1]);
    m_window->resize(1100, 700);
    m_window->show();
    QVERIFY(!window().pointButton().isChecked());
    QSignalSpy applied(&page(), &SamplePage::applied);
    send(SheetMessage{1, sheetFor(OptionSet::withDefaults())});
    QVERIFY(applied.wait(kWaitMs));
}

void TestPagePointing::cleanupTestCase()
{
    m_link.reset();
    m_window.reset();
    for (int fd : {m_toPreview[0], m_toPreview[1], m_fromPreview[0], m_fromPreview[1]})
        ::close(fd);
}

void TestPagePointing::send(const Message &message)
{
    const QByteArray frame = encodeMessage(message);
    QCOMPARE(::write(m_toPreview[1], frame.constData(), size_t(frame.size())), ssize_t(frame.size()));
}

std::optional<PickMessage> TestPagePointing::nextPick()
{
    std::optional<PickMessage> pick;
    (void)QTest::qWaitFor(
        [&] {
            char buffer[4096];
            for (ssize_t n; (n = ::read(m_fromPreview[0], buffer, sizeof buffer)) > 0;)
                m_answers.append(QByteArrayView(buffer, n));
            while (std::optional<Message> m = m_answers.next()) {
                if (auto *p = std::get_if<PickMessage>(&*m))
                    pick = *p;
            }
            return pick.has_value();
        },
        kWaitMs);
    return pick;
}

QJsonObject TestPagePointing::rectOf(const QString &selector)
{
    return json(evaluate(page(), QStringLiteral("(function () { var r = document.querySelector(%1)"
                                                ".getBoundingClientRect(); return JSON.stringify({left: r.left + "
                                                "scrollX, top: r.top + scrollY, width: r.width, height: r.height});"
                                                "})()")
                                     .arg(javaScriptString(selector))));
}

QJsonObject TestPagePointing::outlineBox()
{
    return json(evaluate(page(), QStringLiteral("(function () { var l = document.getElementById('stylewright-"
                                                "pointing'); var b = l && l.firstChild; if (!b) return '{}';"
                                                "return JSON.stringify({left: parseFloat(b.style.left), top: "
                                                "parseFloat(b.style.top), width: parseFloat(b.style.width), height: "
                                                "parseFloat(b.style.height), boxes: l.childElementCount}); })()")));
}

QPoint TestPagePointing::centreOf(const QString &selector)
{
    // Near the top: the second navigation bar lies over the lower part of the first.
    const QJsonObject r = json(evaluate(
        page(), QStringLiteral("(function () { var r = document.querySelector(%1).getBoundingClientRect();"
                               "return JSON.stringify({x: r.left + r.width / 2, y: r.top + Math.min(5, r.height / 2)});"
                               "})()")
                    .arg(javaScriptString(selector))));
    return QPoint(qRound(r.value(QStringLiteral("x")).toDouble()), qRound(r.value(QStringLiteral("y")).toDouble()));
}

void TestPagePointing::mouse(QEvent::Type type, QPoint at)
{
    QWidget *target = window().view().focusProxy();
    QVERIFY(target);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void TestPagePointing::pointingOutlinesWhatTheSheetStyles()
{
    const QJsonObject before = rectOf(QStringLiteral("#tab2"));
    // Off, a move outlines nothing.
    mouse(QEvent::MouseMove, centreOf(QStringLiteral("#tab a.on")));
    QTest::qWait(200);
    QVERIFY(window().labelLine().text().isEmpty());

    window().pointButton().click();
    QSignalSpy outlined(&window().pointing(), &PagePointing::outlined);
    mouse(QEvent::MouseMove, centreOf(QStringLiteral("#tab a.on")));
    QVERIFY(outlined.wait(kWaitMs));
    QVERIFY2(window().labelLine().text().startsWith(QStringLiteral("3.导航设置 · ")),
             qPrintable(window().labelLine().text()));
    const QJsonObject box = outlineBox(), link = rectOf(QStringLiteral("#tab a.on"));
    QCOMPARE(box.value(QStringLiteral("boxes")).toInt(), 2); // the box and its label
    for (const char *side : {"left", "top", "width", "height"})
        QCOMPARE(qRound(box.value(QString::fromLatin1(side)).toDouble()),
                 qRound(link.value(QString::fromLatin1(side)).toDouble()));
    QCOMPARE(rectOf(QStringLiteral("#tab2")), before); // the outline moves nothing
}

void TestPagePointing::aClickPicksItsOptionsAndNeverLeaves()
{
    const QPoint link = centreOf(QStringLiteral("#tab a.on"));
    mouse(QEvent::MouseButtonPress, link);
    mouse(QEvent::MouseButtonRelease, link);
    const std::optional<PickMessage> pick = nextPick();
    QVERIFY(pick);
    QCOMPARE(pick->area, Area::Navigation);
    QVERIFY(pick->options.contains(NavigationColour));
    QVERIFY(pick->options.contains(NavigationFontSize));
    QTest::qWait(100);
    QCOMPARE(page().url(), kSamplePageUrl);
}

void TestPagePointing::aBurstOfMovesEndsOnTheLast()
{
    QSignalSpy outlined(&window().pointing(), &PagePointing::outlined);
    const QPoint nav = centreOf(QStringLiteral("#tab a.on")), name = centreOf(QStringLiteral("#header div.tit a"));
    for (int i = 0; i < 100; ++i)
        mouse(QEvent::MouseMove, i % 2 ? nav : name);
    mouse(QEvent::MouseMove, name);
    QVERIFY(
        QTest::qWaitFor([&] { return window().labelLine().text().startsWith(QStringLiteral("2.名称简介")); }, kWaitMs));
    QTest::qWait(200);
    QVERIFY2(outlined.size() < 10, qPrintable(QString::number(outlined.size())));
    QVERIFY(window().labelLine().text().startsWith(QStringLiteral("2.名称简介")));
    window().pointButton().click(); // off: the outline goes
    QVERIFY(QTest::qWaitFor([&] { return outlineBox().isEmpty(); }, kWaitMs));
}

void TestPagePointing::aFocusedFieldOutlinesWhatItStyles()
{
    QSignalSpy outlined(&window().pointing(), &PagePointing::outlined);
    send(FocusMessage{PageBackgroundColour, true, {}});
    QVERIFY(outlined.wait(kWaitMs));
    QVERIFY2(window().labelLine().text().contains(QStringLiteral("背景颜色")), qPrintable(window().labelLine().text()));
    const QJsonObject box = outlineBox(), body = rectOf(QStringLiteral("body"));
    QCOMPARE(box.value(QStringLiteral("boxes")).toInt(), 2); // body and .stage
    QCOMPARE(qRound(box.value(QStringLiteral("width")).toDouble()),
             qRound(body.value(QStringLiteral("width")).toDouble()));
    QCOMPARE(qRound(box.value(QStringLiteral("top")).toDouble()), qRound(body.value(QStringLiteral("top")).toDouble()));

    // A field whose elements are below the window scrolls the first of them into view.
    QCOMPARE(evaluate(page(), QStringLiteral("scrollY")).toInt(), 0);
    send(FocusMessage{ExtrasColour, true, {}}); // the page's foot
    QVERIFY(outlined.wait(kWaitMs));
    QVERIFY(evaluate(page(), QStringLiteral("scrollY")).toInt() > 0);
    evaluate(page(), QStringLiteral("scrollTo(0, 0)"));
}

void TestPagePointing::aFieldThatStylesNothingSaysSo()
{
    send(FocusMessage{PagePicture, false, QStringLiteral("需先勾选“添加背景图片”")});
    QVERIFY(QTest::qWaitFor([&] { return window().labelLine().text().contains(QStringLiteral("现在不影响页面")); },
                            kWaitMs));
    QVERIFY(window().labelLine().text().contains(QStringLiteral("需先勾选“添加背景图片”")));
    QVERIFY(QTest::qWaitFor([&] { return outlineBox().isEmpty(); }, kWaitMs));
}

void TestPagePointing::theCheckListsFaintTextsAndGoesToThem()
{
    QSignalSpy checked(&window(), &PreviewWindow::checked);
    window().previewTabs().setCurrentWidget(&window().contrastPane());
    QVERIFY(checked.wait(kWaitMs));
    QTreeWidget &list = window().contrastPane().list();
    QTreeWidgetItem *navigation = nullptr;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        if (list.topLevelItem(row)->text(0) == QStringLiteral("3.导航设置"))
            navigation = list.topLevelItem(row);
    }
    QVERIFY2(navigation, qPrintable(QString::number(list.topLevelItemCount())));
    QVERIFY(navigation->text(2).endsWith(QStringLiteral(":1")));
    emit list.itemActivated(navigation, 0);
    const std::optional<PickMessage> pick = nextPick();
    QVERIFY(pick);
    QCOMPARE(pick->area, Area::Navigation);

    // A new sheet is checked again once it is in effect.
    OptionSet readable = OptionSet::withDefaults();
    readable.setValue(PageBackgroundColour, QStringLiteral("背景颜色#ffffff"));
    send(SheetMessage{2, sheetFor(readable)});
    QVERIFY(checked.wait(kWaitMs));
    window().previewTabs().setCurrentIndex(0);
}

void TestPagePointing::pointingIsRemembered()
{
    window().pointButton().setChecked(true);
    QVERIFY(PreviewWindow().pointButton().isChecked());
    window().pointButton().setChecked(false);
    QVERIFY(!PreviewWindow().pointButton().isChecked());
}

int main(int argc, char *argv[])
{
    prepareWebEngine();
    QApplication app(argc, argv);
    TestPagePointing test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_page_pointing.moc"
