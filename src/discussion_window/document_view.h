#pragma once

#include <QTextBrowser>
#include <vector>

#include "document/document.h"

class MathTextObject;

// A document shown as text that flows with the window's width, its formulas laid out as on
// paper and breaking only between them.
class DocumentView : public QTextBrowser {
    Q_OBJECT
  public:
    explicit DocumentView(QWidget* parent = nullptr);
    void show(const doc::Document& document);

  private:
    std::vector<doc::Math> formulas_;  // the formulas of the document shown, by index
    MathTextObject* formulaHandler_;
};
