#include "app/status_bar.h"

#include "platform/widgets/design_units.h"

#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <algorithm>

namespace dittaro {
namespace {

constexpr int kReferenceWidth = 818;
constexpr int kDivisors[] = {10, 7, 5, 5, 12, 11, 21, 18};
// Fields 1 to 3 (durations and file names) share what the others leave, in the proportions
// R/7 : R/5 : R/5.
constexpr int kStretch[] = {0, 5, 7, 7, 0, 0, 0, 0, 0};

} // namespace

StatusFields::StatusFields(QStatusBar* bar) : bar_(bar) {
    bar_->setSizeGripEnabled(false);
    progressField_ = new QWidget(bar_);
    progressField_->setObjectName(QStringLiteral("StatusField0"));
    progress_ = new QProgressBar(progressField_);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    bar_->addWidget(progressField_);
    for (int i = 1; i < kFieldCount; ++i) {
        auto* field = new QLabel(bar_);
        field->setObjectName(QStringLiteral("StatusField%1").arg(i));
        field->setFrameShape(QFrame::StyledPanel);
        field->setFrameShadow(QFrame::Sunken);
        if (kStretch[i] > 0) {
            field->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        }
        bar_->addWidget(field, kStretch[i]);
        fields_[static_cast<std::size_t>(i)] = field;
    }
}

void StatusFields::set(int field, const QString& text) {
    if (field > 0 && field < kFieldCount) {
        fields_[static_cast<std::size_t>(field)]->setText(text);
    }
}

QString StatusFields::text(int field) const {
    return field > 0 && field < kFieldCount ? fields_[static_cast<std::size_t>(field)]->text()
                                            : QString();
}

void StatusFields::clear(int first, int last) {
    for (int field = first; field <= last; ++field) {
        set(field, QString());
    }
}

void StatusFields::sizeFields(const QString& speedUnit) {
    const int reference = design::px(kReferenceWidth);
    progressField_->setFixedSize(reference / kDivisors[0], design::px(22));
    progress_->setGeometry(0, 2, reference / kDivisors[0], reference / 46);
    // The widest text of each field with a fixed kind of content (a duration, a speed, the
    // ratio, the Koch state): such a field is widened to show it whole, as the interface
    // font or the language's speed unit may need.
    const std::array<QString, kFieldCount> widest{
        QString(), QStringLiteral("00 Min 00 Sek"),    QString(),
        QString(), QStringLiteral("900 ") + speedUnit, QStringLiteral("F 900 ") + speedUnit,
        QString(), QStringLiteral("3.5 : 1"),          QStringLiteral("Koch 88/88  WW")};
    for (int i = 1; i < kFieldCount; ++i) {
        QLabel* field = fields_[static_cast<std::size_t>(i)];
        const int design = i < kFieldCount - 1 ? reference / kDivisors[i] : 0;
        const int needed =
            widest[static_cast<std::size_t>(i)].isEmpty()
                ? 0
                : field->fontMetrics().horizontalAdvance(widest[static_cast<std::size_t>(i)]) +
                      2 * field->frameWidth() + design::px(8);
        if (kStretch[i] > 0) {
            field->setMinimumWidth(std::max(design::px(40), needed));
        } else {
            field->setFixedWidth(std::max(design, needed));
        }
    }
}

} // namespace dittaro
