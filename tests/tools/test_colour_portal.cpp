// The colour picker where the screen cannot be read: it asks the desktop portal, here a fake one
// on a private session bus, and shows what comes back exactly as a sampled colour.

#include "fake_portal.h"
#include "private_bus.h"
#include "support/fakes.h"
#include "system/dbus_colour_portal.h"
#include "system/qt_screen_pixels.h"
#include "tools/huepick_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDBusMessage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(stylewright::testing::PortalAnswer)

namespace {

// A screen that cannot be read at all, or one whose grabs come back empty.
class BlindPixels final : public ScreenPixels {
public:
    bool readable = false;
    int reads = 0;
    QPoint pointer{10, 10};

    bool canReadScreen() override { return readable; }
    QPoint pointerPosition() override { return pointer; }
    std::optional<Rgb> pixelAt(QPoint) override
    {
        ++reads;
        return std::nullopt;
    }
};

const QString kKeptText = u"#123456"_s;

} // namespace

class TestColourPortal : public QObject {
    Q_OBJECT
public:
    explicit TestColourPortal(const PrivateBus &bus) : m_bus(bus) {}

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pickedColourFillsTextAndSwatch_data();
    void pickedColourFillsTextAndSwatch();
    void cancellingChangesNothing();
    void failuresAreToldAndChangeNothing_data();
    void failuresAreToldAndChangeNothing();
    void noPortalAtAll();
    void silentPortalTimesOut();
    void stoppingOrClosingClosesTheRequest();
    void aResponseForAnotherRequestIsNotTaken();
    void emptyGrabHandsOverToTheDesktop();
    void screenReadability_data();
    void screenReadability();

private:
    void makeWindow(bool readable = false);
    void pick();
    QLineEdit *text() const { return m_window->findChild<QLineEdit *>(u"txthuepick"_s); }
    QPushButton *toggle() const { return m_window->findChild<QPushButton *>(u"cmdget"_s); }
    QString hint() const { return m_window->findChild<QLabel *>(u"Label2"_s)->text(); }
    QColor swatch() const { return m_window->findChild<QLabel *>(u"Picture1"_s)->palette().color(QPalette::Window); }
    // The picker is idle and shows what it showed before the pick.
    void verifyUnchanged();

    const PrivateBus &m_bus;
    std::unique_ptr<FakePortal> m_portal;
    BlindPixels *m_pixels = nullptr;
    DBusColourPortal *m_dbus = nullptr;
    FakePrompts m_prompts;
    std::unique_ptr<HuePickWindow> m_window;
};

void TestColourPortal::initTestCase()
{
    QVERIFY2(!m_bus.address().isEmpty(), m_bus.error().constData());
}

void TestColourPortal::init()
{
    m_portal = std::make_unique<FakePortal>(QString::fromUtf8(m_bus.address()));
    QVERIFY(m_portal->isRegistered());
    m_prompts = FakePrompts();
    makeWindow();
}

void TestColourPortal::cleanup()
{
    m_window.reset();
    m_portal.reset();
}

void TestColourPortal::makeWindow(bool readable)
{
    m_window.reset();
    auto pixels = std::make_unique<BlindPixels>();
    pixels->readable = readable;
    m_pixels = pixels.get();
    auto dbus = std::make_unique<DBusColourPortal>(); // the session bus, which is the test's own
    m_dbus = dbus.get();
    m_window = std::make_unique<HuePickWindow>(std::move(pixels), std::move(dbus), m_prompts);
    m_window->show();
    text()->setText(kKeptText);
}

void TestColourPortal::pick()
{
    toggle()->click();
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->isPicking(), 5000);
}

void TestColourPortal::verifyUnchanged()
{
    QCOMPARE(text()->text(), kKeptText);
    QVERIFY(!m_window->isPicking());
    QVERIFY(!m_window->isSampling());
    QCOMPARE(toggle()->text(), u"开始获取颜色"_s);
}

