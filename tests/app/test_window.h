#pragma once

// What the window tests share: dialogs that answer nothing or what is queued, and the manual's
// example analysed.
#include <QPrinter>
#include <deque>

#include "app/dialogs.h"
#include "app/frmFunktion.h"

class SilentDialogs : public Dialogs {
  public:
    void message(Icon, const QString&, const QString&) override {}
    std::optional<Colour> chooseColour(Colour) override { return std::nullopt; }
};

// Answers the file dialogs with the paths queued, the print dialog with a PDF file, and keeps
// the messages.
class AnsweringDialogs : public Dialogs {
  public:
    std::deque<QString> files;
    QString printTo;
    QStringList messages;

    void message(Icon, const QString&, const QString& text) override { messages << text; }
    std::optional<Colour> chooseColour(Colour) override { return std::nullopt; }
    std::optional<QString> saveFileName(const QString&, const QStringList&, QString&) override {
        if (files.empty()) return std::nullopt;
        const QString path = files.front();
        files.pop_front();
        return path;
    }
    bool choosePrinter(QPrinter& printer) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        return true;
    }
};

// The curve analysis of y = x^4 - 5x^2 + 4 with the zero 1 given: every result field filled.
inline void analyseManualExample(frmFunktion& window) {
    window.txtA->setText("1");
    window.txtC->setText("-5");
    window.txtE->setText("4");
    window.txtP01X->setText("1");
    window.btStartKD->click();
}
