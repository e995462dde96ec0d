#pragma once
// Shaping and moving windows that draw their own title row: rounded corners, dragging by a label,
// and clicks on controls that have no click signal of their own.

#include <QRegion>
#include <QSize>
#include <functional>

class QWidget;

namespace stylewright {

// The rounded rectangle (0, 0)-(size) whose corners are quarter ellipses of ellipse x ellipse pixels.
QRegion roundedRegion(QSize size, int ellipse);
// Gives a frameless window rounded corners now and again after every resize; a window that keeps
// its system frame stays square.
void keepCornersRounded(QWidget *window, int ellipse);
// Pressing the left button on handle and moving drags handle's window; the window system does it
// where it can, otherwise the window follows the pointer.
void dragWindowBy(QWidget *handle);
// Runs action when the left button is pressed and released over widget.
void onClick(QWidget *widget, std::function<void()> action);

} // namespace stylewright
