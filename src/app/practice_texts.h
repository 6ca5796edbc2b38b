#pragma once

// The interface texts of the listening practice's messages, error list and text-file
// dialogs, read in the interface language when they are shown.

#include <QString>
#include <filesystem>

namespace dittaro {

struct PracticeTexts {
    QString wordCountMessage; // texte_01 column 16
    QString textFile;         // texte_06 column 15, the word the file filters begin with
    QString noErrors;         // form4_texte column 0
    QString errorListCaption; // form4_texte column 1
    QString errorListLabel;   // form4_texte column 2
};

// A table without a row for the language leaves its German texts.
PracticeTexts readPracticeTexts(const std::filesystem::path& database, int language);

// The filter of the text-file dialogs: "<text file> (*.txt)|*.txt".
QString textFileFilter(const PracticeTexts& texts);

} // namespace dittaro
