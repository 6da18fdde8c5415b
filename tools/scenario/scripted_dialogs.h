#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "app/dialogs.h"

// Answers the window's dialogs from the scenario: every message box confirms itself with OK
// and is remembered for `expect message`; colour, file and print dialogs take the queued answers
// in order and are cancelled without one.
class ScriptedDialogs : public Dialogs {
  public:
    struct Shown {
        QString icon, title, text;
    };

    explicit ScriptedDialogs(std::function<void(const QString&)> print)
        : print_(std::move(print)) {}

    void message(Icon icon, const QString& title, const QString& text) override;
    std::optional<Colour> chooseColour(Colour current) override;
    std::optional<QString> saveFileName(const QString& title, const QStringList& filters,
                                        QString& chosenFilter) override;
    bool choosePrinter(QPrinter& printer) override;

    // A confirmed colour, or nothing for a cancel.
    void queueColour(std::optional<Colour> answer) { colours_.push_back(answer); }
    // A path to save to, or the empty text for a cancel.
    void queueFile(const QString& answer) { files_.push_back(answer); }
    // The PDF file a print dialog prints to.
    void queuePrint(QString pdfPath) { prints_.push_back(pdfPath); }

    std::vector<Shown> shown;
    std::size_t expected = 0;  // how many of `shown` an expectation has matched

  private:
    std::function<void(const QString&)> print_;
    std::deque<std::optional<Colour>> colours_;
    std::deque<QString> files_;
    std::deque<QString> prints_;
};
