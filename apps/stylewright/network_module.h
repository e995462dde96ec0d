#pragma once
// The editor's fetcher gets its network side from a module loaded when the fetcher window first
// opens, so the editor starts without the network library.

#include "platform/sheet_source.h"

#include <QStringList>

namespace stylewright {

// Loads the module beside the program, or where an installed program keeps it. When it cannot be
// loaded, every fetch fails with a message saying so.
std::unique_ptr<SheetSource> loadNetworkSheetSource(const QString &prefix);
// The same, looking in these folders in turn.
std::unique_ptr<SheetSource> loadNetworkSheetSourceFrom(const QString &prefix, const QStringList &folders);

} // namespace stylewright
