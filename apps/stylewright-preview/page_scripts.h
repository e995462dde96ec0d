#pragma once
// The scripts the program runs beside the sample page, in their own script world: the page's
// own scripts stay off, and nothing here is ever put into the page as script. They read the
// page and draw outlines on a layer of their own that takes no pointer and moves no layout.

#include <QPoint>
#include <QString>
#include <QStringList>

namespace stylewright {

// The element under a point of the view, as the JSON chain of it and its ancestors, root first
// ([tag, id, classes] each); it is kept for outlineHit().
QString hitTestScript(QPoint point);
// Outlines the element hit last, or its ancestor `up` steps above, with a label beside it.
QString outlineHitScript(int up, const QString &label);
// Outlines every element the selectors find and scrolls the first into view when it is outside
// the window; answers how many were found.
QString outlineSelectorsScript(const QStringList &selectors);
// Takes every outline away.
QString clearOutlineScript();
// Every text of the page with its colour, size, weight, background layers and element, as JSON.
QString collectTextsScript();

} // namespace stylewright
