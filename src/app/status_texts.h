#pragma once

// The texts of the status fields that show the timing and the Koch state.

#include "engine/widgets/timing_controls.h"
#include "koch/widgets/koch_display.h"
#include "platform/widgets/qt_text.h"

#include <QString>

namespace dittaro {

// Field 4: "60 BpM".
inline QString speedStatusText(int speed, const QString& unit) {
    return QString::number(speed) + QLatin1Char(' ') + unit;
}

// Field 5: "F 100 BpM" with Farnsworth on, empty otherwise.
inline QString farnsworthStatusText(const TimingValues& values, const QString& unit) {
    return values.farnsworth ? QStringLiteral("F ") + speedStatusText(values.farnsworthSpeed, unit)
                             : QString();
}

// Field 7: the ratio item followed by " : 1".
inline QString ratioStatusText(const QString& ratioItem) {
    return ratioItem + QStringLiteral(" : 1");
}

// Field 8: the Koch state in Koch mode, empty otherwise.
inline QString kochStatusField(bool kochMode, const std::string& order, int level) {
    return kochMode ? fromCp1252(kochStatusText(order, level)) : QString();
}

} // namespace dittaro
