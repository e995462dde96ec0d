#include "editor/field_menus.h"

#include "editor/edit_history.h"
#include "editor/history_keys.h"
#include "editor/option_form.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>

namespace stylewright {
namespace {

QLineEdit *lineEditOf(QWidget *field)
{
    if (auto *combo = qobject_cast<QComboBox *>(field))
        return combo->lineEdit();
    return qobject_cast<QLineEdit *>(field);
}

void addEditActions(QMenu *menu, QLineEdit *edit)
{
    const bool writable = !edit->isReadOnly();
    const bool selected = edit->hasSelectedText();
    QAction *cut = menu->addAction(QStringLiteral("剪切(&T)"), edit, &QLineEdit::cut);
    cut->setEnabled(writable && selected);
    cut->setShortcut(QKeySequence::Cut);
    QAction *copy = menu->addAction(QStringLiteral("复制(&C)"), edit, &QLineEdit::copy);
    copy->setEnabled(selected);
    copy->setShortcut(QKeySequence::Copy);
    QAction *paste = menu->addAction(QStringLiteral("粘贴(&P)"), edit, &QLineEdit::paste);
    paste->setEnabled(writable && !QGuiApplication::clipboard()->text().isEmpty());
    paste->setShortcut(QKeySequence::Paste);
    QAction *remove = menu->addAction(QStringLiteral("删除(&D)"), edit, &QLineEdit::del);
    remove->setEnabled(writable && selected);
    menu->addSeparator();
    QAction *all = menu->addAction(QStringLiteral("全选(&A)"), edit, &QLineEdit::selectAll);
    all->setEnabled(!edit->text().isEmpty() && edit->selectedText() != edit->text());
    all->setShortcut(QKeySequence::SelectAll);
}

} // namespace

FieldMenus::FieldMenus(EditHistory &history, OptionForm &form, QTabWidget *tabs, Resets resets, QObject *parent)
    : QObject(parent), m_history(history), m_form(form), m_tabs(tabs), m_resets(std::move(resets))
{
    m_form.forEachField(this, [this](Option option, QWidget *field) {
        watch(field, option);
        if (QLineEdit *edit = lineEditOf(field); edit && edit != field)
            watch(edit, option);
    });

    QTabBar *bar = m_tabs->tabBar();
    bar->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(bar, &QWidget::customContextMenuRequested, this, [this, bar](const QPoint &pos) {
        const int tab = bar->tabAt(pos);
        // Away from every tab, the menu is for the tab being shown.
        const int index = tab >= 0 ? tab : m_tabs->currentIndex();
        if (index >= 0 && index < kTabCount)
            popUp(tabMenu(Area(index), bar), bar, pos);
    });
}

void FieldMenus::watch(QWidget *widget, Option option)
{
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(widget, &QWidget::customContextMenuRequested, this,
            [this, widget, option](const QPoint &pos) { popUp(fieldMenu(option, widget), widget, pos); });
    // On the choice box too: it has the focus and hands keys to its line edit past any filter.
    if (lineEditOf(widget))
        widget->installEventFilter(this);
}

void FieldMenus::popUp(QMenu *menu, QWidget *at, const QPoint &pos)
{
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(at->mapToGlobal(pos));
}

void FieldMenus::addHistoryActions(QMenu *menu)
{
    QAction *undo = menu->addAction(kUndoCaption, this, [this] { m_history.undo(); });
    undo->setShortcut(undoKey());
    undo->setEnabled(m_history.canUndo());
    QAction *redo = menu->addAction(kRedoCaption, this, [this] { m_history.redo(); });
    redo->setShortcuts(redoKeys());
    redo->setEnabled(m_history.canRedo());
}

void FieldMenus::addResetActions(QMenu *menu, Option option, bool withField)
{
    if (withField)
        menu->addAction(kResetFieldCaption, this, [this, option] { m_resets.field(option); });
    const Area area = optionDef(option).area;
    menu->addAction(kResetTabCaption, this, [this, area] { m_resets.tab(area); });
    menu->addAction(kResetAllCaption, this, [this] { m_resets.all(); });
}

QMenu *FieldMenus::fieldMenu(Option option, QWidget *parent)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("fieldMenu"));
    addHistoryActions(menu);
    menu->addSeparator();
    if (QLineEdit *edit = lineEditOf(m_form.widgetOf(option))) {
        addEditActions(menu, edit);
        menu->addSeparator();
    }
    addResetActions(menu, option, true);
    return menu;
}

QMenu *FieldMenus::tabMenu(Area area, QWidget *parent)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("tabMenu"));
    addHistoryActions(menu);
    menu->addSeparator();
    const QString caption = tabDef(area).caption.toString();
    menu->addAction(QStringLiteral("“%1”恢复默认值").arg(caption), this, [this, area] { m_resets.tab(area); });
    menu->addAction(kResetAllCaption, this, [this] { m_resets.all(); });
    return menu;
}

bool FieldMenus::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return false;
    const HistoryKey key = historyKeyOf(static_cast<QKeyEvent *>(event));
    if (key == HistoryKey::None || !m_form.optionOf(watched))
        return false;
    // Taken here, so the field's own undo never runs and the key press comes to this filter.
    if (type == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (key == HistoryKey::Undo)
        m_history.undo();
    else
        m_history.redo();
    return true;
}

} // namespace stylewright
