#pragma once
// The preview window: the sample page with the current sheet ("预览"), the whole sheet as text
// ("代码"), and a quiet notice for each area whose block cannot be made.

#include "preview/preview_message.h"
#include "preview/preview_sheet.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QTabWidget;
class QWebEngineView;

namespace stylewright {

class CodePane;
class SamplePage;

inline const QString kPreviewWindowTitle = QStringLiteral("实时预览 - stylewright");

class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit PreviewWindow(QWidget *parent = nullptr);

    SamplePage &page() { return *m_page; }
    QWebEngineView &view() { return *m_view; }

    // The page takes every area's block, keeping the last good block of an area that has none
    // now; the code pane shows exactly the blocks the buttons would write; the notice names
    // each area left out.
    void showSheet(const Sheet &sheet, quint64 sequence);
    // Follows the editor's main window (closing is the program's business).
    void follow(preview::WindowCommand command);

    // The sheet the page was last given.
    QString pageCss() const;

signals:
    // The user closed the window.
    void closedByUser();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showNotices(const Sheet &sheet);

    SamplePage *m_page;
    QWebEngineView *m_view;
    CodePane *m_code;
    QLabel *m_notice;
    QTabWidget *m_tabs;
    QStringList m_lastGood; // per area, the last block the page got
};

} // namespace stylewright
