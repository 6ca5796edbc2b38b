#pragma once

// TForm3, the tag form ("ID3-Tags") of the MP3 and Ogg export: artist and title.

#include "engine/audio_export.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace dittaro {

class TForm3 : public QDialog, public TagDialog {
public:
    explicit TForm3(QWidget* parent = nullptr);

    // Interface language 1 (German) gives German labels, every other English ones.
    void setLanguage(int language);

    // Modal; nullopt unless accepted with "&OK" or Enter in the title field.
    std::optional<TagFields> ask(const TagFields& shown) override;

    void showFields(const TagFields& fields);
    TagFields fields() const;

    QLabel* Label1;
    QLineEdit* Edit4; // artist
    QLabel* Label2;
    QLineEdit* Edit3; // title
    QPushButton* Button1;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace dittaro
