#pragma once
// Where the user sees which folder the programs keep their files in: the tooltips of the buttons
// that read and write them, and a line in the tool window.

#include <QString>

class QWidget;

namespace stylewright {

class FetcherWindow;
class MainWindow;

// Tooltips naming the files of "读取数据", "保存设置" and "查看CSS代码".
void showDataFolder(MainWindow &editor, const QString &folder);
// The tooltip of the fetcher's "保存CSS": the csscode folder it saves into.
void showSheetFolder(FetcherWindow &fetcher, const QString &folder);
// A line at the foot of the tool window naming the folder.
void addDataFolderLine(QWidget &toolWindow, const QString &folder);

} // namespace stylewright
