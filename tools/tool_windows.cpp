#include "tools/tool_windows.h"

#include "editor/secondary_windows.h"

namespace stylewright {
namespace {

QWidget *placeholder(const QString &caption)
{
    auto *w = new QWidget(nullptr, Qt::Window);
    w->setWindowTitle(caption);
    w->resize(320, 200);
    return w;
}

} // namespace

void installToolWindows(SecondaryWindows &windows, const QString &, Prompts &, Desktop &)
{
    windows.setFactory(Secondary::Fetcher, [] { return placeholder(QStringLiteral("sheetfetch VER 2.0")); });
    windows.setFactory(Secondary::HuePick, [] { return placeholder(QStringLiteral("HuePick Beta 1.0")); });
    windows.setFactory(Secondary::Tool, [] { return placeholder(QStringLiteral("  CSS编辑程序工具箱")); });
    windows.setFactory(Secondary::Connect, [] { return placeholder(QStringLiteral("联系作者")); });
}

} // namespace stylewright
