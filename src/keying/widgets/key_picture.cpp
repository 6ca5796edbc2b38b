#include "keying/widgets/key_picture.h"

#include <QPainter>
#include <QPainterPath>

namespace dittaro {
namespace {

const QColor kBase(70, 70, 78);
const QColor kBrass(196, 160, 74);
const QColor kBrassDark(140, 108, 40);
const QColor kKnob(30, 30, 34);

} // namespace

KeyPicture::KeyPicture(Key key, QWidget* parent) : QWidget(parent), key_(key) {}

void KeyPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(6, 6, -6, -6);
    if (!isEnabled()) {
        painter.setOpacity(0.45);
    }
    if (key_ == Key::Paddle) {
        paintPaddle(painter, area);
    } else {
        paintStraightKey(painter, area);
    }
}

// Seen from above: the base, the two paddle arms meeting at the pivot, the finger pieces.
void KeyPicture::paintPaddle(QPainter& painter, const QRectF& area) {
    const double w = area.width();
    const double h = area.height();
    const QRectF base(area.left() + w * 0.2, area.top() + h * 0.15, w * 0.6, h * 0.55);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBase);
    painter.drawRoundedRect(base, w * 0.04, w * 0.04);
    painter.setBrush(kBrassDark);
    painter.drawEllipse(QPointF(base.center().x(), base.top() + h * 0.12), w * 0.05, w * 0.05);
    const double armTop = base.top() + h * 0.12;
    const double armBottom = area.top() + h * 0.9;
    for (int side : {-1, 1}) {
        const double x = base.center().x() + side * w * 0.045;
        painter.setBrush(kBrass);
        painter.drawRect(QRectF(x - w * 0.015, armTop, w * 0.03, armBottom - armTop - h * 0.2));
        painter.setBrush(kKnob);
        painter.drawRoundedRect(
            QRectF(side < 0 ? x - w * 0.16 : x, armBottom - h * 0.28, w * 0.16, h * 0.26), w * 0.03,
            w * 0.03);
    }
}

// Seen from the side: the base, the lever on its pivot, the knob and the contact below.
void KeyPicture::paintStraightKey(QPainter& painter, const QRectF& area) {
    const double w = area.width();
    const double h = area.height();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBase);
    painter.drawRoundedRect(
        QRectF(area.left() + w * 0.05, area.top() + h * 0.72, w * 0.9, h * 0.16), h * 0.03,
        h * 0.03);
    painter.setBrush(kBrassDark);
    painter.drawRect(QRectF(area.left() + w * 0.68, area.top() + h * 0.46, w * 0.1, h * 0.26));
    painter.drawRect(QRectF(area.left() + w * 0.3, area.top() + h * 0.6, w * 0.06, h * 0.12));
    painter.setBrush(kBrass);
    painter.drawRect(QRectF(area.left() + w * 0.12, area.top() + h * 0.44, w * 0.74, h * 0.07));
    painter.setBrush(kKnob);
    painter.drawRect(QRectF(area.left() + w * 0.2, area.top() + h * 0.3, w * 0.04, h * 0.14));
    painter.drawEllipse(QRectF(area.left() + w * 0.1, area.top() + h * 0.14, w * 0.24, h * 0.17));
}

} // namespace dittaro
