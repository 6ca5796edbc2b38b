#pragma once

// The pictures of the keys on "Gebeübung": a paddle (with "Software Keyer") and a straight
// key, on which the mouse keys. Drawn, so they scale with the window.

#include <QWidget>

namespace dittaro {

class KeyPicture : public QWidget {
public:
    enum class Key { Paddle, StraightKey };

    KeyPicture(Key key, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintPaddle(QPainter& painter, const QRectF& area);
    void paintStraightKey(QPainter& painter, const QRectF& area);

    Key key_;
};

} // namespace dittaro
