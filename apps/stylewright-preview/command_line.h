#pragma once
// The preview program's command line: no options for the live window the editor starts, or
// --settings FILE --png OUT [--size WxH] for one picture.

#include "base/result.h"
#include "stylewright-preview/png_export.h"

#include <QSize>
#include <QStringList>

namespace stylewright {

struct PreviewCommand {
    bool help = false;    // print the usage and end
    bool picture = false; // otherwise the live window
    QString settingsFile, pictureFile;
    QSize size = kDefaultPictureSize;
};

inline const QString kPreviewUsage =
    QStringLiteral("用法：stylewright-preview --settings 设置文件 --png 图片文件 [--size 宽x高]\n"
                   "按设置文件生成样式，把示例空间页面画成 PNG 图片（默认 1024x768）。\n"
                   "不带参数时由 stylewright 启动，显示实时预览窗口。\n");

// arguments as the program got them, its own name first. A failure's message says what is wrong.
Result<PreviewCommand> parseCommand(const QStringList &arguments);

} // namespace stylewright
