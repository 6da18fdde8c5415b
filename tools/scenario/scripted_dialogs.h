#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "app/dialogs.h"

// Answers the window's dialogs from the scenario: every message box confirms itself with OK
// and is remembered for `expect message`; colour dialogs take the queued answers in order.
class ScriptedDialogs : public Dialogs {
  public:
    struct Shown {
        QString icon, title, text;
    };

    explicit ScriptedDialogs(std::function<void(const QString&)> print)
        : print_(std::move(print)) {}

    void message(Icon icon, const QString& title, const QString& text) override;
    std::optional<Colour> chooseColour(Colour current) override;

    // A confirmed colour, or nothing for a cancel.
    void queueColour(std::optional<Colour> answer) { colours_.push_back(answer); }

    std::vector<Shown> shown;
    std::size_t expected = 0;  // how many of `shown` an expectation has matched

  private:
    std::function<void(const QString&)> print_;
    std::deque<std::optional<Colour>> colours_;
};
