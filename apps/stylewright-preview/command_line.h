#pragma once
// The preview program's command line: no options for the live window the editor starts,
// --settings FILE --png OUT [--size WxH] for a picture (the pair repeated for several in one run),
// or --settings FILE --check for the contrast check.

#include "base/result.h"
#include "stylewright-preview/png_export.h"

#include <QSize>
#include <QStringList>

namespace stylewright {

struct PictureJob {
    QString settingsFile, pictureFile;
};

struct PreviewCommand {
    bool help = false;          // print the usage and end
    bool picture = false;       // otherwise the live window
    bool check = false;         // the contrast check of settingsFile instead
    QString settingsFile;       // the file --check judges
    QList<PictureJob> pictures; // the n-th --settings with the n-th --png, drawn in that order
    QSize size = kDefaultPictureSize;
};

inline const QString kPreviewUsage =
    QStringLiteral("用法：stylewright-preview --settings 设置文件 --png 图片文件 [--size 宽x高]\n"
                   "按设置文件生成样式，把示例空间页面画成 PNG 图片（默认 1024x768）。\n"
                   "可以给出多对 --settings 与 --png，一次画出多张；每画好一张，在标准输出写一行它的文件名。\n"
                   "     stylewright-preview --settings 设置文件 --check\n"
                   "检查示例页面上文字与背景的对比度（WCAG AA），每处不足一行；全部达到时退出状态为 0，有不足为 1。\n"
                   "不带参数时由 stylewright 启动，显示实时预览窗口。\n");

// arguments as the program got them, its own name first. A failure's message says what is wrong.
Result<PreviewCommand> parseCommand(const QStringList &arguments);

} // namespace stylewright
