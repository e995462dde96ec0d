#include "stylewright-preview/preview_window.h"

#include "options/catalogue.h"
#include "stylewright-preview/code_pane.h"
#include "stylewright-preview/contrast_pane.h"
#include "stylewright-preview/page_pointing.h"
#include "stylewright-preview/sample_page.h"
#include "stylewright-preview/text_check.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace stylewright {
namespace {

using namespace std::chrono_literals;

constexpr auto kCheckSettle = 150ms; // a burst of sheets is checked once, after its last

QSettings windowSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("stylewright"),
                     QStringLiteral("stylewright-preview"));
}

} // namespace

PreviewWindow::PreviewWindow(QWidget *parent)
    : QWidget(parent), m_page(new SamplePage(this)), m_view(new QWebEngineView(this)), m_code(new CodePane(this)),
      m_notice(new QLabel(this)), m_tabs(new QTabWidget(this)), m_contrast(new ContrastPane(this)),
      m_pointing(new PagePointing(*m_view, *m_page, this)), m_labelLine(new QLabel(this)),
      m_checkSoon(new QTimer(this)), m_lastGood(kTabCount)
{
    setObjectName(QStringLiteral("frmpreview"));
    setWindowTitle(kPreviewWindowTitle);
    m_view->setPage(m_page);
    m_view->setContextMenuPolicy(Qt::NoContextMenu); // its menu offers to reload and leave the page
    m_code->setObjectName(QStringLiteral("codePane"));
    m_notice->setObjectName(QStringLiteral("notice"));
    m_notice->setWordWrap(true);
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->setStyleSheet(QStringLiteral("QLabel{background:#fff6d5;color:#6b5200;padding:4px 8px}"));
    m_notice->hide();
    m_tabs->setObjectName(QStringLiteral("previewTabs"));
    m_tabs->addTab(m_view, QStringLiteral("预览"));
    m_tabs->addTab(m_code, QStringLiteral("代码"));
    m_tabs->addTab(m_contrast, QStringLiteral("检查"));
    m_tabs->setCornerWidget(buildPointButton(), Qt::TopRightCorner);
    m_contrast->setObjectName(QStringLiteral("contrastPane"));
    m_labelLine->setObjectName(QStringLiteral("labelLine"));
    m_labelLine->setTextFormat(Qt::PlainText);
    m_labelLine->setContentsMargins(8, 2, 8, 2);
    m_labelLine->setAccessibleName(QStringLiteral("指向的部分"));
    m_checkSoon->setSingleShot(true);
    m_checkSoon->setInterval(kCheckSettle);
    connect(m_checkSoon, &QTimer::timeout, this, &PreviewWindow::check);
    connect(m_page, &SamplePage::applied, this, &PreviewWindow::checkSoon);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] {
        if (m_checkStale)
            checkSoon();
    });
    connect(m_pointing, &PagePointing::said, m_labelLine, &QLabel::setText);
    connect(m_pointing, &PagePointing::picked, this, &PreviewWindow::picked);
    connect(m_contrast, &ContrastPane::picked, this, &PreviewWindow::picked);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_notice);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(m_labelLine);
    resize(QSize(1100, 800).boundedTo(screen()->availableSize() * 9 / 10)); // the page is 950 wide
}

void PreviewWindow::showSheet(const Sheet &sheet, quint64 sequence)
{
    for (qsizetype i = 0; i < sheet.size() && i < m_lastGood.size(); ++i) {
        if (!sheet[i].failed())
            m_lastGood[i] = sheet[i].css;
    }
    m_page->applyCss(pageCss(), sequence);
    m_pointing->setSheet(pageCss());
    m_checkStale = true;
    m_code->setCss(wholeCss(sheet));
    showNotices(sheet);
}

QString PreviewWindow::pageCss() const
{
    return m_lastGood.join(QString());
}

QWidget *PreviewWindow::buildPointButton()
{
    m_point = new QToolButton(this);
    m_point->setObjectName(QStringLiteral("pointButton"));
    m_point->setText(kPointCaption);
    m_point->setCheckable(true);
    m_point->setAutoRaise(true);
    m_point->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    m_point->setToolTip(QStringLiteral("指向页面的一部分，看它由哪些选项设置；单击转到这些选项（Ctrl+E）"));
    m_point->setAccessibleName(kPointCaption);
    m_point->setChecked(windowSettings().value(kPointingKey, false).toBool());
    m_pointing->setPointing(m_point->isChecked());
    connect(m_point, &QToolButton::toggled, this, &PreviewWindow::setPointing);
    return m_point;
}

void PreviewWindow::setPointing(bool on)
{
    m_pointing->setPointing(on);
    windowSettings().setValue(kPointingKey, on);
    if (on)
        m_tabs->setCurrentWidget(m_view);
}

void PreviewWindow::showField(const preview::FocusMessage &focus)
{
    m_pointing->showField(focus);
}

void PreviewWindow::checkSoon()
{
    m_checkStale = true;
    if (m_tabs->currentWidget() == m_contrast)
        m_checkSoon->start();
}

void PreviewWindow::check()
{
    if (m_checking) {
        m_checkSoon->start(); // once this one has answered
        return;
    }
    m_checking = true;
    m_checkStale = false;
    checkTexts(*m_page, [this](const Result<QList<TextFinding>> &findings) {
        m_checking = false;
        if (findings)
            m_contrast->showFindings(*findings);
        else
            m_contrast->showFailure(findings.failure().message);
        emit checked();
    });
}

void PreviewWindow::showNotices(const Sheet &sheet)
{
    QStringList lines;
    for (qsizetype i = 0; i < sheet.size() && i < kTabCount; ++i) {
        if (sheet[i].failed())
            lines.append(tabs()[i].caption.toString() + u'：' + sheet[i].notice);
    }
    if (lines.isEmpty()) {
        m_notice->hide();
        return;
    }
    lines.append(QStringLiteral("预览仍用这些区域上一次的样式，代码页里没有这些区域的代码。"));
    m_notice->setText(lines.join(u'\n'));
    m_notice->show();
}

void PreviewWindow::follow(preview::WindowCommand command)
{
    switch (command) {
    case preview::WindowCommand::Show:
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
        raise();
        activateWindow();
        break;
    case preview::WindowCommand::Minimise:
        setWindowState((windowState() & ~Qt::WindowMaximized) | Qt::WindowMinimized);
        break;
    case preview::WindowCommand::Restore:
        setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
        break;
    case preview::WindowCommand::Close:
        break;
    }
}

void PreviewWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closedByUser();
}

} // namespace stylewright
