#include "engine/widgets/tform3.h"

#include "common/cp1252.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace dittaro {
namespace {

constexpr int kMaxLength = 30;

QString fromCp1252(const std::string& text) {
    return QString::fromStdU32String(cp1252ToUtf32(text));
}

std::string toCp1252(const QString& text) {
    return utf32ToCp1252(text.toStdU32String());
}

QLineEdit* tagEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(kMaxLength);
    edit->setToolTip(QStringLiteral("Maximal 30 Zeichen"));
    return edit;
}

} // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("ID3-Tags"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit4 = tagEdit(this, "Edit4");
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Edit3 = tagEdit(this, "Edit3");
    Button1 = new QPushButton(QStringLiteral("&OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    // Enter in the artist field must only move on, so no button may take it.
    Button1->setAutoDefault(false);
    Button1->setDefault(false);
    Label1->setBuddy(Edit4);
    Label2->setBuddy(Edit3);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Edit4);
    layout->addWidget(Label2);
    layout->addWidget(Edit3);
    layout->addWidget(Button1, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Edit4->setMinimumWidth(fontMetrics().averageCharWidth() * (kMaxLength + 8));
    setTabOrder(Edit4, Edit3);
    setTabOrder(Edit3, Button1);

    connect(Edit4, &QLineEdit::returnPressed, Edit3, [this] { Edit3->setFocus(); });
    connect(Edit3, &QLineEdit::returnPressed, this, &QDialog::accept);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    setLanguage(1);
}

void TForm3::setLanguage(int language) {
    if (language == 1) {
        Label1->setText(QStringLiteral("Rufzeichen, Name, Club, Schule ..."));
        Label2->setText(QStringLiteral("Titel, Thema, Beschreibung ..."));
    } else {
        Label1->setText(QStringLiteral("Callsign, name, club, school ..."));
        Label2->setText(QStringLiteral("Title, subject, description ..."));
    }
}

void TForm3::showFields(const TagFields& fields) {
    Edit4->setText(fromCp1252(fields.artist));
    Edit3->setText(fromCp1252(fields.title));
    Edit4->setFocus();
}

TagFields TForm3::fields() const {
    return {toCp1252(Edit4->text()), toCp1252(Edit3->text())};
}

std::optional<TagFields> TForm3::ask(const TagFields& shown) {
    showFields(shown);
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return fields();
}

void TForm3::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* desktop = QGuiApplication::primaryScreen()) {
        move(desktop->availableGeometry().center() - rect().center());
    }
}

} // namespace dittaro
