#pragma once

// The window layout is drawn in design pixels: the pixels of a screen of 120 dots per inch
// with the design's 8-point interface font. Controls are placed through these helpers, which
// scale design pixels to the font the program actually runs with, so the layout keeps its
// proportions to the text at any screen resolution.

#include <QRect>
#include <QSize>

class QWidget;

namespace dittaro::design {

// Logical pixels per design pixel.
double scale();
int px(int designPixels);
QRect rect(int x, int y, int width, int height);
QSize size(int width, int height);

// Places a child at a design rectangle of its parent.
void place(QWidget* widget, int x, int y, int width, int height);

} // namespace dittaro::design
