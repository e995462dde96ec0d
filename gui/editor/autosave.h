#pragma once
// Writes the option record to the recovery file at most a second after it changes, so a crash
// or a power cut loses at most the last two seconds of edits. The write (which syncs to disk)
// runs on a thread of its own with a copy of the record, never holding up typing; writes and
// removals run one after another in the order they were asked for. Nothing runs while nothing
// changes.

#include "base/atomic_file.h"
#include "base/result.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

namespace stylewright {

class OptionSet;

class Autosave : public QObject {
    Q_OBJECT
public:
    Autosave(const OptionSet &options, const QString &path, QObject *parent = nullptr);
    ~Autosave() override; // waits for a write under way

    // How long after the first unsaved change the write starts.
    static constexpr int kDelayMs = 1000;

    const QString &path() const { return m_path; }
    // Removes the file once the writes under way are done; the next change writes it again.
    void discard();
    // Blocks until every write and removal asked for so far is done.
    void waitForWrites() { m_pool.waitForDone(); }
    // Writes finished since the start, failed ones included.
    int writesDone() const { return m_writesDone; }
    // Faults the writes act out (tests).
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
    void write();
    void finished(const Result<void> &result);

    const OptionSet &m_options;
    const QString m_path;
    QTimer m_timer;
    QElapsedTimer m_unsavedSince; // invalid while the file holds every change
    QThreadPool m_pool;
    WriteFaults m_faults;
    bool m_writing = false;
    bool m_failing = false;
    int m_writesDone = 0;
};

} // namespace stylewright
