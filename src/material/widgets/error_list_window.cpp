#include "material/widgets/error_list_window.h"

#include "platform/widgets/design_units.h"
#include "platform/widgets/named.h"
#include "platform/widgets/qt_text.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

namespace dittaro {
namespace {

constexpr int kSentRow = 0;
constexpr int kTypedRow = 1;

} // namespace

ErrorListWindow::ErrorListWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form4"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Fehlerliste"));
    LabelFehler = named(new QLabel(QStringLiteral("Fehler"), this), "LabelFehler");
    LabelErgebnis = named(new QLabel(this), "LabelErgebnis");
    QFont bold = LabelErgebnis->font();
    bold.setBold(true);
    LabelErgebnis->setFont(bold);
    StringGrid1 = named(new QTableWidget(2, 0, this), "StringGrid1");
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    StringGrid1->setTabKeyNavigation(false);
    StringGrid1->installEventFilter(this);
    ButtonOK = named(new QPushButton(QStringLiteral("OK"), this), "ButtonOK");
    ButtonOK->setDefault(true);
    connect(ButtonOK, &QPushButton::clicked, this, &QDialog::accept);

    // Two rows and room for a scroll bar beneath them.
    setFixedSize(design::size(612, 176));
    design::place(LabelFehler, 16, 16, 120, 22);
    design::place(LabelErgebnis, 140, 16, 456, 22);
    design::place(StringGrid1, 16, 48, 580, 76);
    design::place(ButtonOK, 256, 136, 100, 30);
}

void ErrorListWindow::setTexts(const QString& caption, const QString& label) {
    setWindowTitle(caption);
    LabelFehler->setText(label);
}

void ErrorListWindow::showErrors(const std::vector<WordPair>& wrongWords) {
    StringGrid1->clearContents();
    StringGrid1->setColumnCount(static_cast<int>(wrongWords.size()));
    // The grid scales with the window: a character is 13/612 of its width, a row 4/102.
    const int windowWidth = width();
    for (int column = 0; column < StringGrid1->columnCount(); ++column) {
        const WordPair& pair = wrongWords[static_cast<std::size_t>(column)];
        StringGrid1->setItem(kSentRow, column, new QTableWidgetItem(fromCp1252(pair.sent)));
        StringGrid1->setItem(kTypedRow, column, new QTableWidgetItem(fromCp1252(pair.typed)));
        const auto longer = static_cast<int>(std::max(pair.sent.size(), pair.typed.size()));
        StringGrid1->setColumnWidth(column, (longer + 1) * windowWidth * 13 / 612);
    }
    for (int row : {kSentRow, kTypedRow}) {
        StringGrid1->setRowHeight(row, windowWidth * 4 / 102);
    }
    StringGrid1->setCurrentCell(kTypedRow, 0);
}

bool ErrorListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == StringGrid1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ErrorListWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    StringGrid1->setFocus();
}

} // namespace dittaro
