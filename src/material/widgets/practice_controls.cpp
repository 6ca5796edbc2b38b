#include "material/widgets/practice_controls.h"

#include "platform/widgets/design_units.h"
#include "platform/widgets/named.h"
#include "platform/widgets/up_down.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace dittaro {
namespace {

QLineEdit* countEdit(QWidget* parent, const char* name, const QString& text) {
    auto* edit = named(new QLineEdit(text, parent), name);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

UpDown* countUpDown(QWidget* parent, const char* name, int minimum, int maximum) {
    auto* upDown = named(new UpDown(parent), name);
    upDown->setRange(minimum, maximum);
    return upDown;
}

QPlainTextEdit* textField(QWidget* parent, const char* name) {
    auto* field = named(new QPlainTextEdit(parent), name);
    field->setTabChangesFocus(true);
    return field;
}

} // namespace

PracticeControls::PracticeControls(QWidget* parent) {
    GroupBoxZufallszeichen =
        named(new QGroupBox(QStringLiteral("Zufallszeichen"), parent), "GroupBoxZufallszeichen");
    QGroupBox* g = GroupBoxZufallszeichen;
    LabelAnzahlGruppen = named(new QLabel(QStringLiteral("Anzahl:"), g), "LabelAnzahlGruppen");
    Edit5 = countEdit(g, "Edit5", QStringLiteral("5"));
    UpDown1 = countUpDown(g, "UpDown1", 2, 99);
    Edit1 = countEdit(g, "Edit1", QStringLiteral("1"));
    UpDown2 = countUpDown(g, "UpDown2", 1, 3);
    ButtonZeichenStart =
        named(new QPushButton(QStringLiteral("Zeichen Start"), g), "ButtonZeichenStart");
    ButtonKochRunter2 = named(new QPushButton(QStringLiteral("<"), g), "ButtonKochRunter2");
    ButtonKochHoch2 = named(new QPushButton(QStringLiteral(">"), g), "ButtonKochHoch2");
    design::place(LabelAnzahlGruppen, 12, 26, 96, 22);
    design::place(Edit5, 110, 24, 40, 24);
    design::place(UpDown1, 150, 24, 17, 24);
    design::place(Edit1, 186, 24, 30, 24);
    design::place(UpDown2, 216, 24, 17, 24);
    design::place(ButtonZeichenStart, 12, 56, 160, 28);
    design::place(ButtonKochRunter2, 190, 56, 40, 28);
    design::place(ButtonKochHoch2, 236, 56, 40, 28);

    GroupBoxZufallstexte =
        named(new QGroupBox(QStringLiteral(" Zufallstexte "), parent), "GroupBoxZufallstexte");
    g = GroupBoxZufallstexte;
    ComboBox2 = named(new QComboBox(g), "ComboBox2");
    LabelAnzahlTexte = named(new QLabel(QStringLiteral("Anzahl:"), g), "LabelAnzahlTexte");
    Edit4 = countEdit(g, "Edit4", QStringLiteral("1"));
    UpDown3 = countUpDown(g, "UpDown3", 1, 40);
    Edit6 = countEdit(g, "Edit6", QStringLiteral("1"));
    UpDown4 = countUpDown(g, "UpDown4", 1, 3);
    ButtonZufallstexteStart =
        named(new QPushButton(QStringLiteral("Zufallstexte Start"), g), "ButtonZufallstexteStart");
    design::place(ComboBox2, 12, 24, 264, 26);
    design::place(LabelAnzahlTexte, 12, 58, 96, 22);
    design::place(Edit4, 110, 56, 40, 24);
    design::place(UpDown3, 150, 56, 17, 24);
    design::place(Edit6, 186, 56, 30, 24);
    design::place(UpDown4, 216, 56, 17, 24);
    design::place(ButtonZufallstexteStart, 12, 88, 160, 28);

    GroupBoxTextfeld = named(new QGroupBox(QStringLiteral("Textfeld"), parent), "GroupBoxTextfeld");
    ButtonTextfeldStart = named(new QPushButton(QStringLiteral("Textfeld Start"), GroupBoxTextfeld),
                                "ButtonTextfeldStart");
    design::place(ButtonTextfeldStart, 12, 24, 160, 28);

    ButtonFehlerAnzeigen =
        named(new QPushButton(QStringLiteral("Fehler anzeigen"), parent), "ButtonFehlerAnzeigen");

    Memo2 = textField(parent, "Memo2");
    Memo8 = textField(parent, "Memo8");
    Memo1 = textField(parent, "Memo1");
    Memo1->setReadOnly(true);
    Memo3 = textField(parent, "Memo3");
    Memo3->setReadOnly(true);
    Memo3->setFocusPolicy(Qt::NoFocus);
    Memo3->setStyleSheet(QStringLiteral("QPlainTextEdit { background: palette(mid); }"));
    CheckBoxZeichenAnzeigen =
        named(new QCheckBox(QStringLiteral("Wörter/Gruppen anzeigen"), parent),
              "CheckBoxZeichenAnzeigen");
}

} // namespace dittaro
