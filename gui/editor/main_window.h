#pragma once
// The editor's main window: the option search above the eleven option tabs, their "显示代码"
// buttons, the six window buttons below, and the secondary windows that follow it when it is
// minimised or closed.

#include "options/catalogue.h"

#include <QMainWindow>
#include <QString>
#include <array>

class QPushButton;
class QTabWidget;

namespace stylewright {

class ColourDialog;
class Desktop;
class EditHistory;
class EditSafety;
class OptionForm;
class OptionSearch;
class OptionSet;
class Prompts;
class SecondaryWindows;

inline const QString kMainWindowTitle = QStringLiteral("stylewright正式版 09.01.12 --------------打造个性化墨檐空间");
inline const QString kShowToolCaption = QStringLiteral("显示工具栏");
inline const QString kHideToolCaption = QStringLiteral("隐藏工具栏");
inline const QString kPreviewCaption = QStringLiteral("实时预览");
inline const QString kLooksCaption = QStringLiteral("外观库…");

// The row of buttons under the tabs, in window order.
enum class WindowButton : quint8 { ReadSettings, SaveSettings, HuePick, LookAtCode, FetchSheet, ToolWindow, Preview };
inline constexpr int kWindowButtonCount = int(WindowButton::Preview) + 1;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The window shows and edits `options`, which outlives it (the widgets report to it until
    // they are gone). The settings file and the CSS code file live in programFolder.
    MainWindow(OptionSet &options, const QString &programFolder, Prompts &prompts, Desktop &desktop,
               ColourDialog &colourDialog, QWidget *parent = nullptr);
    ~MainWindow() override;

    OptionSet &options() { return m_options; }
    OptionForm &form() { return *m_form; }
    OptionSearch &search() { return *m_search; }
    QTabWidget *tabs() const { return m_tabs; }
    QPushButton *button(WindowButton which) const { return m_buttons[int(which)]; }
    // "外观库…" (Ctrl+L), left of the search field.
    QPushButton *looksButton() const { return m_looksButton; }
    // The folder setup.ini and the user's looks are kept in.
    const QString &folder() const { return m_folder; }
    SecondaryWindows &secondaryWindows() { return *m_windows; }
    // Undo history, change marks, resets and autosave; history().step() makes one undo step.
    EditSafety &editSafety() { return *m_safety; }
    EditHistory &history();
    // At start: offers back the options a run that did not close cleanly left behind.
    void offerRecovery();
    // Shows the "实时预览" button (and its Ctrl+P); hidden while no preview program is there.
    void setPreviewAvailable(bool available);

    // Reads a sheet back into the options and tells the user what was read.
    void importCss(const QString &css);

signals:
    // The window has closed, and the secondary windows with it: the program ends.
    void closed();
    // The "实时预览" button was pressed.
    void previewRequested();
    // "外观库…" was pressed.
    void looksRequested();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *buildButtons();
    QPushButton *addButton(QLayout *row, WindowButton which, const char *name, const QString &caption);
    void addImportMenu(QWidget *bar);
    void toggleToolWindow();

    const QString m_folder;
    Prompts &m_prompts;
    Desktop &m_desktop;
    OptionSet &m_options;
    SecondaryWindows *m_windows;
    QTabWidget *m_tabs;
    OptionForm *m_form;
    EditSafety *m_safety;
    OptionSearch *m_search;
    std::array<QPushButton *, kWindowButtonCount> m_buttons{};
    QPushButton *m_looksButton;
    bool m_toolWindowAsked = false; // the tool-window button's last click showed the tool window
};

} // namespace stylewright
