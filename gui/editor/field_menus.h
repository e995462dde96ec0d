#pragma once
// The editor's own context menus, in Chinese. A field's menu: undo and redo of the option record,
// the usual edit actions for text, then putting back the design-time value of the field, of its
// tab or of everything. The tab bar's menu: undo, redo and the two resets for the tab under the
// pointer. In a text field Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y undo and redo the record's history
// rather than the field's own, so one history holds every change.

#include "options/catalogue.h"

#include <QObject>
#include <functional>

class QMenu;
class QPoint;
class QTabWidget;
class QWidget;

namespace stylewright {

class EditHistory;
class OptionForm;

class FieldMenus : public QObject {
    Q_OBJECT
public:
    struct Resets {
        std::function<void(Option)> field;
        std::function<void(Area)> tab;
        std::function<void()> all; // asks first
    };
    FieldMenus(EditHistory &history, OptionForm &form, QTabWidget *tabs, Resets resets, QObject *parent = nullptr);

    // The menus as a right click shows them; the caller owns them.
    QMenu *fieldMenu(Option option, QWidget *parent);
    QMenu *tabMenu(Area area, QWidget *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QWidget *widget, Option option);
    void addHistoryActions(QMenu *menu);
    void addResetActions(QMenu *menu, Option option, bool withField);
    void popUp(QMenu *menu, QWidget *at, const QPoint &pos);

    EditHistory &m_history;
    OptionForm &m_form;
    QTabWidget *m_tabs;
    Resets m_resets;
};

inline const QString kUndoCaption = QStringLiteral("撤销(&U)");
inline const QString kRedoCaption = QStringLiteral("重做(&R)");
inline const QString kResetFieldCaption = QStringLiteral("恢复默认值");
inline const QString kResetTabCaption = QStringLiteral("本页恢复默认值");
inline const QString kResetAllCaption = QStringLiteral("全部恢复默认值…");

} // namespace stylewright
