#pragma once

// Every interface text the program reads: a table of the data database, a column
// position in it, and what the text is used for. The row is the interface language
// (rowid 1 Deutsch, 2 English, 3 Français). The sources are data/texts/<table>.tsv.

#include <array>
#include <string_view>

namespace dittaro {

struct InterfaceTextTable {
    std::string_view name;
    int columns; // positions 0 .. columns - 1
};

inline constexpr std::array kInterfaceTextTables{
    InterfaceTextTable{"texte_01", 23},    InterfaceTextTable{"texte_02", 26},
    InterfaceTextTable{"texte_03", 30},    InterfaceTextTable{"texte_04", 25},
    InterfaceTextTable{"texte_05", 17},    InterfaceTextTable{"texte_06", 25},
    InterfaceTextTable{"form2_texte", 16}, InterfaceTextTable{"form4_texte", 3},
    InterfaceTextTable{"form6_texte", 27}, InterfaceTextTable{"form8_texte", 12},
};

struct InterfaceTextColumn {
    std::string_view table;
    int column;
    std::string_view use;
};

inline constexpr std::array kInterfaceTextColumns{
    // Main window: menu "Textdatei", file types, hints, the word-count message.
    InterfaceTextColumn{"texte_01", 1, "menu \"Textdatei\""},
    InterfaceTextColumn{"texte_01", 2, "menu item \"Neu\""},
    InterfaceTextColumn{"texte_01", 3, "menu item \"Speichern als\""},
    InterfaceTextColumn{"texte_01", 4, "menu item \"Speichern\""},
    InterfaceTextColumn{"texte_01", 5, "menu item \"Öffnen\""},
    InterfaceTextColumn{"texte_01", 6, "menu item \"Beenden\""},
    InterfaceTextColumn{"texte_01", 7, "button of tab 0 that selects copying practice (tab 1)"},
    InterfaceTextColumn{"texte_01", 8, "button of tab 0 that selects keying practice (tab 3)"},
    InterfaceTextColumn{"texte_01", 9, "menu \"Steuer\" under \"RS232\""},
    InterfaceTextColumn{"texte_01", 10, "hint of the decoder speed box"},
    InterfaceTextColumn{"texte_01", 11,
                        "import and export items \"Timingdatei (*.cw1)\"; timing-file dialog "
                        "filter (followed by \"|*.cw1\")"},
    InterfaceTextColumn{"texte_01", 12, "import and export items \"Zufallstextdatei (*.txt)\""},
    InterfaceTextColumn{"texte_01", 13, "import item \"Prüfungstextdatei (*.txt)\""},
    InterfaceTextColumn{"texte_01", 14, "hint of the group-count spin box"},
    InterfaceTextColumn{"texte_01", 15,
                        "word for audio file: export items and filters, followed by \" (*.wav)\", "
                        "\" (*.mp3)\", \" (*.ogg)\""},
    InterfaceTextColumn{"texte_01", 16,
                        "message: answer and reference differ in their number of words "
                        "(practice marking and the examiner's marking)"},
    InterfaceTextColumn{"texte_01", 18, "hint of the group-repetition spin box"},
    InterfaceTextColumn{"texte_01", 19, "hint of the word-repetition spin box"},
    InterfaceTextColumn{"texte_01", 20, "label \"Schriftgrösse\" of the font-size box"},
    InterfaceTextColumn{"texte_01", 22, "hint of the random-text count spin box"},

    // Main window: tab 2, the speed unit, the timing group.
    InterfaceTextColumn{"texte_05", 1, "caption of tab 2 (\"Abspielen\")"},
    InterfaceTextColumn{"texte_05", 2, "check box \"Wörter/Gruppen anzeigen\""},
    InterfaceTextColumn{"texte_05", 3,
                        "check box \"Tastaturmorsen\", its exam twin and the keyboard-Morse button "
                        "of tab 0"},
    InterfaceTextColumn{"texte_05", 4, "exam group \" VKX-Morseprüfung \" on tab 2"},
    InterfaceTextColumn{"texte_05", 5, "button \"Prüfung speichern\""},
    InterfaceTextColumn{"texte_05", 6, "title of the name box of the random-text import"},
    InterfaceTextColumn{"texte_05", 7, "prompt of the name box of the random-text import"},
    InterfaceTextColumn{"texte_05", 8,
                        "menu item \"ch als 1 Zeichen\": \"ch = 1 \" followed by this text"},
    InterfaceTextColumn{"texte_05", 10,
                        "word for characters per minute: status bar speeds, the three \"BpM\" "
                        "labels, the Farnsworth text, the speed of the exam and of the result"},
    InterfaceTextColumn{"texte_05", 15, "label \"Abspielen\" of the playback speed"},
    InterfaceTextColumn{"texte_05", 16,
                        "group \" Timing \"; trimmed, the label \"Speed\" of the keyer speed"},

    // Main window: tab 1.
    InterfaceTextColumn{"texte_04", 1, "label \"Anzahl:\" of \"Zufallszeichen\""},
    InterfaceTextColumn{"texte_04", 2, "group \"Textfeld\""},
    InterfaceTextColumn{"texte_04", 3, "button \"Textfeld Start\""},
    InterfaceTextColumn{"texte_04", 4, "exam group on tab 1 (GroupBox7)"},
    InterfaceTextColumn{"texte_04", 5, "button \"Fehler anzeigen\""},
    InterfaceTextColumn{"texte_04", 6, "group \"Zufallszeichen\""},
    InterfaceTextColumn{"texte_04", 7, "label \"Anzahl:\" of \" Zufallstexte \""},
    InterfaceTextColumn{"texte_04", 8, "button \"Zeichen Start\""},
    InterfaceTextColumn{"texte_04", 9, "group \" Zufallstexte \""},
    InterfaceTextColumn{"texte_04", 10, "button \"Zufallstexte Start\""},
    InterfaceTextColumn{"texte_04", 12, "hint of the group-count field"},
    InterfaceTextColumn{"texte_04", 13, "hint of the group-repetition field"},
    InterfaceTextColumn{"texte_04", 14, "hint of the random-text count field"},
    InterfaceTextColumn{"texte_04", 15, "hint of the word-repetition field"},
    InterfaceTextColumn{"texte_04", 16, "hint of the playback speed box"},
    InterfaceTextColumn{"texte_04", 17, "menu \"Ersetze\""},
    InterfaceTextColumn{"texte_04", 19, "button \"Prüfung Start\""},
    InterfaceTextColumn{"texte_04", 20, "hint of \"Textfeld Start\""},
    InterfaceTextColumn{"texte_04", 22, "hint of both \">\" buttons"},
    InterfaceTextColumn{"texte_04", 23, "hint of both \"<\" buttons"},
    InterfaceTextColumn{"texte_04", 24, "hint of \"Mix\""},

    // Main window: tab 0 and the serial lines.
    InterfaceTextColumn{"texte_03", 1,
                        "caption of tab 0 (\"Einstellungen\"); without \"&\" also the Koch "
                        "trainer's settings button and the start of its dialog title"},
    InterfaceTextColumn{"texte_03", 2, "label of the volume slider"},
    InterfaceTextColumn{"texte_03", 3, "label of the pitch slider"},
    // The delete question of the random texts needs texte_06 column 19 for itself.
    InterfaceTextColumn{"texte_03", 4, "check box \"Soundtest\""},
    InterfaceTextColumn{"texte_03", 7,
                        "check box \"Obertöne\" (also in the Koch trainer's dialog)"},
    InterfaceTextColumn{"texte_03", 8, "menu item \"DSR\""},
    InterfaceTextColumn{"texte_03", 9, "menu item \"CTS\""},
    InterfaceTextColumn{"texte_03", 10, "menu item \"RTS\""},
    InterfaceTextColumn{"texte_03", 11, "label above the replay-speed slider of tab 3"},
    InterfaceTextColumn{"texte_03", 12, "hint of the Farnsworth speed box"},
    InterfaceTextColumn{"texte_03", 15, "group \" Strich / Punkt \""},
    InterfaceTextColumn{"texte_03", 16, "group \" Zeichen/Gruppe \""},
    InterfaceTextColumn{"texte_03", 19, "label of the Koch order field"},
    InterfaceTextColumn{"texte_03", 23, "check box \"Koch-Methode\""},
    InterfaceTextColumn{"texte_03", 24, "label \"Zeichen\" above the character-set field"},
    InterfaceTextColumn{"texte_03", 29, "menu \"Wortabstand bei Zufallstexten\""},

    // Main window: menus "Extras" and "Hilfe".
    InterfaceTextColumn{"texte_02", 1, "hint of \"Farnsworth-Timing\""},
    InterfaceTextColumn{"texte_02", 2, "menu \"Härte der Tastung\""},
    InterfaceTextColumn{"texte_02", 3,
                        "its item \"&hart\" (also the Koch trainer's first hardness item and "
                        "status)"},
    InterfaceTextColumn{"texte_02", 4, "its item \"&mittel\" (also in the Koch trainer)"},
    InterfaceTextColumn{"texte_02", 5, "its item \"&weich\" (also in the Koch trainer)"},
    InterfaceTextColumn{"texte_02", 6, "menu \"Verzögerung (Wörter/Gruppen anzeigen)\""},
    InterfaceTextColumn{"texte_02", 7, "its item \"&kurz\""},
    InterfaceTextColumn{"texte_02", 8, "its item \"&mittel\""},
    InterfaceTextColumn{"texte_02", 9, "its item \"&lang\""},
    InterfaceTextColumn{"texte_02", 14, "menu item \"Zufallstexttabelle löschen\""},
    InterfaceTextColumn{"texte_02", 15, "menu item \"Koch 1\""},
    InterfaceTextColumn{"texte_02", 16, "menu item \"Gruppen für Morseprüfung\""},
    InterfaceTextColumn{"texte_02", 17,
                        "menu item \"VKX-Morseprüfung korrigieren\"; caption of the result-import "
                        "window (followed by \": \" and the file name once a file is open)"},
    InterfaceTextColumn{"texte_02", 18, "menu \"Sprache\""},
    InterfaceTextColumn{"texte_02", 19, "red heading of tab 0"},
    InterfaceTextColumn{"texte_02", 20, "menu \"Hilfe\" and its item \"Hilfe\""},
    InterfaceTextColumn{"texte_02", 21, "menu item \"Infos\""},
    InterfaceTextColumn{"texte_02", 22, "menu \"Bildschirm Tasten: Modus\""},
    InterfaceTextColumn{"texte_02", 23, "its item \"permanent decodieren\""},
    InterfaceTextColumn{"texte_02", 24, "its item \"grafische Analyse\""},
    InterfaceTextColumn{"texte_02", 25, "menu item \"Koch 2\""},

    // Main window: tab 3, messages, random-text dialogs, personal data.
    InterfaceTextColumn{"texte_06", 1, "caption of tab 3 (\"Gebeübung\")"},
    InterfaceTextColumn{"texte_06", 2, "group \"Punkt/Strich-Speicher\""},
    InterfaceTextColumn{"texte_06", 3, "its item 0 (\"kein\")"},
    InterfaceTextColumn{"texte_06", 4, "its item 2 (\"Strich\")"},
    InterfaceTextColumn{"texte_06", 5, "its item 1 (\"Punkt\")"},
    InterfaceTextColumn{"texte_06", 6, "its item 3 (\"beides\")"},
    InterfaceTextColumn{"texte_06", 7, "hint of \"Rev.\""},
    InterfaceTextColumn{"texte_06", 8, "hint of both key pictures"},
    InterfaceTextColumn{"texte_06", 9, "group \" Aufzeichnung \""},
    InterfaceTextColumn{"texte_06", 10, "button \"Decodieren\""},
    InterfaceTextColumn{"texte_06", 13,
                        "message of the random groups: too few characters; followed by \"!\""},
    InterfaceTextColumn{"texte_06", 14,
                        "message of the practice start: no text to play; followed by \"!\""},
    InterfaceTextColumn{"texte_06", 15,
                        "word for text file: import item \"Textdatei (*.txt)\" and the text-file "
                        "filters, followed by \" (*.txt)\""},
    InterfaceTextColumn{"texte_06", 16,
                        "question of the random-text export, followed by \": \", the quoted "
                        "table name and \" ? \""},
    InterfaceTextColumn{"texte_06", 17, "title of the random-text export question"},
    InterfaceTextColumn{"texte_06", 18,
                        "delete question of a random-text table, first part; followed by a "
                        "blank, the quoted table name and a blank"},
    InterfaceTextColumn{"texte_06", 19,
                        "delete question of a random-text table, second part; followed by \"?\""},
    InterfaceTextColumn{"texte_06", 20, "title of the delete question"},
    InterfaceTextColumn{"texte_06", 21, "personal data: label of the first name"},
    InterfaceTextColumn{"texte_06", 22, "personal data: label of the last name"},
    InterfaceTextColumn{"texte_06", 23, "personal data: label of the call sign"},
    InterfaceTextColumn{"texte_06", 24, "personal data: window caption"},

    // About box.
    InterfaceTextColumn{"form2_texte", 0, "window caption"},
    InterfaceTextColumn{"form2_texte", 1, "program title"},
    InterfaceTextColumn{"form2_texte", 2, "version"},
    InterfaceTextColumn{"form2_texte", 3, "what the program is"},
    InterfaceTextColumn{"form2_texte", 4, "publisher"},
    InterfaceTextColumn{"form2_texte", 5, "heading of the library credits"},
    InterfaceTextColumn{"form2_texte", 6, "credit: Qt"},
    InterfaceTextColumn{"form2_texte", 7, "credit: SQLite"},
    InterfaceTextColumn{"form2_texte", 8, "credit: PCRE2"},
    InterfaceTextColumn{"form2_texte", 9, "credit: PortAudio"},
    InterfaceTextColumn{"form2_texte", 10, "credit: zlib"},
    InterfaceTextColumn{"form2_texte", 11, "credit: OpenSSL (libcrypto)"},
    InterfaceTextColumn{"form2_texte", 12, "credit: chmlib"},
    InterfaceTextColumn{"form2_texte", 13, "credit: LAME"},
    InterfaceTextColumn{"form2_texte", 14, "credit: Vorbis tools"},
    InterfaceTextColumn{"form2_texte", 15, "button that closes the box"},

    // Error list of the listening practice.
    InterfaceTextColumn{"form4_texte", 0,
                        "message when no error is found, framed as \">>>  \" + text + \"  <<<\""},
    InterfaceTextColumn{"form4_texte", 1, "window caption"},
    InterfaceTextColumn{"form4_texte", 2, "label \"Fehler\" beside the result line"},

    // Result import and its PDF report.
    InterfaceTextColumn{"form6_texte", 0, "CheckBox1 \"PDF-Dokument öffnen\""},
    InterfaceTextColumn{"form6_texte", 1, "Button1, open a result file"},
    InterfaceTextColumn{"form6_texte", 2, "Button2 \"Als PDF speichern\""},
    InterfaceTextColumn{"form6_texte", 3,
                        "Label1, the character errors; in the report followed by \": \""},
    InterfaceTextColumn{"form6_texte", 4, "Label2, start time"},
    InterfaceTextColumn{"form6_texte", 5, "Label3, end time"},
    InterfaceTextColumn{"form6_texte", 6, "Label4, save time"},
    InterfaceTextColumn{"form6_texte", 7, "Label5, durations"},
    InterfaceTextColumn{"form6_texte", 8, "Label6, speed"},
    InterfaceTextColumn{"form6_texte", 9, "Label7, candidate; in the report followed by \": \""},
    InterfaceTextColumn{"form6_texte", 10,
                        "Label8, the character count; in the report followed by \": \""},
    InterfaceTextColumn{"form6_texte", 11,
                        "Label9 \"Kommentar\"; in the report followed by \": \""},
    InterfaceTextColumn{"form6_texte", 12, "report title (PDF title too)"},
    InterfaceTextColumn{"form6_texte", 13,
                        "report subject, followed by the base name and \".txt\""},
    InterfaceTextColumn{"form6_texte", 14, "report label before the call sign"},
    InterfaceTextColumn{"form6_texte", 15, "report label before the date"},
    InterfaceTextColumn{"form6_texte", 16, "report label before the speed"},
    InterfaceTextColumn{"form6_texte", 17, "report label of the start time"},
    InterfaceTextColumn{"form6_texte", 18, "report label of the end time"},
    InterfaceTextColumn{"form6_texte", 19, "report label of the save time"},
    InterfaceTextColumn{"form6_texte", 20, "report label before both durations"},
    InterfaceTextColumn{"form6_texte", 21, "report heading of the exam text"},
    InterfaceTextColumn{"form6_texte", 22, "report heading of the typed text"},
    InterfaceTextColumn{"form6_texte", 23, "report heading of the comparison"},
    InterfaceTextColumn{"form6_texte", 24, "BitBtn1 \"&Fehler anzeigen\""},
    InterfaceTextColumn{"form6_texte", 25, "window caption"},
    InterfaceTextColumn{"form6_texte", 26,
                        "no-errors message, framed as \"---> \" + text + \" <---\""},

    // Koch trainer and its settings dialog.
    InterfaceTextColumn{"form8_texte", 0, "hint of the trainer (the space bar)"},
    InterfaceTextColumn{"form8_texte", 1, "settings: hint of the speed range"},
    InterfaceTextColumn{"form8_texte", 2, "settings: hint of the tone range"},
    InterfaceTextColumn{"form8_texte", 3, "settings: group of the dot : dash ratio"},
    InterfaceTextColumn{"form8_texte", 4, "label \"Fehler\" of the error count"},
    InterfaceTextColumn{"form8_texte", 5, "close button of the trainer"},
    InterfaceTextColumn{"form8_texte", 6, "settings: group of the tone quality"},
    InterfaceTextColumn{"form8_texte", 7, "settings: group of the keying hardness"},
    InterfaceTextColumn{"form8_texte", 8, "settings: group of the speed range"},
    InterfaceTextColumn{"form8_texte", 9, "settings: group of the tone range"},
    InterfaceTextColumn{"form8_texte", 10, "settings: save button"},
    InterfaceTextColumn{"form8_texte", 11, "settings: cancel button"},
};

} // namespace dittaro