void TestColourPortal::pickedColourFillsTextAndSwatch_data()
{
    QTest::addColumn<PortalAnswer>("answer");
    QTest::addColumn<double>("red");
    QTest::addColumn<double>("green");
    QTest::addColumn<double>("blue");
    QTest::addColumn<QString>("shown");
    QTest::newRow("pure red") << PortalAnswer::Colour << 1.0 << 0.0 << 0.0 << u"#FF0000"_s;
    QTest::newRow("white") << PortalAnswer::Colour << 1.0 << 1.0 << 1.0 << u"#FFFFFF"_s;
    QTest::newRow("rounded to the nearest step") << PortalAnswer::Colour << 0.5 << 0.2 << 0.999 << u"#8033FF"_s;
    QTest::newRow("answer before the handle") << PortalAnswer::ColourBeforeReply << 0.0 << 0.0 << 1.0 << u"#0000FF"_s;
    QTest::newRow("handle of the portal's choosing")
        << PortalAnswer::ColourOnOwnPath << 0.0 << 1.0 << 0.0 << u"#00FF00"_s;
}

void TestColourPortal::pickedColourFillsTextAndSwatch()
{
    QFETCH(PortalAnswer, answer);
    QFETCH(double, red);
    QFETCH(double, green);
    QFETCH(double, blue);
    QFETCH(QString, shown);
    m_portal->setAnswer(answer);
    m_portal->setColour(red, green, blue);
    pick();

    QCOMPARE(text()->text(), shown);
    QCOMPARE(swatch(), QColor(shown));
    QCOMPARE(toggle()->text(), u"开始获取颜色"_s);
    QVERIFY(m_prompts.shown.isEmpty());
    // The token names the request object, so the answer can be awaited before the call returns.
    QCOMPARE(m_portal->options.size(), 1);
    const QString token = m_portal->options[0].value(u"handle_token"_s).toString();
    QVERIFY(token.startsWith(u"stylewright"));
    QCOMPARE(m_portal->parentWindows, QStringList{QString()}); // no X window id off X

    // The same copy as a sampled colour.
    QTest::mouseClick(text(), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), shown);
    QCOMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(m_prompts.shown[0].text, shown + u"颜色已经复制");

    pick(); // and again, with a new token
    QCOMPARE(m_portal->options.size(), 2);
    QVERIFY(m_portal->options[1].value(u"handle_token"_s).toString() != token);
}

void TestColourPortal::cancellingChangesNothing()
{
    // Where the screen cannot be read, the picker opens ready to ask the desktop, and asks nothing
    // before the button is clicked.
    QVERIFY(m_window->picksThroughDesktop());
    QCOMPARE(hint(), u"点击“开始获取颜色”后，在屏幕上单击想要的颜色，就会立即取到颜色！"_s);
    QVERIFY(m_portal->options.isEmpty());

    const QColor before = swatch();
    m_portal->setAnswer(PortalAnswer::Cancel);
    toggle()->click();
    QVERIFY(m_window->isPicking());
    QVERIFY(!m_window->isSampling());
    QCOMPARE(toggle()->text(), u"停止获取颜色"_s);
    QTRY_VERIFY(!m_window->isPicking());
    verifyUnchanged();
    QCOMPARE(swatch(), before);
    QVERIFY(m_prompts.shown.isEmpty());
    QCOMPARE(m_pixels->reads, 0);
}

