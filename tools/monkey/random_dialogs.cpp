#include "random_dialogs.h"

#include <QDir>
#include <QPrinter>
#include <QRegularExpression>

void RandomDialogs::message(Icon, const QString& title, const QString& text) {
    ++messages;
    lastMessage = title + ": " + QString(text).replace("\r\n", " / ");
}

std::optional<Colour> RandomDialogs::chooseColour(Colour) {
    ++colourDialogs;
    if (cancel()) return std::nullopt;
    std::uniform_int_distribution<int> channel(0, 255);
    const int r = channel(random_), g = channel(random_), b = channel(random_);
    return rgb(r, g, b);
}

QString RandomDialogs::anyFile(const QStringList& endings) {
    // Only the newest file stays: the folder does not fill the disk over a long run.
    QDir folder(folder_.path());
    for (const QString& old : folder.entryList(QDir::Files)) folder.remove(old);
    const int pick =
        std::uniform_int_distribution<int>(0, static_cast<int>(endings.size()))(random_);
    return folder_.filePath(QString("datei%1%2")
                                .arg(++fileDialogs)
                                .arg(pick < endings.size() ? endings[pick] : QString()));
}

std::optional<QString> RandomDialogs::saveFileName(const QString&, const QStringList& filters,
                                                   QString& chosenFilter) {
    if (cancel() || filters.isEmpty()) return std::nullopt;
    chosenFilter = filters[std::uniform_int_distribution<int>(
        0, static_cast<int>(filters.size()) - 1)(random_)];
    // "PNG-Bild (*.png)": the endings between the brackets.
    QStringList endings;
    for (const QString& filter : filters)
        for (const auto& m : QRegularExpression(R"(\*(\.\w+))").globalMatch(filter))
            endings << m.captured(1);
    return anyFile(endings);
}

bool RandomDialogs::choosePrinter(QPrinter& printer) {
    if (cancel()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(anyFile({".pdf"}));
    return true;
}
