#include "scripted_dialogs.h"

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
