#include "app/window_layout.h"

#include "engine/widgets/playback_controls.h"
#include "engine/widgets/timing_controls.h"
#include "engine/widgets/tone_controls.h"
#include "exam/widgets/exam_controls.h"
#include "keying/widgets/key_picture.h"
#include "keying/widgets/keyboard_morse_controls.h"
#include "keying/widgets/keying_controls.h"
#include "koch/widgets/koch_controls.h"
#include "material/widgets/character_set_controls.h"
#include "material/widgets/practice_controls.h"
#include "platform/widgets/design_units.h"
#include "platform/widgets/digit_edit.h"
#include "platform/widgets/up_down.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTabBar>
#include <algorithm>

namespace dittaro {
namespace {

using design::place;

constexpr int kTabWidth = 120;
constexpr int kTop = 42;                                      // below the tab row
constexpr int kBottom = kClientHeight - kStatusBarHeight - 8; // above the status bar
constexpr int kRight = kClientWidth - 12;

void layOutSettingsTab(MainWindowParts& parts) {
    place(parts.settingsPage, 0, kTop, kClientWidth, kBottom - kTop);
    // Coordinates inside the page.
    place(parts.heading, 12, 0, 820, 24);

    // Left column: speeds, ratio, group length, font size.
    place(parts.timing->GroupBoxTiming, 12, 32, 270, 118);
    place(parts.timing->RadioGroup3, 12, 158, 270, 56);
    place(parts.characterSet->RadioGroupZeichenProGruppe, 12, 222, 270, 56);
    place(parts.LabelSchriftgroesse, 12, 292, 150, 24);
    place(parts.ComboBox3, 166, 290, 80, 26);

    // Middle column: character set, Koch order.
    parts.characterSet->move(design::rect(300, 40, 0, 0).topLeft());
    parts.koch->move(design::rect(300, 150, 0, 0).topLeft());

    // Right column: the tone.
    parts.tone->move(design::rect(kRight - 240, 40, 0, 0).topLeft());

    // The mode buttons along the bottom.
    const int buttonsTop = kBottom - kTop - 44;
    place(parts.ButtonHoeruebung, 12, buttonsTop, 200, 36);
    place(parts.ButtonTastaturmorsen, 224, buttonsTop, 200, 36);
    place(parts.ButtonGebeuebung, 436, buttonsTop, 200, 36);
}

// Tabs 1 and 2 share the text field's place on the left and the answer field below it.
constexpr int kTextLeft = 12;
constexpr int kTextWidth = 520;
constexpr int kTextHeight = 180;
constexpr int kAnswerTop = kTop + kTextHeight + 10;
constexpr int kColumnLeft = kTextLeft + kTextWidth + 14;
constexpr int kColumnWidth = kRight - kColumnLeft;

void layOutPracticeTab(MainWindowParts& parts) {
    PracticeControls& p = *parts.practice;
    for (QPlainTextEdit* field : {p.Memo2, p.Memo1, p.Memo3}) {
        place(field, kTextLeft, kTop, kTextWidth, kTextHeight);
    }
    place(p.Memo8, kTextLeft, kAnswerTop, kTextWidth, kBottom - kAnswerTop);
    place(parts.keyboard->MemoTastatur, kTextLeft, kAnswerTop, kTextWidth, kBottom - kAnswerTop);

    place(p.GroupBoxZufallszeichen, kColumnLeft, kTop, kColumnWidth, 92);
    place(p.GroupBoxZufallstexte, kColumnLeft, kTop + 98, kColumnWidth, 124);
    place(p.GroupBoxTextfeld, kColumnLeft, kTop + 228, kColumnWidth, 60);
    place(parts.exam->GroupBox7, kColumnLeft, kTop + 294, kColumnWidth, 60);
    place(p.ButtonFehlerAnzeigen, kColumnLeft, kBottom - 32, 180, 32);
}

void layOutPlaybackTab(MainWindowParts& parts) {
    PlaybackControls& b = *parts.playback;
    int x = kColumnLeft;
    for (QPushButton* button : {b.BitBtn2, b.BitBtn6, b.BitBtn7, b.BitBtn8, b.BitBtn1}) {
        place(button, x, kTop, 50, 40);
        x += 56;
    }
    place(parts.practice->CheckBoxZeichenAnzeigen, kColumnLeft, kTop + 52, kColumnWidth, 24);
    place(parts.keyboard->CheckBoxTastaturmorsen, kColumnLeft, kTop + 80, kColumnWidth, 24);
    place(parts.keyboard->CheckBox15, kColumnLeft, kTop + 80, kColumnWidth, 24);
    place(parts.exam->GroupBox5, kColumnLeft, kTop + 114, kColumnWidth, 60);
}

void layOutKeyingTab(MainWindowParts& parts) {
    KeyingControls& k = *parts.keying;
    PlaybackControls& b = *parts.playback;
    constexpr int keyWidth = 190;
    constexpr int upperHeight = 150;
    place(k.PanelTaste, 12, kTop, keyWidth, upperHeight);
    for (QWidget* picture :
         {static_cast<QWidget*>(k.ImagePaddle), static_cast<QWidget*>(k.ImageHandtaste)}) {
        place(picture, 2, 2, keyWidth - 4, upperHeight - 4);
    }
    constexpr int columnLeft = 620;
    constexpr int columnWidth = kRight - columnLeft;
    place(k.Memo4, 12 + keyWidth + 10, kTop, columnLeft - 14 - (12 + keyWidth + 10), upperHeight);
    constexpr int lowerTop = kTop + upperHeight + 10;
    place(k.Memo5, 12, lowerTop, columnLeft - 26, kBottom - lowerTop);
    place(k.PaintBoxGraph, 12, lowerTop, columnLeft - 26, kBottom - lowerTop - 20);
    place(k.ScrollBarGraph, 12, kBottom - 18, columnLeft - 26, 18);

    place(k.CheckBoxSoftwareKeyer, columnLeft, kTop, 150, 24);
    place(k.CheckBoxRev, columnLeft + 154, kTop, columnWidth - 154, 24);
    place(k.LabelSpeed, columnLeft, kTop + 32, 70, 24);
    place(k.Edit11, columnLeft + 74, kTop + 30, 50, 24);
    place(k.UpDown9, columnLeft + 124, kTop + 30, 17, 24);
    place(k.LabelBpMKeyer, columnLeft + 146, kTop + 32, columnWidth - 146, 24);
    place(k.Edit7, columnLeft + 74, kTop + 60, 50, 24);
    place(k.UpDown5, columnLeft + 124, kTop + 60, 17, 24);
    place(k.LabelBpMDecoder, columnLeft + 146, kTop + 62, columnWidth - 146, 24);
    place(k.RadioGroupSpeicher, columnLeft, kTop + 92, columnWidth, 76);
    place(k.GroupBoxAufzeichnung, columnLeft, kTop + 174, columnWidth, 62);

    place(b.LabelWiedergabe, columnLeft, kTop + 244, columnWidth, 22);
    place(b.TrackBar4, columnLeft, kTop + 266, columnWidth - 64, 28);
    place(b.Label19, kRight - 60, kTop + 266, 60, 28);
    int x = columnLeft;
    for (QPushButton* button : {b.BitBtn3, b.BitBtn5, b.BitBtn4}) {
        place(button, x, kTop + 302, 44, 34);
        x += 50;
    }
    place(k.ButtonDecodieren, columnLeft, kBottom - 32, columnWidth, 32);
}

} // namespace

void layOutWindow(MainWindowParts& parts, QWidget* central) {
    central->setFixedSize(design::size(kClientWidth, kClientHeight - kStatusBarHeight));
    place(parts.tabs, 12, 8, 4 * (kTabWidth + 4), 30);
    layOutSettingsTab(parts);
    layOutPracticeTab(parts);
    layOutPlaybackTab(parts);
    layOutKeyingTab(parts);
}

void sizeTabs(QTabBar* tabs) {
    QFont bold = tabs->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    int width = design::px(kTabWidth) - 2;
    for (int i = 0; i < tabs->count(); ++i) {
        const QString caption = tabs->tabText(i).remove(QLatin1Char('&'));
        width = std::max(width, metrics.horizontalAdvance(caption) + design::px(16));
    }
    const int height = design::px(28) - 2;
    const int gap = design::px(2);
    tabs->setStyleSheet(
        QStringLiteral("QTabBar::tab { width: %1px; height: %2px; margin-right: %3px;"
                       " border: 1px solid palette(mid); border-radius: 3px;"
                       " background: palette(button); }"
                       "QTabBar::tab:selected { background: palette(midlight);"
                       " border: 1px solid palette(shadow); font-weight: bold; }")
            .arg(width)
            .arg(height)
            .arg(gap));
    tabs->resize(std::max(tabs->width(), tabs->count() * (width + 2 + gap) + gap), tabs->height());
}

} // namespace dittaro
