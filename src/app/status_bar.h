#pragma once

// The status bar's nine fields: 0 progress bar, 1 duration, 2 timing or exported file,
// 3 text file, 4 speed, 5 Farnsworth, 6 empty, 7 dash : dot ratio, 8 Koch state.

#include <QString>
#include <array>

class QLabel;
class QProgressBar;
class QStatusBar;
class QWidget;

namespace dittaro {

class StatusFields {
public:
    static constexpr int kFieldCount = 9;

    explicit StatusFields(QStatusBar* bar);

    void set(int field, const QString& text);
    QString text(int field) const;
    void clear(int first, int last);

    // The widths of the fields as fractions of the reference width (818 design pixels):
    // R/10, R/7, R/5, R/5, R/12, R/11, R/21, R/18. Fields that show speeds, the ratio and
    // the Koch state are widened to show their widest text whole (with the language's word
    // for characters per minute); fields 1 to 3 share the rest in their proportions. The
    // progress bar sits in field 0 at its top left, R/10 wide and R/46 high.
    void sizeFields(const QString& speedUnit);

    QProgressBar* progressBar() const { return progress_; }

private:
    QStatusBar* bar_;
    QWidget* progressField_;
    QProgressBar* progress_;
    std::array<QLabel*, kFieldCount> fields_{};
};

} // namespace dittaro
