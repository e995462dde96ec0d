#include "editor/edit_safety.h"

#include "editor/autosave.h"
#include "editor/change_marks.h"
#include "editor/colour_fields.h"
#include "editor/edit_history.h"
#include "editor/field_menus.h"
#include "editor/history_keys.h"
#include "editor/option_form.h"
#include "editor/recovery_offer.h"
#include "options/defaults.h"
#include "options/option_set.h"
#include "options/recovery_file.h"
#include "platform/prompts.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QStatusBar>

namespace stylewright {

EditSafety::EditSafety(OptionSet &options, OptionForm &form, ColourFields &colours, QTabWidget *tabs,
                       const QString &folder, Prompts &prompts, QWidget *window)
    : QObject(window), m_options(options), m_colours(colours), m_prompts(prompts), m_window(window),
      m_history(new EditHistory(options, this)), m_marks(new ChangeMarks(options, form, this)),
      m_autosave(new Autosave(options, recoveryPath(folder), this))
{
    m_history->setViewState([this] { return std::any(m_colours.paints()); },
                            [this](const std::any &paints) {
                                const auto *held = std::any_cast<ColourFields::Paints>(&paints);
                                m_colours.setPaints(held ? *held : ColourFields::Paints());
                            });
    m_colours.setHistory(m_history);
    form.setEditRunner([this](Option option, bool typed, const std::function<void()> &apply) {
        if (typed)
            m_history->typed(option, apply);
        else
            m_history->step(QStringLiteral("修改"), apply);
    });
    // Typing in a field is one step until the field is left.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old) {
        if (old)
            m_history->endTyping();
    });
    new FieldMenus(*m_history, form, tabs,
                   {[this](Option o) { resetField(o); }, [this](Area area) { resetTab(area); }, [this] { resetAll(); }},
                   this);
    addWindowKeys(window);
    connect(m_autosave, &Autosave::failed, this,
            [this](const Failure &failure) { showWriteFailure(kAutosaveFailedMessage.arg(failure.message)); });
    connect(m_autosave, &Autosave::recovered, this, &EditSafety::clearWriteFailure);
}

void EditSafety::addWindowKeys(QWidget *window)
{
    auto *undo = new QAction(window);
    undo->setShortcut(undoKey());
    connect(undo, &QAction::triggered, m_history, &EditHistory::undo);
    auto *redo = new QAction(window);
    redo->setShortcuts(redoKeys());
    connect(redo, &QAction::triggered, m_history, &EditHistory::redo);
    window->addActions({undo, redo});
}

void EditSafety::showWriteFailure(const QString &message)
{
    if (auto *main = qobject_cast<QMainWindow *>(m_window))
        main->statusBar()->showMessage(message);
}

void EditSafety::clearWriteFailure()
{
    if (auto *main = qobject_cast<QMainWindow *>(m_window))
        main->statusBar()->clearMessage();
}

void EditSafety::resetField(Option option)
{
    m_history->step(kResetFieldCaption, [&] {
        resetOption(m_options, option);
        if (m_colours.paints().contains(option)) {
            m_colours.unpaint(option);
            m_history->viewChanged();
        }
    });
}

void EditSafety::unpaintTab(Area area)
{
    for (const OptionDef &def : options()) {
        if (def.area == area && m_colours.paints().contains(def.option)) {
            m_colours.unpaint(def.option);
            m_history->viewChanged();
        }
    }
}

void EditSafety::resetTab(Area area)
{
    m_history->step(kResetTabCaption, [&] {
        stylewright::resetTab(m_options, area);
        unpaintTab(area);
    });
}

void EditSafety::resetAll()
{
    if (!m_prompts.askYesNo(kConfirmTitle, kResetAllQuestion))
        return;
    m_history->step(QStringLiteral("全部恢复默认值"), [&] {
        stylewright::resetAll(m_options);
        for (Area area : areas())
            unpaintTab(area);
    });
}

void EditSafety::offerRecovery()
{
    stylewright::offerRecovery(m_autosave->path(), m_prompts, [this](const OptionSet &recovered) {
        m_history->step(QStringLiteral("恢复未保存的选项"), [&] { m_options.assign(recovered); });
    });
}

void EditSafety::settingsSaved()
{
    if (m_autosaving)
        m_autosave->discard();
}

void EditSafety::windowClosed()
{
    if (m_autosaving)
        m_autosave->discard();
    m_autosave->waitForWrites();
}

void EditSafety::stopAutosave()
{
    m_autosaving = false;
    disconnect(&m_options.changes(), nullptr, m_autosave, nullptr);
}

} // namespace stylewright
