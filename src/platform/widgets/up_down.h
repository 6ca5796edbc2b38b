#pragma once

// A pair of arrow buttons beside an edit field, as the program's spin boxes have them: the
// field holds the typed text, the arrows step a position within limits.

#include <QWidget>
#include <functional>

class QToolButton;

namespace dittaro {

class UpDown : public QWidget {
public:
    explicit UpDown(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    void setIncrement(int increment) { increment_ = increment; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int increment() const { return increment_; }

    // Clamped to the range; does not call onStep.
    void setPosition(int position);
    int position() const { return position_; }

    // Called after an arrow moved the position.
    std::function<void(int position)> onStep;

    // As a click on the arrow: +1 up, -1 down.
    void step(int direction);

private:
    QToolButton* up_;
    QToolButton* down_;
    int minimum_ = 0;
    int maximum_ = 100;
    int increment_ = 1;
    int position_ = 0;
};

} // namespace dittaro
