#include "startup/data_folder_hints.h"

#include "generators/code_file.h"
#include "options/settings_file.h"
#include "service/sheet_file.h"

#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

namespace stylewright {
namespace {

void setTip(QWidget &window, const QString &button, const QString &tip)
{
    if (auto *b = window.findChild<QPushButton *>(button))
        b->setToolTip(tip);
}

} // namespace

void showDataFolder(QWidget &editorWindow, const QString &folder)
{
    const QString settings = QDir::toNativeSeparators(settingsPath(folder));
    setTip(editorWindow, QStringLiteral("cmdread"), QStringLiteral("从 %1 读取设置").arg(settings));
    setTip(editorWindow, QStringLiteral("cmdsave"), QStringLiteral("把设置保存到 %1").arg(settings));
    setTip(editorWindow, QStringLiteral("cmdlook"),
           QStringLiteral("打开 %1").arg(QDir::toNativeSeparators(codeFilePath(folder))));
}

void showSheetFolder(QWidget &fetcherWindow, const QString &folder)
{
    const QString sheets = QDir::toNativeSeparators(QDir(folder).filePath(kSheetFolder.toString()));
    setTip(fetcherWindow, QStringLiteral("cmdsave"), QStringLiteral("保存到 %1 文件夹").arg(sheets));
}

void addDataFolderLine(QWidget &toolWindow, const QString &folder)
{
    auto *line = new QLabel(QStringLiteral("数据文件夹：") + QDir::toNativeSeparators(folder), &toolWindow);
    line->setObjectName(QStringLiteral("lbldatadir"));
    line->setTextFormat(Qt::PlainText); // a folder name is never markup
    line->setWordWrap(true);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    line->setToolTip(QStringLiteral("设置、CSS代码和保存的空间CSS都在这个文件夹中"));
    toolWindow.layout()->addWidget(line);
    toolWindow.resize(toolWindow.width(), toolWindow.layout()->totalHeightForWidth(toolWindow.width()));
}

} // namespace stylewright
