#include "stylewright-preview/preview_window.h"

#include "options/catalogue.h"
#include "stylewright-preview/code_pane.h"
#include "stylewright-preview/sample_page.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace stylewright {

PreviewWindow::PreviewWindow(QWidget *parent)
    : QWidget(parent), m_page(new SamplePage(this)), m_view(new QWebEngineView(this)), m_code(new CodePane(this)),
      m_notice(new QLabel(this)), m_tabs(new QTabWidget(this)), m_lastGood(kTabCount)
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

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_notice);
    layout->addWidget(m_tabs, 1);
    resize(QSize(1100, 800).boundedTo(screen()->availableSize() * 9 / 10)); // the page is 950 wide
}

void PreviewWindow::showSheet(const Sheet &sheet, quint64 sequence)
{
    for (qsizetype i = 0; i < sheet.size() && i < m_lastGood.size(); ++i) {
        if (!sheet[i].failed())
            m_lastGood[i] = sheet[i].css;
    }
    m_page->applyCss(pageCss(), sequence);
    m_code->setCss(wholeCss(sheet));
    showNotices(sheet);
}

QString PreviewWindow::pageCss() const
{
    return m_lastGood.join(QString());
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
