#pragma once

#include <QTemporaryDir>
#include <random>

#include "app/dialogs.h"

// Answers the window's dialogs as a restless person would: every message box is confirmed,
// every colour dialog is either confirmed with some colour or cancelled, every file and print
// dialog either answered with a file in a folder of its own, which goes at the end, or cancelled.
class RandomDialogs : public Dialogs {
  public:
    explicit RandomDialogs(std::mt19937& random) : random_(random) {}

    void message(Icon icon, const QString& title, const QString& text) override;
    std::optional<Colour> chooseColour(Colour current) override;
    std::optional<QString> saveFileName(const QString& title, const QStringList& filters,
                                        QString& chosenFilter) override;
    bool choosePrinter(QPrinter& printer) override;

    int messages = 0;
    QString lastMessage;  // title and text, for the report
    int colourDialogs = 0;
    int fileDialogs = 0;

  private:
    bool cancel() { return std::bernoulli_distribution(0.3)(random_); }
    // A fresh name in the folder, with an ending the filters allow or none at all.
    QString anyFile(const QStringList& endings);

    std::mt19937& random_;
    QTemporaryDir folder_;
};
