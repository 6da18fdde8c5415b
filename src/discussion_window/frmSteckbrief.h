#pragma once

#include <optional>

#include "app/steckbrief_window.h"
#include "steckbrief/answer.h"

class DocumentView;
class QComboBox;
class QPlainTextEdit;
class QPushButton;

// The Steckbriefaufgabe: the degree and the conditions, one a line; "Lösen" shows the way to the
// polynomial and its Probe, "Übernehmen" writes a unique solution into the main window.
class frmSteckbrief : public SteckbriefWindow {
  public:
    explicit frmSteckbrief(const QIcon& icon);
    void onTake(Take take) override { take_ = std::move(take); }

    QComboBox* cboGrad;
    QPlainTextEdit* txtBedingungen;
    QPushButton* btLoesen;
    QPushButton* btUebernehmen;
    DocumentView* txtLoesungsweg;

  private:
    void solve();
    void takeSolution();
    // A changed degree or condition leaves the shown solution answering other conditions.
    void conditionsChanged();

    Take take_;
    std::optional<steckbrief::Answer> answer_;
};
