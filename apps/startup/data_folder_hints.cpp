#include "startup/data_folder_hints.h"

#include "editor/main_window.h"
#include "generators/code_file.h"
#include "options/settings_file.h"
#include "service/sheet_file.h"
#include "tools/fetcher_window.h"

#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

namespace stylewright {

void showDataFolder(MainWindow &editor, const QString &folder)
{
    const QString settings = QDir::toNativeSeparators(settingsPath(folder));
    editor.button(WindowButton::ReadSettings)->setToolTip(QStringLiteral("从 %1 读取设置").arg(settings));
    editor.button(WindowButton::SaveSettings)->setToolTip(QStringLiteral("把设置保存到 %1").arg(settings));
    editor.button(WindowButton::LookAtCode)
        ->setToolTip(QStringLiteral("打开 %1").arg(QDir::toNativeSeparators(codeFilePath(folder))));
}

void showSheetFolder(FetcherWindow &fetcher, const QString &folder)
{
    const QString sheets = QDir::toNativeSeparators(QDir(folder).filePath(kSheetFolder.toString()));
    fetcher.saveButton()->setToolTip(QStringLiteral("保存到 %1 文件夹").arg(sheets));
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
