#pragma once

// What the window tests share: dialogs that answer nothing or what is queued, the menu, and the
// manual's example analysed.
#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <deque>

#include "app/dialogs.h"
#include "app/frmFunktion.h"
#include "app/window_probe.h"

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

// An entry of the menu bar chosen as with the mouse ("Datei/Bild speichern …").
inline void chooseMenu(frmFunktion& window, const QString& path) {
    EXPECT_TRUE(WindowProbe(window).chooseMenu(path)) << "no menu entry " << path.toStdString();
}

// The curve analysis of y = x^4 - 5x^2 + 4 with the zero 1 given: every result field filled.
inline void analyseManualExample(frmFunktion& window) {
    const WindowProbe probe(window);
    probe.control<QLineEdit>("txtA")->setText("1");
    probe.control<QLineEdit>("txtC")->setText("-5");
    probe.control<QLineEdit>("txtE")->setText("4");
    probe.control<QLineEdit>("txtP01X")->setText("1");
    probe.control<QPushButton>("btStartKD")->click();
}
