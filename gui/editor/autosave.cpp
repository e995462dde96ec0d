#include "editor/autosave.h"

#include "base/data_folder.h"
#include "options/option_set.h"
#include "options/recovery_file.h"

#include <QFile>
#include <QFileInfo>
#include <memory>

namespace stylewright {

Autosave::Autosave(const OptionSet &options, const QString &path, QObject *parent)
    : QObject(parent), m_options(options), m_path(path)
{
    m_timer.setSingleShot(true);
    m_pool.setMaxThreadCount(1); // one at a time, in order
    connect(&m_timer, &QTimer::timeout, this, &Autosave::write);
    connect(&m_options.changes(), &OptionChanges::changed, this, &Autosave::noteChange);
}

Autosave::~Autosave()
{
    m_pool.waitForDone();
}

void Autosave::noteChange()
{
    if (!m_unsavedSince.isValid())
        m_unsavedSince.start();
    schedule();
}

// The write starts a set time after the first change it carries, however many follow.
void Autosave::schedule()
{
    if (m_writing || m_timer.isActive() || !m_unsavedSince.isValid())
        return;
    m_timer.start(std::max<qint64>(0, kDelayMs - m_unsavedSince.elapsed()));
}

void Autosave::write()
{
    m_writing = true;
    m_unsavedSince.invalidate();
    auto snapshot = std::make_shared<const OptionSet>(m_options);
    m_pool.start([this, snapshot, path = m_path, faults = m_faults] {
        // The user's data folder is made on the first save; an autosave before it makes it too.
        const Result<void> folder = makeDataFolder(QFileInfo(path).absolutePath());
        const Result<void> result = folder ? writeRecovery(path, *snapshot, faults) : folder;
        QMetaObject::invokeMethod(
            this, [this, result] { finished(result); }, Qt::QueuedConnection);
    });
}

void Autosave::finished(const Result<void> &result)
{
    m_writing = false;
    ++m_writesDone;
    if (!result) {
        logFailure(result.failure());
        if (!m_failing) {
            m_failing = true;
            emit failed(result.failure());
        }
    } else if (m_failing) {
        m_failing = false;
        emit recovered();
    }
    emit written();
    schedule(); // changes made while writing
}

void Autosave::discard()
{
    m_timer.stop();
    m_unsavedSince.invalidate();
    m_pool.start([path = m_path] { QFile::remove(path); });
}

} // namespace stylewright
