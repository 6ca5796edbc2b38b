#include "app/status_bar.h"

#include "platform/widgets/design_units.h"

#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>

namespace dittaro {
namespace {

constexpr int kReferenceWidth = 818;
constexpr int kDivisors[] = {10, 7, 5, 5, 12, 11, 21, 18};

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
        bar_->addWidget(field, i == kFieldCount - 1 ? 1 : 0);
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

void StatusFields::sizeFields() {
    const int reference = design::px(kReferenceWidth);
    progressField_->setFixedSize(reference / kDivisors[0], design::px(22));
    progress_->setGeometry(0, 2, reference / kDivisors[0], reference / 46);
    for (int i = 1; i < kFieldCount - 1; ++i) {
        fields_[static_cast<std::size_t>(i)]->setFixedWidth(reference / kDivisors[i]);
    }
}

} // namespace dittaro
