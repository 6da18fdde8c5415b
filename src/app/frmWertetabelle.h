#pragma once

#include <QAbstractTableModel>
#include <QWidget>
#include <vector>

#include "plot/value_table.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// The cells of a value table for the view.
class ValueTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;
    void show(plot::ValueTable table);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    plot::ValueTable table_;
};

// "Wertetabelle": the function fields' terms at x from a start to an end in steps, one column a
// term. Modeless; the main window opens one and closes it with itself.
class frmWertetabelle : public QWidget {
    Q_OBJECT
  public:
    frmWertetabelle(const QIcon& icon, std::vector<plot::TermColumn> columns, const QString& start,
                    const QString& end, const QString& step);

    // New terms and view from the main window.
    void take(std::vector<plot::TermColumn> columns, const QString& start, const QString& end,
              const QString& step);

    QLineEdit *txtVon, *txtBis, *txtSchritt;
    QTableView* tblWerte;
    QLabel* lblZuViele;
    QPushButton* btKopieren;

  private:
    void fill();
    void copy();

    std::vector<plot::TermColumn> columns_;
    ValueTableModel model_;
    plot::ValueTable shown_;
};