void TestColourPortal::failuresAreToldAndChangeNothing_data()
{
    QTest::addColumn<PortalAnswer>("answer");
    QTest::addColumn<QVariantMap>("results");
    QTest::addColumn<QString>("message");
    const QString garbled = kPortalGarbledText;
    QTest::newRow("no handle but a string") << PortalAnswer::NotAPath << QVariantMap() << garbled;
    QTest::newRow("response of the wrong shape") << PortalAnswer::WrongSignal << QVariantMap() << garbled;
    QTest::newRow("no colour") << PortalAnswer::Results << QVariantMap{{u"colour"_s, 1.0}} << garbled;
    QTest::newRow("colour as a word") << PortalAnswer::Results << QVariantMap{{u"color"_s, u"red"_s}} << garbled;
    QTest::newRow("colour of two numbers")
        << PortalAnswer::Results << QVariantMap{{u"color"_s, QVariant::fromValue(ShortColour{1, 0})}} << garbled;
    QTest::newRow("colour above one") << PortalAnswer::Results
                                      << QVariantMap{{u"color"_s, QVariant::fromValue(PortalColour{1.5, 0, 0})}}
                                      << garbled;
    QTest::newRow("colour below zero") << PortalAnswer::Results
                                       << QVariantMap{{u"color"_s, QVariant::fromValue(PortalColour{0, -0.1, 0})}}
                                       << garbled;
    QTest::newRow("colour not a number") << PortalAnswer::Results
                                         << QVariantMap{{u"color"_s,
                                                         QVariant::fromValue(PortalColour{0, 0, std::nan("")})}}
                                         << garbled;
    QTest::newRow("ended otherwise") << PortalAnswer::Ended << QVariantMap() << kPortalEndedText;
}

void TestColourPortal::failuresAreToldAndChangeNothing()
{
    QFETCH(PortalAnswer, answer);
    QFETCH(QVariantMap, results);
    QFETCH(QString, message);
    m_portal->setAnswer(answer);
    if (!results.isEmpty())
        m_portal->setResults(results);
    pick();
    QTRY_COMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(m_prompts.shown[0].title, u"错误提示"_s);
    QCOMPARE(m_prompts.shown[0].text, message);
    verifyUnchanged();

    // The picker stays usable: the next pick works.
    m_portal->setAnswer(PortalAnswer::Colour);
    m_portal->setColour(0, 0, 0);
    pick();
    QCOMPARE(text()->text(), u"#000000"_s);
    QCOMPARE(m_prompts.shown.size(), 1);
}

void TestColourPortal::noPortalAtAll()
{
    m_portal.reset();
    pick();
    QCOMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(m_prompts.shown[0].title, u"错误提示"_s);
    QCOMPARE(m_prompts.shown[0].text, kNoPortalText);
    QVERIFY(kNoPortalText.contains(u"无法获取颜色"));
    verifyUnchanged();

    // A bus that cannot be reached says the same.
    DBusColourPortal unreachable(QDBusConnection::connectToBus(u"unix:path=/nonexistent/bus"_s, u"nowhere"_s));
    QList<Failure> failed;
    unreachable.setListener({{}, {}, [&failed](const Failure &why) { failed << why; }});
    QVERIFY(unreachable.start(nullptr));
    QVERIFY(failed.isEmpty()); // told after start() returns, never during it
    QTRY_COMPARE(failed.size(), 1);
    QCOMPARE(failed[0].message, kNoPortalText);
    QVERIFY(!unreachable.isBusy());
}

