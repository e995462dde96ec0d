#pragma once
// The preview window: the sample page with the current sheet ("预览"), the whole sheet as text
// ("代码"), the texts too faint to read ("检查"), a quiet notice for each area whose block cannot
// be made, and "指向编辑", which outlines what the pointer is on and picks its options.

#include "preview/preview_message.h"
#include "preview/preview_sheet.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QTabWidget;
class QTimer;
class QToolButton;
class QWebEngineView;

namespace stylewright {

class CodePane;
class ContrastPane;
class PagePointing;
class SamplePage;

inline const QString kPreviewWindowTitle = QStringLiteral("实时预览 - stylewright");
inline const QString kPointCaption = QStringLiteral("指向编辑");

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

    // A field of the editor has the focus, or none has.
    void showField(const preview::FocusMessage &focus);
    PagePointing &pointing() { return *m_pointing; }
    ContrastPane &contrastPane() { return *m_contrast; }
    QToolButton &pointButton() { return *m_point; }
    QTabWidget &previewTabs() { return *m_tabs; }
    QLabel &labelLine() { return *m_labelLine; }

    // Where "指向编辑" is remembered between starts.
    static inline const QString kPointingKey = QStringLiteral("preview/pointing");

signals:
    // The user closed the window.
    void closedByUser();
    // The user clicked a part of the page, or a row of the check: the editor shows these options.
    void picked(stylewright::Area area, const QList<stylewright::Option> &options);
    // The check has listed the page as it is now.
    void checked();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showNotices(const Sheet &sheet);
    QWidget *buildPointButton();
    void setPointing(bool on);
    void checkSoon();
    void check();

    SamplePage *m_page;
    QWebEngineView *m_view;
    CodePane *m_code;
    QLabel *m_notice;
    QTabWidget *m_tabs;
    ContrastPane *m_contrast;
    PagePointing *m_pointing;
    QToolButton *m_point = nullptr;
    QLabel *m_labelLine;
    QTimer *m_checkSoon; // from a sheet taking effect until the check runs
    bool m_checkStale = true;
    bool m_checking = false;
    QStringList m_lastGood; // per area, the last block the page got
};

} // namespace stylewright
