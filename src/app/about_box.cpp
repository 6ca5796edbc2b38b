#include "app/about_box.h"

#include "platform/widgets/named.h"
#include "platform/widgets/qt_text.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

namespace dittaro {
namespace {

// The German texts of the box, by column of form2_texte.
constexpr std::array<const char*, 16> kDesignTexts{
    "Über ZKT Dittaro",
    "ZKT Dittaro",
    "Version 4.0.09",
    "Morsetrainer für Hörübung, Gebeübung und Prüfung",
    "Valdora Telegraphy Club - VKX",
    "Dittaro verwendet diese Bibliotheken und Programme:",
    "Qt 6 – Bedienoberfläche (The Qt Company, LGPL 3)",
    "SQLite 3 – Datenbanken (D. Richard Hipp, gemeinfrei)",
    "PCRE2 – reguläre Ausdrücke (Philip Hazel, Universität Cambridge, BSD-Lizenz)",
    "PortAudio – Tonausgabe (Ross Bencina, Phil Burk, MIT-Lizenz)",
    "zlib – Kompression der PDF-Berichte (Jean-loup Gailly, Mark Adler, zlib-Lizenz)",
    "OpenSSL (libcrypto) – Verschlüsselung der Prüfungsergebnisse (OpenSSL Project, "
    "Apache-Lizenz 2.0)",
    "CHMLib – Lesen der Hilfedateien (Jed Wing, LGPL 2.1)",
    "LAME – MP3-Encoder, eigenständiges Programm (The LAME Project, LGPL)",
    "Vorbis Tools (oggenc) – Ogg-Vorbis-Encoder, eigenständiges Programm (Xiph.Org Foundation, "
    "GPL)",
    "OK",
};

constexpr int kFirstCredit = 6;
constexpr int kLastCredit = 14;

} // namespace

AboutBox::AboutBox(const std::optional<TextRow>& texts, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    const auto text = [&texts](int column) {
        return texts ? fromCp1252(texts->text(column))
                     : QString::fromUtf8(kDesignTexts[static_cast<std::size_t>(column)]);
    };

    setWindowTitle(text(0));
    LabelTitel = named(new QLabel(text(1), this), "LabelTitel");
    QFont titleFont = LabelTitel->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    LabelTitel->setFont(titleFont);
    LabelVersion = named(new QLabel(text(2), this), "LabelVersion");
    LabelBeschreibung = named(new QLabel(text(3), this), "LabelBeschreibung");
    LabelHerausgeber = named(new QLabel(text(4), this), "LabelHerausgeber");
    QString credits = QStringLiteral("<p>") + text(5).toHtmlEscaped() + QStringLiteral("</p><ul>");
    for (int column = kFirstCredit; column <= kLastCredit; ++column) {
        credits += QStringLiteral("<li>") + text(column).toHtmlEscaped() + QStringLiteral("</li>");
    }
    credits += QStringLiteral("</ul>");
    LabelBibliotheken = named(new QLabel(credits, this), "LabelBibliotheken");
    LabelBibliotheken->setTextFormat(Qt::RichText);
    LabelBibliotheken->setWordWrap(true);
    ButtonOK = named(new QPushButton(text(15), this), "ButtonOK");
    ButtonOK->setDefault(true);
    connect(ButtonOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelTitel);
    layout->addWidget(LabelVersion);
    layout->addWidget(LabelBeschreibung);
    layout->addWidget(LabelHerausgeber);
    layout->addSpacing(8);
    layout->addWidget(LabelBibliotheken);
    layout->addWidget(ButtonOK, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    LabelBibliotheken->setFixedWidth(fontMetrics().averageCharWidth() * 90);
}

} // namespace dittaro
