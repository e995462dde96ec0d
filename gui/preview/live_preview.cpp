#include "preview/live_preview.h"

#include "styling/option_reach.h"
#include "options/option_set.h"
#include "platform/prompts.h"
#include "preview/preview_process.h"
#include "preview/preview_sheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QWidget>

namespace stylewright {

using namespace preview;

QString previewProgramPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(kPreviewProgramName);
}

bool previewProgramPresent(const QString &path)
{
    return QFileInfo(path).isExecutable();
}

LivePreview::LivePreview(const OptionSet &options, Prompts &prompts, const QString &program, QWidget *mainWindow)
    : QObject(mainWindow), m_options(options), m_prompts(prompts), m_program(program),
      m_process(new PreviewProcess(program, this)), m_settle(new QTimer(this))
{
    m_settle->setObjectName(QStringLiteral("settle"));
    m_settle->setSingleShot(true);
    m_settle->setInterval(kSettleTime);
    connect(m_settle, &QTimer::timeout, this, &LivePreview::sendSheet);
    // The interval is not restarted by later changes, so steady typing still shows every 20 ms.
    connect(&m_options.changes(), &OptionChanges::changed, this, [this] {
        if (isRunning() && !m_settle->isActive())
            m_settle->start();
    });
    connect(m_process, &PreviewProcess::ready, this, &LivePreview::ready);
    connect(m_process, &PreviewProcess::applied, this, &LivePreview::applied);
    connect(m_process, &PreviewProcess::picked, this,
            [this](const PickMessage &pick) { emit picked(pick.area, pick.options); });
    connect(m_process, &PreviewProcess::crashed, this, &LivePreview::programCrashed, Qt::QueuedConnection);
    connect(
        m_process, &PreviewProcess::failedToStart, this,
        [this](const QString &why) {
            logFailure({{}, m_program + u": " + why});
            m_prompts.inform(kErrorTitle, kPreviewStartFailedMessage.arg(QDir::toNativeSeparators(m_program)));
        },
        Qt::QueuedConnection);
    mainWindow->installEventFilter(this);
}

LivePreview::~LivePreview()
{
    m_process->stop();
}

bool LivePreview::isRunning() const
{
    return m_process->isRunning();
}

void LivePreview::open()
{
    if (!isRunning()) {
        m_process->start();
        sendSheet();
    }
    m_process->send(WindowMessage{WindowCommand::Show});
    m_minimised = static_cast<QWidget *>(parent())->isMinimized();
    if (m_minimised)
        m_process->send(WindowMessage{WindowCommand::Minimise});
}

void LivePreview::sendSheet()
{
    m_settle->stop();
    m_process->send(SheetMessage{++m_sequence, sheetFor(m_options)});
}

void LivePreview::showField(std::optional<Option> option)
{
    m_field = option;
    if (!isRunning() || m_fieldWaiting)
        return;
    m_fieldWaiting = true;
    QTimer::singleShot(0, this, &LivePreview::sendField);
}

void LivePreview::sendField()
{
    m_fieldWaiting = false;
    FocusMessage focus{m_field, true, {}};
    if (m_field) {
        focus.stylesNow = stylesNow(m_options, *m_field);
        if (!focus.stylesNow)
            focus.why = whyStylesNothing(m_options, *m_field);
    }
    m_process->send(focus);
}

void LivePreview::programCrashed(const QString &why)
{
    logFailure({{}, m_program + u": " + why});
    if (m_prompts.askYesNo(kErrorTitle, kPreviewCrashedQuestion))
        open();
}

bool LivePreview::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && isRunning()) {
        if (event->type() == QEvent::WindowStateChange) {
            const bool minimised = static_cast<QWidget *>(watched)->isMinimized();
            if (minimised != m_minimised)
                m_process->send(WindowMessage{minimised ? WindowCommand::Minimise : WindowCommand::Restore});
            m_minimised = minimised;
        } else if (event->type() == QEvent::Close) {
            // Once the close has gone through; a main window that refused it keeps its preview.
            QTimer::singleShot(0, this, [this] {
                if (!static_cast<QWidget *>(parent())->isVisible())
                    m_process->stop();
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace stylewright