void TestColourPortal::silentPortalTimesOut()
{
    m_dbus->setReplyTimeout(std::chrono::milliseconds(300));
    m_portal->setAnswer(PortalAnswer::NoReply);
    toggle()->click();
    QVERIFY(m_window->isPicking());
    QTest::qWait(100);
    QVERIFY(m_prompts.shown.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(m_prompts.shown.size(), 1, 5000);
    QCOMPARE(m_prompts.shown[0].text, kPortalSilentText);
    verifyUnchanged();

    m_portal->setAnswer(PortalAnswer::Colour);
    m_portal->setColour(1, 1, 0);
    pick();
    QCOMPARE(text()->text(), u"#FFFF00"_s);
}

void TestColourPortal::stoppingOrClosingClosesTheRequest()
{
    m_portal->setAnswer(PortalAnswer::AcceptOnly);
    m_portal->setColour(1, 0, 0);
    toggle()->click();
    QTRY_COMPARE(m_portal->handles.size(), 1);
    QTest::qWait(50);
    QVERIFY(m_window->isPicking());

    toggle()->click(); // "停止获取颜色"
    verifyUnchanged();
    QTRY_COMPARE(m_portal->closed, m_portal->handles);

    // An answer that comes after all is not taken.
    m_portal->respondLate(0);
    QTest::qWait(100);
    verifyUnchanged();
    QVERIFY(m_prompts.shown.isEmpty());

    // Closing the window closes the desktop's picker too.
    toggle()->click();
    QTRY_COMPARE(m_portal->handles.size(), 2);
    m_window->close();
    QVERIFY(!m_window->isPicking());
    QTRY_COMPARE(m_portal->closed, m_portal->handles);
}

void TestColourPortal::aResponseForAnotherRequestIsNotTaken()
{
    m_portal->setAnswer(PortalAnswer::AcceptOnly);
    m_portal->setColour(1, 0, 0);
    toggle()->click();
    QTRY_COMPARE(m_portal->handles.size(), 1);

    // A Response that reaches the picker for another request, as one queued for an earlier pick
    // still arrives after a new one has begun: same shape, another object.
    for (const QString &path :
         {QString(m_portal->handles[0] + u"0"), u"/org/freedesktop/portal/desktop/request/other/1"_s}) {
        QDBusMessage other = QDBusMessage::createSignal(path, u"org.freedesktop.portal.Request"_s, u"Response"_s);
        other << 0u << QVariantMap{{u"color"_s, QVariant::fromValue(PortalColour{0, 1, 0})}};
        QVERIFY(QMetaObject::invokeMethod(m_dbus, "onResponse", Q_ARG(QDBusMessage, other)));
    }
    QVERIFY(m_window->isPicking());
    QCOMPARE(text()->text(), kKeptText);
    QVERIFY(m_prompts.shown.isEmpty());

    m_portal->respondLate(0); // its own
    QTRY_COMPARE(text()->text(), u"#FF0000"_s);
    QVERIFY(m_prompts.shown.isEmpty());
}

void TestColourPortal::emptyGrabHandsOverToTheDesktop()
{
    makeWindow(true);
    QVERIFY(!m_window->picksThroughDesktop());
    QCOMPARE(hint(), u"获取想要的颜色后请按回车确定，就会立即停止取色！"_s);
    m_portal->setColour(0, 0.5, 0);

    toggle()->click();
    QVERIFY(m_window->isSampling());
    m_window->sample(); // the grab comes back empty
    QCOMPARE(m_pixels->reads, 1);
    QVERIFY(!m_window->isSampling());
    QVERIFY(m_window->picksThroughDesktop());
    QVERIFY(hint().contains(u"单击"));
    QTRY_COMPARE(text()->text(), u"#008000"_s);
    QVERIFY(m_prompts.shown.isEmpty());
    QCOMPARE(toggle()->text(), u"开始获取颜色"_s);
}

void TestColourPortal::screenReadability_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QByteArray>("session");
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::addColumn<bool>("readable");
    QTest::newRow("X11") << u"xcb"_s << QByteArray("x11") << QByteArray() << true;
    QTest::newRow("X server, session unknown") << u"xcb"_s << QByteArray() << QByteArray() << true;
    QTest::newRow("Wayland") << u"wayland"_s << QByteArray("wayland") << QByteArray("wayland-0") << false;
    QTest::newRow("Wayland with EGL") << u"wayland-egl"_s << QByteArray() << QByteArray() << false;
    QTest::newRow("X server of a Wayland session") << u"xcb"_s << QByteArray("wayland") << QByteArray() << false;
    QTest::newRow("X server beside a Wayland display") << u"xcb"_s << QByteArray() << QByteArray("wayland-0") << false;
    QTest::newRow("no display") << u"offscreen"_s << QByteArray("wayland") << QByteArray() << true;
}

void TestColourPortal::screenReadability()
{
    QFETCH(QString, platform);
    QFETCH(QByteArray, session);
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(bool, readable);
    QCOMPARE(isScreenReadable(platform, session, waylandDisplay), readable);
}

int main(int argc, char *argv[])
{
    PrivateBus bus; // before anything in the process opens the session bus
    QApplication app(argc, argv);
    TestColourPortal test(bus);
    return QTest::qExec(&test, argc, argv);
}

#include "test_colour_portal.moc"
