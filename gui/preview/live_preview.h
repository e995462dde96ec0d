#pragma once
// The editor's live preview: the preview program, started on first use, shows the sample page
// with the sheet of the options as they stand, follows every change within a moment, and
// follows the main window's minimising, restoring and closing.

#include "options/catalogue.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <optional>

class QWidget;

namespace stylewright {

class OptionSet;
class PreviewProcess;
class Prompts;

inline const QString kPreviewProgramName = QStringLiteral("stylewright-preview");
inline const QString kPreviewCrashedQuestion = QStringLiteral("实时预览程序意外退出了，是否重新启动它？");
inline const QString kPreviewStartFailedMessage = QStringLiteral(
    "无法启动实时预览程序“%1”。编辑器可以照常使用；请确认该程序与 stylewright 在同一文件夹中并且可以运行。");

// Where the editor looks for the preview program: beside itself, where installed programs share a folder.
QString previewProgramPath();
// One file check: whether that program is there to run.
bool previewProgramPresent(const QString &path);

class LivePreview : public QObject {
    Q_OBJECT
public:
    // Changes of options are gathered this long before the sheet is sent.
    static constexpr std::chrono::milliseconds kSettleTime{20};

    // mainWindow is followed; the preview is a child of it and ends with it.
    LivePreview(const OptionSet &options, Prompts &prompts, const QString &program, QWidget *mainWindow);
    ~LivePreview() override;

    // Starts the program if it is not running, sends it the sheet and shows its window.
    void open();
    bool isRunning() const;
    // A field has the focus (nothing: none has): the page outlines what it styles. Of several in
    // one turn of the event loop only the last is sent.
    void showField(std::optional<Option> option);

signals:
    // The page has loaded.
    void ready();
    // The sheet with this sequence number, or a later one, is in effect in the page.
    void applied(quint64 sequence);
    // The user picked a part of the page, which these options of the area style.
    void picked(stylewright::Area area, const QList<stylewright::Option> &options);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void sendSheet();
    void sendField();
    void programCrashed(const QString &why);

    const OptionSet &m_options;
    Prompts &m_prompts;
    QString m_program;
    PreviewProcess *m_process;
    QTimer *m_settle; // "settle": runs from the first change of a burst until its sheet goes
    quint64 m_sequence = 0;
    std::optional<Option> m_field; // the field to tell the page about
    bool m_fieldWaiting = false;   // a send of m_field is queued

    bool m_minimised = false; // as the preview was last told
};

} // namespace stylewright
