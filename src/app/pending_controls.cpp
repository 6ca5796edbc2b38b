#include "app/pending_controls.h"

#include "app/main_menu.h"
#include "app/main_window_parts.h"
#include "engine/widgets/playback_controls.h"
#include "exam/widgets/exam_controls.h"
#include "keying/widgets/keyboard_morse_controls.h"
#include "keying/widgets/keying_controls.h"
#include "koch/widgets/koch_controls.h"
#include "material/widgets/practice_controls.h"
#include "platform/widgets/digit_edit.h"
#include "platform/widgets/up_down.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <initializer_list>

namespace dittaro {
namespace {

constexpr const char* kPendingProperty = "dittaroPending";

void mark(std::initializer_list<QObject*> controls) {
    for (QObject* control : controls) {
        control->setProperty(kPendingProperty, true);
        if (auto* widget = qobject_cast<QWidget*>(control)) {
            widget->setEnabled(false);
        } else if (auto* action = qobject_cast<QAction*>(control)) {
            action->setEnabled(false);
        }
    }
}

template <typename Items> void markAll(const Items& items) {
    for (QObject* item : items) {
        mark({item});
    }
}

} // namespace

void markPendingControls(const MainWindowParts& parts) {
    const MainMenu& m = *parts.menu;
    // Imports and exports, the random-text table, exams, the Koch orders.
    mark({m.ImportZufallstextdatei, m.ImportTimingdatei, m.Pruefungstextdatei1, m.ExportTimingdatei,
          m.ExportZufallstextdatei, m.ZufallstexttabelleLoeschen, m.Koch1, m.Koch2,
          m.pruefung_korrigieren});
    // The on-screen keying mode.
    mark({m.ModusNormal, m.ModusDecodieren, m.ModusGrafik});
    // The serial port.
    markAll(m.ComItems);
    mark({m.DSR, m.CTS, m.RTS});

    // The Koch method.
    mark({parts.koch, parts.ButtonTastaturmorsen, parts.practice->ButtonKochRunter2,
          parts.practice->ButtonKochHoch2});

    // The practice sources, the exam.
    const PracticeControls& p = *parts.practice;
    mark({p.GroupBoxZufallstexte, parts.exam->GroupBox7, parts.exam->GroupBox5});

    // Replay, keyboard Morse.
    const PlaybackControls& b = *parts.playback;
    mark({b.BitBtn3, b.BitBtn4, b.BitBtn5, parts.keyboard->CheckBoxTastaturmorsen});

    // Keying: keys, keyer, decoder, recording, graph.
    const KeyingControls& k = *parts.keying;
    mark({k.PanelTaste, k.RadioGroupSpeicher, k.CheckBoxRev, k.CheckBoxSoftwareKeyer,
          k.ButtonDecodieren, k.LabelSpeed, k.Edit11, k.UpDown9, k.LabelBpMKeyer, k.Edit7,
          k.UpDown5, k.LabelBpMDecoder, k.GroupBoxAufzeichnung, k.PaintBoxGraph, k.ScrollBarGraph});
}

bool isPending(const QObject* control) {
    return control->property(kPendingProperty).toBool();
}

void setControlEnabled(QWidget* control, bool enabled) {
    control->setEnabled(enabled && !isPending(control));
}

void setControlEnabled(QAction* control, bool enabled) {
    control->setEnabled(enabled && !isPending(control));
}

} // namespace dittaro
