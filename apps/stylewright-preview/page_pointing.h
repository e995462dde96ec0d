#pragma once
// Pointing at the sample page: while it is on, the element under the pointer that the sheet
// styles is outlined with the area and options that style it, and a click picks them. The
// other way, the elements a field of the editor styles are outlined. Pointer moves that come
// while the page is still answering are gathered: only the newest is looked at.

#include "styling/element_styling.h"
#include "preview/preview_message.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSet>
#include <optional>

class QWebEngineView;

namespace stylewright {

class SamplePage;

class PagePointing : public QObject {
    Q_OBJECT
public:
    PagePointing(QWebEngineView &view, SamplePage &page, QObject *parent = nullptr);

    void setPointing(bool on);
    bool isPointing() const { return m_pointing; }
    // The sheet the page has now: only its rules place an element.
    void setSheet(const QString &css);
    // Outlines what the field styles, or says it styles nothing now; no field: takes the outline away.
    void showField(const preview::FocusMessage &focus);
    // Looks at the element under a point of the view, as a pointer move or a click there would.
    void pointAt(QPoint point, bool click);

signals:
    void picked(stylewright::Area area, const QList<stylewright::Option> &options);
    // The words for the label line: what is outlined, or why nothing is.
    void said(const QString &text);
    // An outline for the pointer, or for a field, is on the page now.
    void outlined();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Point {
        QPoint at;
        bool click = false;
    };
    void watch(QObject *child);
    void lookNext();
    void placed(const QVariant &chain, bool click);
    void finishLook();
    void clear();

    QWebEngineView &m_view;
    SamplePage &m_page;
    QSet<QString> m_written;
    bool m_pointing = false;
    bool m_looking = false;      // a hit test or outline is on its way
    std::optional<Point> m_next; // the newest point that came meanwhile; a click is never dropped for a move
    QString m_shownLabel;
};

} // namespace stylewright
