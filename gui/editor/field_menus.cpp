#include "editor/field_menus.h"

#include "editor/edit_history.h"
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

enum class HistoryKey { None, Undo, Redo };

HistoryKey historyKey(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (event->matches(QKeySequence::Undo) || (key == Qt::Key_Z && mods == Qt::ControlModifier))
        return HistoryKey::Undo;
    if (event->matches(QKeySequence::Redo) || (key == Qt::Key_Y && mods == Qt::ControlModifier) ||
        (key == Qt::Key_Z && mods == (Qt::ControlModifier | Qt::ShiftModifier)))
        return HistoryKey::Redo;
    return HistoryKey::None;
}

// The option a field, or the line edit inside a choice field, edits.
std::optional<Option> optionOf(const QObject *widget)
{
    for (const QObject *w = widget; w; w = w->parent()) {
        if (const int row = optionIndex(w->objectName()); row >= 0)
            return optionAt(row);
    }
    return std::nullopt;
}

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
    for (int tab = 0; tab < kTabCount; ++tab) {
        if (m_form.isBuilt(tab))
            watchTab(tab);
    }
    connect(&m_form, &OptionForm::tabBuilt, this, &FieldMenus::watchTab);

    QTabBar *bar = m_tabs->tabBar();
    bar->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(bar, &QWidget::customContextMenuRequested, this, [this, bar](const QPoint &pos) {
        const int tab = bar->tabAt(pos);
        popUp(tabMenu(tab >= 0 ? tab : m_tabs->currentIndex(), bar), bar, pos);
    });
}

void FieldMenus::watchTab(int tab)
{
    for (const OptionDef &def : options()) {
        if (def.tab != tab)
            continue;
        QWidget *field = m_form.field(def.option);
        if (!field)
            continue;
        watch(field, def.option);
        if (QLineEdit *edit = lineEditOf(field); edit && edit != field)
            watch(edit, def.option);
    }
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
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo->setEnabled(m_history.canUndo());
    QAction *redo = menu->addAction(kRedoCaption, this, [this] { m_history.redo(); });
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    redo->setEnabled(m_history.canRedo());
}

void FieldMenus::addResetActions(QMenu *menu, Option option, bool withField)
{
    if (withField)
        menu->addAction(kResetFieldCaption, this, [this, option] { m_resets.field(option); });
    const int tab = optionDef(option).tab;
    menu->addAction(kResetTabCaption, this, [this, tab] { m_resets.tab(tab); });
    menu->addAction(kResetAllCaption, this, [this] { m_resets.all(); });
}

QMenu *FieldMenus::fieldMenu(Option option, QWidget *parent)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("fieldMenu"));
    addHistoryActions(menu);
    menu->addSeparator();
    if (QLineEdit *edit = lineEditOf(m_form.field(option))) {
        addEditActions(menu, edit);
        menu->addSeparator();
    }
    addResetActions(menu, option, true);
    return menu;
}

QMenu *FieldMenus::tabMenu(int tab, QWidget *parent)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("tabMenu"));
    addHistoryActions(menu);
    menu->addSeparator();
    const QString caption = m_tabs->tabText(tab);
    menu->addAction(QStringLiteral("“%1”恢复默认值").arg(caption), this, [this, tab] { m_resets.tab(tab); });
    menu->addAction(kResetAllCaption, this, [this] { m_resets.all(); });
    return menu;
}

bool FieldMenus::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return false;
    const HistoryKey key = historyKey(static_cast<QKeyEvent *>(event));
    if (key == HistoryKey::None || !optionOf(watched))
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
