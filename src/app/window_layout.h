#pragma once

// Where every control of the main window sits, in design pixels of a client area of
// 851 x 477 at 120 dots per inch (the status bar takes the bottom of it).

#include "app/main_window_parts.h"

class QTabBar;
class QWidget;

namespace dittaro {

inline constexpr int kClientWidth = 851;
inline constexpr int kClientHeight = 477;
inline constexpr int kStatusBarHeight = 24;

// Places the tab row and the pieces on the window's central widget.
void layOutWindow(MainWindowParts& parts, QWidget* central);

// The button-style tabs: 120 design pixels wide, or as wide as the widest caption needs in
// the bold face of the selected tab. Run again when the captions change.
void sizeTabs(QTabBar* tabs);

} // namespace dittaro
