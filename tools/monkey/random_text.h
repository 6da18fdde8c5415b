#pragma once

#include <QString>
#include <random>

// Texts that a person types or pastes, from sensible to hostile.
namespace random_text {

// One character of the keyboard: letters, digits, signs, umlauts, the term's own characters.
QChar keyboardCharacter(std::mt19937& random);

struct Paste {
    QString text;
    const char* kind;  // numbers, terms, brackets, bytes, keyboard
};

// A clipboard text of up to 1 MB characters; most are short, a few are huge.
Paste paste(std::mt19937& random);

}  // namespace random_text
