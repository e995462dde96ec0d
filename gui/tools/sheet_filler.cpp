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

SheetFiller::SheetFiller(QPlainTextEdit *view, QObject *parent)
    : QObject(parent), m_view(view), m_wrap(view->lineWrapMode()), m_previousWrap(m_wrap)
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
    auto promise = std::make_shared<QPromise<Lines>>();
    m_building = new QFutureWatcher<Lines>(this);
    connect(m_building, &QFutureWatcher<Lines>::finished, this, [this, watcher = m_building.data()] {
        watcher->deleteLater();
        if (watcher == m_building)
            startFeeding(watcher->result());
    });
    m_building->setFuture(promise->future());
    promise->start();
    // The worker touches nothing but its own copy of the bytes and the promise.
    QThreadPool::globalInstance()->start([promise, sheet] {
        promise->addResult(splitForView(sheet));
        promise->finish();
    });
}

SheetFiller::Lines SheetFiller::splitForView(const QByteArray &sheet)
{
    Lines lines{splitSheetLines(decodeGbk(sheet))};
    for (qsizetype start = 0; start < lines.text.size() && !lines.hasLongLine;) {
        qsizetype end = lines.text.indexOf(u'\n', start);
        if (end < 0)
            end = lines.text.size();
        lines.hasLongLine = end - start > kSliceChars;
        start = end + 1;
    }
    return lines;
}

void SheetFiller::startFeeding(const Lines &lines)
{
    m_building = nullptr;
    m_text = lines.text;
    m_fed = 0;
    m_previousWrap = m_view->lineWrapMode();
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
    // Changed only while the view shows the empty new document: the old one may hold a long line.
    m_view->setLineWrapMode(lines.hasLongLine ? QPlainTextEdit::NoWrap : m_wrap);
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
        // A slice ends with a line, so no line is laid out again and again as it grows; a line
        // longer than a slice goes in whole.
        qsizetype stop = qMin(m_text.size(), m_fed + kSliceChars);
        if (stop < m_text.size()) {
            const qsizetype lineEnd = m_text.indexOf(u'\n', stop - 1);
            stop = lineEnd < 0 ? m_text.size() : lineEnd + 1;
        }
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
    m_next->clear(); // so that neither document is laid out again in the other's wrapping
    m_view->setLineWrapMode(m_previousWrap);
    m_view->setDocument(m_previous);
    m_view->setReadOnly(m_wasReadOnly);
    delete m_next;
}

} // namespace stylewright
