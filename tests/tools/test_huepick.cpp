#include "support/fakes.h"
#include "tools/huepick_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace stylewright;
using namespace stylewright::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

// A screen whose pointer the test moves; each pixel read is counted.
class FakePixels final : public ScreenPixels {
public:
    QPoint pointer;
    QColor colour = Qt::black;
    bool refused = false;
    int reads = 0;

    bool canReadScreen() override { return true; }
    QPoint pointerPosition() override { return pointer; }
    std::optional<Rgb> pixelAt(QPoint position) override
    {
        ++reads;
        lastRead = position;
        if (refused)
            return std::nullopt;
        return Rgb(colour.rgb() & 0xFFFFFF);
    }
    QPoint lastRead;
};

} // namespace

class TestHuePick : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensIdle();
    void ticksReadOnlyWhenPointerMoves();
    void timerDrivesSampling();
    void enterAndButtonToggle();
    void copiesText_data();
    void copiesText();
    void refusedPixelKeepsColourAndSaysSoOnce();
    void closingStopsSampling();

private:
    QLineEdit *text() const { return m_window->findChild<QLineEdit *>(u"txthuepick"_s); }
    QPushButton *toggle() const { return m_window->findChild<QPushButton *>(u"cmdget"_s); }
    QColor swatch() const { return m_window->findChild<QLabel *>(u"Picture1"_s)->palette().color(QPalette::Window); }

    FakePixels *m_pixels = nullptr;
    FakePrompts m_prompts;
    std::unique_ptr<HuePickWindow> m_window;
};

void TestHuePick::init()
{
    auto pixels = std::make_unique<FakePixels>();
    m_pixels = pixels.get();
    m_prompts = FakePrompts();
    m_window = std::make_unique<HuePickWindow>(std::move(pixels), nullptr, m_prompts);
    m_window->show();
}

void TestHuePick::cleanup()
{
    m_window.reset();
}

void TestHuePick::opensIdle()
{
    QCOMPARE(m_window->windowTitle(), u"HuePick Beta 1.0"_s);
    QCOMPARE(m_window->objectName(), u"frmhuepick"_s);
    QVERIFY(!m_window->isSampling());
    QCOMPARE(toggle()->text(), u"开始获取颜色"_s);
    QVERIFY(text()->text().isEmpty());
    QCOMPARE(m_window->findChild<QLabel *>(u"Label1"_s)->text(), u"获取颜色"_s);
    QCOMPARE(m_window->findChild<QLabel *>(u"Label2"_s)->text(), u"获取想要的颜色后请按回车确定，就会立即停止取色！"_s);
    QCOMPARE(HuePickWindow::kSampleInterval, 50);
}

void TestHuePick::ticksReadOnlyWhenPointerMoves()
{
    // The pointer starts where the last sample is taken to be: nothing to read.
    m_window->sample();
    QCOMPARE(m_pixels->reads, 0);
    QVERIFY(text()->text().isEmpty());

    m_pixels->pointer = QPoint(120, 45);
    m_pixels->colour = QColor(255, 0, 0);
    m_window->sample();
    QCOMPARE(m_pixels->reads, 1);
    QCOMPARE(m_pixels->lastRead, QPoint(120, 45));
    QCOMPARE(text()->text(), u"#FF0000"_s);
    QCOMPARE(swatch(), QColor(255, 0, 0));

    m_pixels->colour = Qt::white; // the screen changed but the pointer did not move
    m_window->sample();
    m_window->sample();
    QCOMPARE(m_pixels->reads, 1);
    QCOMPARE(text()->text(), u"#FF0000"_s);

    m_pixels->pointer = QPoint(121, 45);
    m_window->sample();
    QCOMPARE(m_pixels->reads, 2);
    QCOMPARE(text()->text(), u"#FFFFFF"_s);
    QCOMPARE(swatch(), QColor(Qt::white));

    m_pixels->pointer = QPoint(5, 6);
    m_pixels->colour = QColor(0x0A, 0xbC, 0x3f);
    m_window->sample();
    QCOMPARE(text()->text(), u"#0ABC3F"_s);
}

void TestHuePick::timerDrivesSampling()
{
    m_pixels->pointer = QPoint(3, 3);
    m_pixels->colour = QColor(0, 0, 255);
    toggle()->click();
    QTRY_COMPARE_WITH_TIMEOUT(text()->text(), u"#0000FF"_s, 2000);
    QTest::qWait(200);
    QCOMPARE(m_pixels->reads, 1);
}

void TestHuePick::enterAndButtonToggle()
{
    toggle()->click();
    QVERIFY(m_window->isSampling());
    QCOMPARE(toggle()->text(), u"停止获取颜色"_s);
    m_pixels->pointer = QPoint(9, 9);
    m_pixels->colour = QColor(0x12, 0x34, 0x56);
    m_window->sample();

    QTest::keyClick(text(), Qt::Key_Return);
    QVERIFY(!m_window->isSampling());
    QCOMPARE(toggle()->text(), u"开始获取颜色"_s);
    QCOMPARE(text()->text(), u"#123456"_s);

    QTest::keyClick(m_window.get(), Qt::Key_Enter);
    QVERIFY(m_window->isSampling());
}

void TestHuePick::copiesText_data()
{
    QTest::addColumn<bool>("sampled");
    QTest::addColumn<QString>("message");
    QTest::newRow("after sampling") << true << u"#FF0000颜色已经复制"_s;
    QTest::newRow("before any sampling") << false << u"颜色已经复制"_s;
}

void TestHuePick::copiesText()
{
    QFETCH(bool, sampled);
    QFETCH(QString, message);
    QGuiApplication::clipboard()->setText(u"old"_s);
    if (sampled) {
        m_pixels->pointer = QPoint(1, 1);
        m_pixels->colour = Qt::red;
        m_window->sample();
    }
    QTest::mouseClick(text(), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), sampled ? u"#FF0000"_s : QString());
    QCOMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(m_prompts.shown[0].title, u"提示"_s);
    QCOMPARE(m_prompts.shown[0].text, message);
}

void TestHuePick::refusedPixelKeepsColourAndSaysSoOnce()
{
    m_pixels->pointer = QPoint(1, 1);
    m_pixels->colour = Qt::green;
    m_window->sample();
    m_pixels->refused = true;
    for (int x = 2; x < 6; ++x) {
        m_pixels->pointer = QPoint(x, 1);
        m_window->sample();
    }
    QCOMPARE(text()->text(), u"#00FF00"_s);
    QCOMPARE(swatch(), QColor(Qt::green));
    QCOMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(m_prompts.shown[0].title, u"提示"_s);
    QVERIFY(m_prompts.shown[0].text.contains(u"屏幕颜色"));
}

void TestHuePick::closingStopsSampling()
{
    toggle()->click();
    QVERIFY(m_window->isSampling());
    m_window->close();
    QVERIFY(!m_window->isSampling());
    m_window->show();
    QCOMPARE(toggle()->text(), u"开始获取颜色"_s);
}

QTEST_MAIN(TestHuePick)
#include "test_huepick.moc"
