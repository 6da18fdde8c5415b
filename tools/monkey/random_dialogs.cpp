#include "random_dialogs.h"

void RandomDialogs::message(Icon, const QString& title, const QString& text) {
    ++messages;
    lastMessage = title + ": " + QString(text).replace("\r\n", " / ");
}

std::optional<Colour> RandomDialogs::chooseColour(Colour) {
    ++colourDialogs;
    if (std::bernoulli_distribution(0.3)(random_)) return std::nullopt;
    std::uniform_int_distribution<int> channel(0, 255);
    const int r = channel(random_), g = channel(random_), b = channel(random_);
    return rgb(r, g, b);
}
