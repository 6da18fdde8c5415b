#include "app/frmWertetabelle.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>

#include "app/controls.h"
#include "base/failure.h"

void ValueTableModel::show(plot::ValueTable table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

int ValueTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.cells.size());
}

int ValueTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.headings.size());
}

QVariant ValueTableModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    return toQString(table_.cells[index.row()][index.column()]);
}

QVariant ValueTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return toQString(table_.headings[section]);
}

frmWertetabelle::frmWertetabelle(const QIcon& icon, std::vector<plot::TermColumn> columns,
                                 const QString& start, const QString& end, const QString& step)
    : QWidget(nullptr, Qt::Window),
      txtVon(new QLineEdit(this)),
      txtBis(new QLineEdit(this)),
      txtSchritt(new QLineEdit(this)),
      tblWerte(new QTableView(this)),
      lblZuViele(new QLabel(this)),
      btKopieren(new QPushButton("Kopieren", this)),
      model_(this) {
    setObjectName("frmWertetabelle");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Wertetabelle");
    setWindowIcon(icon);
    resize(640, 520);

    txtVon->setObjectName("txtVon");
    txtBis->setObjectName("txtBis");
    txtSchritt->setObjectName("txtSchritt");
    tblWerte->setObjectName("tblWerte");
    lblZuViele->setObjectName("lblZuViele");
    btKopieren->setObjectName("btKopieren");
    tblWerte->setAccessibleName("Wertetabelle");
    tblWerte->setModel(&model_);
    tblWerte->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    lblZuViele->setWordWrap(true);
    lblZuViele->hide();

    auto* grid = new QGridLayout(this);
    // Each field is named by its label, for assistive technologies.
    const auto labelled = [this](const QString& text, QWidget* field) {
        auto* label = new QLabel(text, this);
        label->setBuddy(field);
        return label;
    };
    grid->addWidget(labelled("Von x =", txtVon), 0, 0);
    grid->addWidget(txtVon, 0, 1);
    grid->addWidget(labelled("bis x =", txtBis), 0, 2);
    grid->addWidget(txtBis, 0, 3);
    grid->addWidget(labelled("Schrittweite", txtSchritt), 0, 4);
    grid->addWidget(txtSchritt, 0, 5);
    grid->addWidget(btKopieren, 0, 6);
    grid->addWidget(tblWerte, 1, 0, 1, 7);
    grid->addWidget(lblZuViele, 2, 0, 1, 7);

    // The range fields' key rules; Enter moves on, from the step back to the start.
    QLineEdit* fields[] = {txtVon, txtBis, txtSchritt};
    for (int i = 0; i < 3; ++i) {
        QLineEdit* f = fields[i];
        QLineEdit* next = fields[(i + 1) % 3];
        installKeyPressHandler(f, [f, next](int& key) { filterRangeKey(f, next, key); });
        connect(f, &QLineEdit::textChanged, this, [this] { fill(); });
    }
    connect(btKopieren, &QPushButton::clicked, this, [this] { copy(); });
    take(std::move(columns), start, end, step);
}

void frmWertetabelle::take(std::vector<plot::TermColumn> columns, const QString& start,
                           const QString& end, const QString& step) {
    columns_ = std::move(columns);
    const QSignalBlocker a(txtVon), b(txtBis), c(txtSchritt);
    txtVon->setText(start);
    txtBis->setText(end);
    txtSchritt->setText(step);
    fill();
}

// A table of more rows than the window can sensibly hold is refused with a notice.
void frmWertetabelle::fill() {
    try {
        shown_ = plot::valueTable(textOf(txtVon), textOf(txtBis), textOf(txtSchritt), columns_);
    } catch (const Failure&) {
        shown_ = {};
    }
    lblZuViele->setVisible(shown_.tooMany);
    lblZuViele->setText(shown_.tooMany
                            ? QString("Das wären mehr als %L1 Zeilen. Wählen Sie einen kleineren "
                                      "Bereich oder eine größere Schrittweite.")
                                  .arg(plot::kMaxValueRows)
                            : QString());
    model_.show(shown_);
}

void frmWertetabelle::copy() {
    const TextTable table = shown_.asText();
    auto* data = new QMimeData;
    data->setText(toQString(table.tabbed()));
    data->setHtml(toQString(table.html()));
    QApplication::clipboard()->setMimeData(data);
}
