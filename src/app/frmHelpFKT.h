#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;

// "Hilfe und Information": what the program does, and the functions a term may use.
class frmHelpFKT : public QWidget {
    Q_OBJECT
  public:
    explicit frmHelpFKT(const QIcon& icon);

    QLabel* Label1;
    QPlainTextEdit* Text1;
};
