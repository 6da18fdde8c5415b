#pragma once

#include <random>

#include "app/dialogs.h"

// Answers the window's dialogs as a restless person would: every message box is confirmed,
// every colour dialog is either confirmed with some colour or cancelled.
class RandomDialogs : public Dialogs {
  public:
    explicit RandomDialogs(std::mt19937& random) : random_(random) {}

    void message(Icon icon, const QString& title, const QString& text) override;
    std::optional<Colour> chooseColour(Colour current) override;

    int messages = 0;
    QString lastMessage;  // title and text, for the report
    int colourDialogs = 0;

  private:
    std::mt19937& random_;
};
