#include "exam/widgets/exam_controls.h"

#include "platform/widgets/design_units.h"
#include "platform/widgets/named.h"

#include <QGroupBox>
#include <QPushButton>

namespace dittaro {

ExamControls::ExamControls(QWidget* parent) {
    GroupBox7 = named(new QGroupBox(QStringLiteral("VKX-Morseprüfung"), parent), "GroupBox7");
    Button1 = named(new QPushButton(QStringLiteral("Prüfung Start"), GroupBox7), "Button1");
    design::place(Button1, 12, 24, 160, 28);

    GroupBox5 = named(new QGroupBox(QStringLiteral(" VKX-Morseprüfung "), parent), "GroupBox5");
    Button2 = named(new QPushButton(QStringLiteral("Prüfung speichern"), GroupBox5), "Button2");
    design::place(Button2, 12, 24, 160, 28);
}

} // namespace dittaro
