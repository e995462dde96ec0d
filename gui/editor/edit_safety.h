#pragma once
// What keeps the user's work from being lost, wired into the editor window in one place: the
// undo history with its keys and menus, marks on changed fields, resets to the design-time
// values, and autosave to the recovery file with its offer at the next start.

#include "options/catalogue.h"

#include <QObject>
#include <QString>

class QTabWidget;
class QWidget;

namespace stylewright {

class Autosave;
class ChangeMarks;
class ColourFields;
class EditHistory;
class OptionForm;
class OptionSet;
class Prompts;

class EditSafety : public QObject {
    Q_OBJECT
public:
    // The recovery file lives in `folder`, beside setup.ini; `window` gets the undo keys.
    EditSafety(OptionSet &options, OptionForm &form, ColourFields &colours, QTabWidget *tabs, const QString &folder,
               Prompts &prompts, QWidget *window);

    EditHistory &history() { return *m_history; }
    ChangeMarks &marks() { return *m_marks; }
    Autosave &autosave() { return *m_autosave; }

    // Each is one undo step; resetAll() asks first.
    void resetField(Option option);
    void resetTab(Area area);
    void resetAll();

    // At start: offers back the options a run that did not close cleanly left behind.
    void offerRecovery();
    // setup.ini now holds the options, and a clean close loses nothing: the recovery file goes.
    void settingsSaved();
    void windowClosed();
    // For an editor that does not hold its folder: nothing is autosaved, and the recovery file,
    // which may be another editor's, is left alone.
    void stopAutosave();
    bool isAutosaving() const { return m_autosaving; }

private:
    void addWindowKeys(QWidget *window);
    void showWriteFailure(const QString &message);
    void clearWriteFailure();
    void unpaintTab(Area area);

    OptionSet &m_options;
    ColourFields &m_colours;
    Prompts &m_prompts;
    QWidget *m_window;
    EditHistory *m_history;
    ChangeMarks *m_marks;
    Autosave *m_autosave;
    bool m_autosaving = true;
};

inline const QString kResetAllQuestion = QStringLiteral("确定要把所有选项恢复为默认值吗？（可以用“撤销”找回）");
inline const QString kAutosaveFailedMessage = QStringLiteral("自动保存失败（%1），下次修改时再试");

} // namespace stylewright
