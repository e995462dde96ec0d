#pragma once
// The space CSS fetcher window: fetches the style sheet a space uses, shows it line by line and saves
// it under "csscode" next to the program. Borderless, with its own title row and rounded corners.
// While a fetch runs (until the sheet is on show), "获取CSS" reads "取消" and cancels it.

#include "platform/sheet_source.h"
#include "service/outside_links.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace stylewright {

class Prompts;
class SheetFiller;

struct FetcherSetup {
    SheetSourceMaker makeSource;                  // where sheets come from
    QString programFolder;                        // "csscode" goes here
    QString prefix = kSpaceHostPrefix.toString(); // scheme and host of the space server
    int cornerEllipse = 12;                       // pixels
    bool standalone = false;                      // the sheetfetch program: an about label, " X" ends it, no import
};

inline const QString kFetchFailedText = QStringLiteral("请填写正确的墨檐空间地址或者检查网络是否连接！");
inline const QString kSaveRefusedText = QStringLiteral("请填写正确的墨檐空间地址");
// What a save of this address is told when it gives no file name: kSaveRefusedText alone for an
// address too short to hold a name, else also why the name cannot be a file name.
QString refusedSaveText(QStringView address, QStringView prefix);

class FetcherWindow : public QWidget {
    Q_OBJECT
public:
    FetcherWindow(const FetcherSetup &setup, Prompts &prompts, QWidget *parent = nullptr);
    ~FetcherWindow() override;

    SheetSource &fetcher() { return *m_fetcher; }
    // A fetch is under way: requests, or the sheet going into the text field.
    bool isBusy() const { return m_busy; }
    // The about window of the sheetfetch program, when it is open.
    QWidget *aboutWindow() const { return m_about; }
    // "保存CSS".
    QPushButton *saveButton() const { return m_save; }

public slots:
    void fetch();
    // Stops the fetch under way; the text field keeps what it had, and nothing is told.
    void cancel();
    void save();
    void showAbout();

signals:
    // " X" clicked in the sheetfetch program.
    void endRequested();
    // "导入到编辑器" clicked (the editor's fetcher only): the shown text, as it would be saved.
    void importRequested(const QString &css);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *makeTitleRow();
    void setBusy(bool busy);

    FetcherSetup m_setup;
    Prompts &m_prompts;
    std::unique_ptr<SheetSource> m_fetcher;
    QPlainTextEdit *m_css;
    QLineEdit *m_address;
    QPushButton *m_get;
    QPushButton *m_import;
    QPushButton *m_save;
    SheetFiller *m_filler;
    bool m_busy = false;
    QPointer<QWidget> m_about;
};

} // namespace stylewright
