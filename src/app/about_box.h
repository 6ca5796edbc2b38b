#pragma once

// "Infos": the program's title and version and the libraries and programs it uses, in the
// interface language (table form2_texte, read when the box is opened).

#include "app/language.h"

#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;

namespace dittaro {

class AboutBox : public QDialog {
public:
    // Without a row for the language the German texts stand.
    AboutBox(const std::optional<TextRow>& texts, QWidget* parent);

    QLabel* LabelTitel;
    QLabel* LabelVersion;
    QLabel* LabelBeschreibung;
    QLabel* LabelHerausgeber;
    QLabel* LabelBibliotheken;
    QPushButton* ButtonOK;
};

} // namespace dittaro
