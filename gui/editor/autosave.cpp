#include "editor/autosave.h"

#include "base/data_folder.h"
#include "options/option_set.h"
#include "options/recovery_file.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

namespace stylewright {
namespace {

using std::chrono::milliseconds;

class SteadyClock final : public AutosaveClock {
public:
    SteadyClock()
    {
        m_start.start();
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, &AutosaveClock::due);
    }
    milliseconds now() const override { return milliseconds(m_start.elapsed()); }
    void wakeAt(milliseconds time) override { m_timer.start(std::max(milliseconds(0), time - now())); }
    void cancel() override { m_timer.stop(); }
    bool isSet() const override { return m_timer.isActive(); }

private:
    QElapsedTimer m_start;
    QTimer m_timer;
};

} // namespace

Autosave::Autosave(const OptionSet &options, const QString &path, QObject *parent)
    : QObject(parent), m_options(options), m_path(path)
{
    m_pool.setMaxThreadCount(1); // one at a time, in order
    setClock(std::make_unique<SteadyClock>());
    connect(&m_options.changes(), &OptionChanges::changed, this, &Autosave::noteChange);
}

Autosave::~Autosave()
{
    m_pool.waitForDone();
}

void Autosave::setDelay(milliseconds delay)
{
    m_delay = delay;
    reschedule();
}

void Autosave::setClock(std::unique_ptr<AutosaveClock> clock)
{
    m_clock = std::move(clock);
    connect(m_clock.get(), &AutosaveClock::due, this, &Autosave::write);
    reschedule();
}

void Autosave::reschedule()
{
    m_clock->cancel();
    if (m_unwrittenSince)
        m_unwrittenSince = m_clock->now();
    schedule();
}

void Autosave::noteChange()
{
    if (!m_unwrittenSince)
        m_unwrittenSince = m_clock->now();
    schedule();
}

// The write starts a set time after the first change it carries, however many follow.
void Autosave::schedule()
{
    if (m_writing || m_clock->isSet() || !m_unwrittenSince)
        return;
    m_clock->wakeAt(*m_unwrittenSince + m_delay);
}

void Autosave::write()
{
    m_writing = true;
    ++m_writesStarted;
    m_unwrittenSince.reset(); // from here on, a change waits for the next write
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
    m_clock->cancel();
    m_unwrittenSince.reset();
    m_pool.start([path = m_path] { QFile::remove(path); });
}

} // namespace stylewright
