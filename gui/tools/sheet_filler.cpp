#include "tools/sheet_filler.h"

#include "base/text_encoding.h"
#include "service/sheet_text.h"

#include <QElapsedTimer>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPromise>
#include <QTextCursor>
#include <QTextDocument>
#include <QThreadPool>
#include <memory>

namespace stylewright {

SheetFiller::SheetFiller(QPlainTextEdit *view, QObject *parent) : QObject(parent), m_view(view)
{
    m_turn.setInterval(0);
    connect(&m_turn, &QTimer::timeout, this, &SheetFiller::feed);
}

SheetFiller::~SheetFiller()
{
    cancel();
}

void SheetFiller::fill(const QByteArray &sheet)
{
    cancel();
    auto promise = std::make_shared<QPromise<QString>>();
    m_building = new QFutureWatcher<QString>(this);
    connect(m_building, &QFutureWatcher<QString>::finished, this, [this, watcher = m_building.data()] {
        watcher->deleteLater();
        if (watcher == m_building)
            startFeeding(watcher->result());
    });
    m_building->setFuture(promise->future());
    promise->start();
    // The worker touches nothing but its own copy of the bytes and the promise.
    QThreadPool::globalInstance()->start([promise, sheet] {
        promise->addResult(splitSheetLines(decodeGbk(sheet)));
        promise->finish();
    });
}

void SheetFiller::startFeeding(const QString &text)
{
    m_building = nullptr;
    m_text = text;
    m_fed = 0;
    // The old document goes aside; the view would delete the one it made itself.
    m_previous = m_view->document();
    m_previous->setParent(this);
    m_next = new QTextDocument(m_view);
    m_next->setDocumentLayout(new QPlainTextDocumentLayout(m_next));
    m_next->setDefaultFont(m_view->font());
    m_next->setUndoRedoEnabled(false);
    m_wasReadOnly = m_view->isReadOnly();
    m_view->setReadOnly(true);
    m_view->setDocument(m_next);
    feed();
    if (m_next)
        m_turn.start();
}

void SheetFiller::feed()
{
    QElapsedTimer turn;
    turn.start();
    QTextCursor end(m_next);
    end.movePosition(QTextCursor::End);
    while (m_fed < m_text.size() && turn.elapsed() < kTurnBudget.count()) {
        qsizetype stop = qMin(m_text.size(), m_fed + kSliceChars);
        // A slice ends with a line, so no line is laid out twice.
        const qsizetype lineEnd = m_text.indexOf(u'\n', stop);
        if (stop < m_text.size() && lineEnd >= 0 && lineEnd - stop < kSliceChars)
            stop = lineEnd + 1;
        else if (stop < m_text.size() && m_text.at(stop - 1).isHighSurrogate())
            --stop;
        end.insertText(QStringView(m_text).sliced(m_fed, stop - m_fed).toString());
        m_fed = stop;
    }
    if (m_fed >= m_text.size())
        finish();
}

void SheetFiller::finish()
{
    m_turn.stop();
    m_text.clear();
    m_next->setUndoRedoEnabled(true);
    m_view->setReadOnly(m_wasReadOnly);
    m_next = nullptr;
    delete m_previous;
    emit filled();
}

void SheetFiller::cancel()
{
    if (m_building) {
        m_building->disconnect(this);
        m_building->deleteLater(); // the worker finishes on its own; its text is dropped
        m_building = nullptr;
    }
    if (!m_next)
        return;
    m_turn.stop();
    m_text.clear();
    m_previous->setParent(m_view);
    m_view->setDocument(m_previous);
    m_view->setReadOnly(m_wasReadOnly);
    delete m_next;
}

} // namespace stylewright
