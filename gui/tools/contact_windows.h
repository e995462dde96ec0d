#pragma once
// The windows that show the author's contact details: the sheetfetch program's about window and the
// editor's contact window.

class QWidget;

namespace stylewright {

class Desktop;

// Form1: the about window of the sheetfetch program, with 24-pixel rounded corners; deleted on close.
QWidget *createAboutWindow();
// frmconnect: clicking the details opens the author's space.
QWidget *createConnectWindow(Desktop &desktop);

} // namespace stylewright
