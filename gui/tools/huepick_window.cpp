#include "tools/huepick_window.h"

#include "platform/prompts.h"
#include "tools/window_shape.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace stylewright {
namespace {

const QString kStart = QStringLiteral("开始获取颜色");
const QString kStop = QStringLiteral("停止获取颜色");
const QString kEnterHint = QStringLiteral("获取想要的颜色后请按回车确定，就会立即停止取色！");
const QString kClickHint = QStringLiteral("点击“开始获取颜色”后，在屏幕上单击想要的颜色，就会立即取到颜色！");

} // namespace

QString colourText(const QColor &colour)
{
    return colour.name(QColor::HexRgb).toUpper();
}

HuePickWindow::HuePickWindow(std::unique_ptr<ScreenPixels> pixels, std::unique_ptr<ColourPortal> portal,
                             Prompts &prompts, QWidget *parent)
    : QWidget(parent, Qt::Window), m_pixels(std::move(pixels)), m_portal(std::move(portal)), m_prompts(prompts)
{
    setObjectName(QStringLiteral("frmhuepick"));
    setWindowTitle(QStringLiteral("HuePick Beta 1.0"));

    auto *caption = new QLabel(QStringLiteral("获取颜色"), this);
    caption->setObjectName(QStringLiteral("Label1"));
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("txthuepick"));
    m_swatch = new QLabel(this);
    m_swatch->setObjectName(QStringLiteral("Picture1"));
    m_swatch->setFixedSize(48, 22);
    m_swatch->setFrameShape(QFrame::Box);
    m_swatch->setAutoFillBackground(true);
    m_toggle = new QPushButton(kStart, this);
    m_toggle->setObjectName(QStringLiteral("cmdget"));
    m_toggle->setDefault(true);
    m_toggle->setAutoDefault(true);
    m_hint = new QLabel(kEnterHint, this);
    m_hint->setObjectName(QStringLiteral("Label2"));
    m_hint->setWordWrap(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(caption, 0, 0);
    grid->addWidget(m_text, 0, 1);
    grid->addWidget(m_swatch, 0, 2);
    grid->addWidget(m_toggle, 1, 0, 1, 3);
    grid->addWidget(m_hint, 2, 0, 1, 3);
    setMinimumWidth(380);

    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setInterval(kSampleInterval);
    connect(&m_timer, &QTimer::timeout, this, &HuePickWindow::sample);
    connect(m_toggle, &QPushButton::clicked, this, &HuePickWindow::toggleSampling);
    onClick(m_text, [this] { copyColour(); });
    if (m_portal) {
        listenToPortal();
        if (!m_pixels->canReadScreen())
            pickThroughDesktop();
    }
}

void HuePickWindow::listenToPortal()
{
    m_portal->setListener({[this](Rgb colour) {
                               m_toggle->setText(kStart);
                               showColour(QColor::fromRgb(colour));
                           },
                           [this] { m_toggle->setText(kStart); },
                           [this](const Failure &why) {
                               logFailure(why);
                               m_toggle->setText(kStart);
                               m_prompts.inform(kErrorTitle, why.message);
                           }});
}

void HuePickWindow::pickThroughDesktop()
{
    m_throughDesktop = true;
    m_hint->setText(kClickHint);
}

void HuePickWindow::togglePick()
{
    if (m_portal->isBusy()) {
        m_portal->abandon();
        m_toggle->setText(kStart);
    } else if (m_portal->start(this)) {
        m_toggle->setText(kStop);
    }
}

void HuePickWindow::toggleSampling()
{
    if (m_throughDesktop) {
        togglePick();
        return;
    }
    if (m_timer.isActive()) {
        m_timer.stop();
        m_toggle->setText(kStart);
    } else {
        m_timer.start();
        m_toggle->setText(kStop);
    }
}

void HuePickWindow::sample()
{
    const QPoint position = m_pixels->pointerPosition();
    if (position == m_lastPosition)
        return;
    m_lastPosition = position;
    if (const std::optional<Rgb> colour = m_pixels->pixelAt(position)) {
        showColour(QColor::fromRgb(*colour));
    } else if (m_portal) {
        // The screen cannot be read after all: the desktop's picker takes over from here.
        m_timer.stop();
        pickThroughDesktop();
        togglePick();
    } else if (!m_refusalShown) {
        // Set first: the timer keeps ticking while the message box is open.
        m_refusalShown = true;
        m_prompts.inform(kInfoTitle, QStringLiteral("此桌面环境不允许读取屏幕颜色，取色工具在这里无法获取颜色。"));
    }
}

void HuePickWindow::showColour(const QColor &colour)
{
    m_text->setText(colourText(colour));
    QPalette palette = m_swatch->palette();
    palette.setColor(QPalette::Window, colour);
    m_swatch->setPalette(palette);
}

void HuePickWindow::copyColour()
{
    const QString text = m_text->text();
    QGuiApplication::clipboard()->setText(text);
    m_prompts.inform(kInfoTitle, text + u"颜色已经复制");
}

void HuePickWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_toggle->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HuePickWindow::closeEvent(QCloseEvent *event)
{
    m_timer.stop();
    if (m_portal)
        m_portal->abandon();
    m_toggle->setText(kStart);
    QWidget::closeEvent(event);
}

} // namespace stylewright
