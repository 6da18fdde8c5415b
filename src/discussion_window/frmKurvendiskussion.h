#pragma once

#include <array>

#include "app/discussion_window.h"

class DocumentView;
class QComboBox;

// The exact Kurvendiskussion of the main window's coefficients, over all real numbers, as a
// document that follows every change of the fields.
class frmKurvendiskussion : public DiscussionWindow {
  public:
    explicit frmKurvendiskussion(const QIcon& icon);
    void follow(const CoefficientTexts& coefficients) override;

    QComboBox* cboLoesungsformel;  // pq-Formel or Mitternachtsformel for quadratic equations
    DocumentView* txtKurvendiskussion;

  private:
    CoefficientTexts coefficients_;
};
