#include "scripted_dialogs.h"

#include <QPrinter>

#include "script_line.h"

void ScriptedDialogs::message(Icon icon, const QString& title, const QString& text) {
    const QString name = icon == Icon::Stop ? "stop" : icon == Icon::Info ? "info" : "none";
    shown.push_back({name, title, text});
    print_("message " + name + " " + quote(title) + " " + quote(text));
}

std::optional<Colour> ScriptedDialogs::chooseColour(Colour) {
    if (colours_.empty()) {
        print_("colour dialog: no answer, cancelled");
        return std::nullopt;
    }
    auto answer = colours_.front();
    colours_.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::saveFileName(const QString&, const QStringList&,
                                                     QString& chosenFilter) {
    if (files_.empty()) {
        print_("file dialog: no answer, cancelled");
        return std::nullopt;
    }
    const QString answer = files_.front();
    files_.pop_front();
    chosenFilter.clear();  // the type comes from the name's ending
    if (answer.isEmpty()) return std::nullopt;
    return answer;
}

bool ScriptedDialogs::choosePrinter(QPrinter& printer) {
    if (prints_.empty()) {
        print_("print dialog: no answer, cancelled");
        return false;
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(prints_.front());
    prints_.pop_front();
    return true;
}
