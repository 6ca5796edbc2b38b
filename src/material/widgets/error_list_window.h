#pragma once

// The error list of the listening practice: the result line beside the label "Fehler" and a
// grid with one column per wrong word, the sent word above the typed one. Modal; Enter in
// the grid or "OK" closes it.

#include "material/answer_marking.h"

#include <QDialog>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace dittaro {

class ErrorListWindow : public QDialog {
public:
    explicit ErrorListWindow(QWidget* parent);

    // The caption and the label "Fehler" of the interface language.
    void setTexts(const QString& caption, const QString& label);
    // Fills the grid, sized to the words, with the typed word of the first pair selected.
    void showErrors(const std::vector<WordPair>& wrongWords);

    QLabel* LabelFehler;
    QLabel* LabelErgebnis; // the result line
    QTableWidget* StringGrid1;
    QPushButton* ButtonOK;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

} // namespace dittaro
