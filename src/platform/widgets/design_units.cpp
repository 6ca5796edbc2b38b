#include "platform/widgets/design_units.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QWidget>
#include <cmath>

namespace dittaro::design {
namespace {

// Line height of the design's interface font at 120 dots per inch.
constexpr double kDesignLineHeight = 16.0;

} // namespace

double scale() {
    static const double value = [] {
        const double lineHeight = QFontMetricsF(QApplication::font()).height();
        return lineHeight > 0 ? lineHeight / kDesignLineHeight : 1.0;
    }();
    return value;
}

int px(int designPixels) {
    return static_cast<int>(std::lround(designPixels * scale()));
}

QRect rect(int x, int y, int width, int height) {
    // Edges are scaled rather than sizes, so neighbours that touch in the design still touch.
    const int left = px(x);
    const int top = px(y);
    return QRect(left, top, px(x + width) - left, px(y + height) - top);
}

QSize size(int width, int height) {
    return QSize(px(width), px(height));
}

void place(QWidget* widget, int x, int y, int width, int height) {
    widget->setGeometry(rect(x, y, width, height));
}

} // namespace dittaro::design
