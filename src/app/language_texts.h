#pragma once

// Applying a language to the main window: every text the tables give, set table by table in
// the order they are read, with the refreshes that follow some of the tables.

#include "app/language.h"
#include "app/main_window_parts.h"
#include "app/shell_state.h"

namespace dittaro {

class TabEntry;

// A table whose row is missing leaves its texts as they were.
void applyMainWindowTexts(const MainWindowTexts& texts, MainWindowParts& parts, ShellState& state,
                          TabEntry& tabEntry);

} // namespace dittaro
