// The editor's side of pointing: a focused field is told to the preview, a part of the page
// picked there brings its options forward, with a stand-in program playing the preview.

#include "editor/field_highlight.h"
#include "editor/option_form.h"
#include "editor_fixture.h"
#include "preview/live_preview.h"
#include "preview/preview_message.h"
#include "stylewright/preview_button.h"
#include "support/helpers.h"

#include <QPushButton>
#include <QTabWidget>

using namespace stylewright;
using namespace stylewright::preview;
using namespace stylewright::testing;
using enum Option;

namespace {

constexpr int kWaitMs = 20000;

QList<FocusMessage> focusesIn(const QString &log)
{
    MessageReader reader;
    reader.append(readFile(log));
    QList<FocusMessage> found;
    while (std::optional<Message> m = reader.next()) {
        if (const auto *focus = std::get_if<FocusMessage>(&*m))
            found.append(*focus);
    }
    return found;
}

} // namespace

class TestPreviewPicks : public QObject {
    Q_OBJECT
private slots:
    void aFocusedFieldIsToldAndAPickBringsItsOptions();
};

void TestPreviewPicks::aFocusedFieldIsToldAndAPickBringsItsOptions()
{
    QTemporaryDir logs;
    const QString log = logs.filePath(QStringLiteral("run.log"));
    qputenv("FAKE_PREVIEW_LOG", log.toLocal8Bit());
    qputenv("FAKE_PREVIEW_MODE", "pick");
    Editor e;
    installLivePreview(e.window, e.prompts, QStringLiteral(FAKE_PREVIEW));
    e.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&e.window));
    // Before the preview is asked for, focus goes nowhere.
    e.field(PageBackgroundColour)->setFocus();
    QTest::mouseClick(e.window.button(WindowButton::Preview), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(log), kWaitMs);

    // The name's picture box is not ticked: its address styles nothing now, and the preview hears why.
    e.record.setValue(NamePictureOn, QStringLiteral("0"));
    e.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&e.window));
    e.field(NamePicture)->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(!focusesIn(log).isEmpty(), kWaitMs);
    const FocusMessage told = focusesIn(log).first();
    QCOMPARE(told.option, std::optional<Option>(NamePicture));
    QVERIFY(!told.stylesNow);
    QVERIFY2(told.why.contains(QStringLiteral("勾选")), qPrintable(told.why));

    // The stand-in answers with a burst of picks: only the last, the navigation's, is shown.
    QTRY_COMPARE_WITH_TIMEOUT(e.window.tabs()->currentIndex(), int(Area::Navigation), kWaitMs);
    QWidget *colour = e.window.form().widgetOf(NavigationColour);
    QVERIFY(colour);
    QTRY_VERIFY_WITH_TIMEOUT(colour->hasFocus() || colour->isAncestorOf(QApplication::focusWidget()), kWaitMs);
    QVERIFY(FieldHighlight::isHighlighted(colour));
    QVERIFY(FieldHighlight::isHighlighted(e.window.form().widgetOf(NavigationFontSize)));
    // The field that took the focus is told in turn: it styles the page.
    QTRY_VERIFY_WITH_TIMEOUT(focusesIn(log).last().option == std::optional<Option>(NavigationColour), kWaitMs);
    QVERIFY(focusesIn(log).last().stylesNow);
    qunsetenv("FAKE_PREVIEW_MODE");
}

QTEST_MAIN(TestPreviewPicks)
#include "test_preview_picks.moc"
