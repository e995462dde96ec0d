#pragma once
// At start: options a run that never closed cleanly left in the recovery file are offered back.

#include <QString>
#include <functional>

namespace stylewright {

class OptionSet;
class Prompts;

// Asks whether to bring back the options in the recovery file at `path`: yes gives them to
// `restore`, no removes the file. A file that cannot be used is never loaded in part: it is
// renamed and kept, with a one-line notice. No file: nothing happens.
void offerRecovery(const QString &path, Prompts &prompts, const std::function<void(const OptionSet &)> &restore);

inline const QString kRecoveryQuestion =
    QStringLiteral("上次没有正常退出，留下了未保存的选项。是否恢复这些选项？（选“否”将丢弃它们）");

} // namespace stylewright
