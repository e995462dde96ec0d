#pragma once
// The start-up window of the sheetfetch program: the fetcher with 24-pixel corners and an about label.

#include "platform/sheet_source.h"

#include <QString>
#include <functional>
#include <memory>

namespace stylewright {

class FetcherWindow;
class Prompts;

// endProgram runs when " X" is clicked.
std::unique_ptr<FetcherWindow> createSheetfetchWindow(SheetSourceMaker makeSource, const QString &programFolder,
                                                      Prompts &prompts, std::function<void()> endProgram);

} // namespace stylewright
