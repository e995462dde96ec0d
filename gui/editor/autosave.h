#pragma once
// Writes the option record to the recovery file a second after the first change it has not
// written, however many follow, so a crash or a power cut loses at most the last two seconds of
// edits. The write (which syncs to disk) runs on a thread of its own with a copy of the record,
// never holding up typing; writes and removals run one after another in the order they were
// asked for. A change made while a write is under way goes in the next one. Nothing runs while
// nothing changes.

#include "base/atomic_file.h"
#include "base/result.h"

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <chrono>
#include <memory>
#include <optional>

namespace stylewright {

class OptionSet;

// Where autosave reads the time and sets its one wake-up: a timer over the monotonic clock in
// the program; tests move a clock of their own by hand.
class AutosaveClock : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual std::chrono::milliseconds now() const = 0; // never goes back
    // due() comes once, at `time` or soon after; a later call replaces the wake-up.
    virtual void wakeAt(std::chrono::milliseconds time) = 0;
    virtual void cancel() = 0;
    virtual bool isSet() const = 0;

signals:
    void due();
};

class Autosave : public QObject {
    Q_OBJECT
public:
    Autosave(const OptionSet &options, const QString &path, QObject *parent = nullptr);
    ~Autosave() override; // waits for a write under way

    // How long after the first unwritten change the write starts.
    static constexpr std::chrono::milliseconds kDelay{1000};

    const QString &path() const { return m_path; }
    // Removes the file once the writes under way are done; the next change writes it again.
    void discard();
    // Blocks until every write and removal asked for so far is done.
    void waitForWrites() { m_pool.waitForDone(); }
    // Writes begun and finished since the start, failed ones included.
    int writesStarted() const { return m_writesStarted; }
    int writesDone() const { return m_writesDone; }

    // For tests and the crash driver: another delay, another clock, faults the writes act out.
    // A change still waiting for its write waits the new delay, from now on the new clock.
    void setDelay(std::chrono::milliseconds delay);
    void setClock(std::unique_ptr<AutosaveClock> clock);
    void setFaults(const WriteFaults &faults) { m_faults = faults; }

signals:
    void written();
    // The first of a run of failed writes; each later change tries again.
    void failed(const stylewright::Failure &failure);
    // A write worked again after failures.
    void recovered();

private:
    void noteChange();
    void schedule();
    void reschedule();
    void write();
    void finished(const Result<void> &result);

    const OptionSet &m_options;
    const QString m_path;
    std::unique_ptr<AutosaveClock> m_clock;
    std::chrono::milliseconds m_delay = kDelay;
    std::optional<std::chrono::milliseconds> m_unwrittenSince; // empty while the file holds every change
    QThreadPool m_pool;
    WriteFaults m_faults;
    bool m_writing = false;
    bool m_failing = false;
    int m_writesStarted = 0;
    int m_writesDone = 0;
};

} // namespace stylewright
