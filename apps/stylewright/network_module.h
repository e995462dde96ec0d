#pragma once
// The editor's fetcher gets its network side from a module loaded when the fetcher window first
// opens, so the editor starts without the network library; so does the hand-over between starts
// on one data folder, once the window is up.

#include "network/hand_over.h"
#include "platform/sheet_source.h"

#include <QStringList>
#include <functional>
#include <optional>

class QObject;

namespace stylewright {

// Where the module is looked for: beside the program, then where an installed program keeps it.
QStringList networkModuleFolders(const QString &programFolder);

// Loads the module beside the program, or where an installed program keeps it. When it cannot be
// loaded, every fetch fails with a message saying so.
std::unique_ptr<SheetSource> loadNetworkSheetSource(const QString &prefix);
// The same, looking in these folders in turn.
std::unique_ptr<SheetSource> loadNetworkSheetSourceFrom(const QString &prefix, const QStringList &folders);

// askToRaise() through the module in `folders`; nothing when there is no module.
std::optional<RaiseAnswer> askEditorToRaise(const QString &server, const QStringList &folders);
// A RaiseServer on `server`, a child of parent, calling raised; null when it cannot listen.
QObject *listenForLaterStarts(const QString &server, QObject *parent, const std::function<void()> &raised,
                              const QStringList &folders);

} // namespace stylewright
