#pragma once

#include <optional>
#include <string>
#include <string_view>

// The key filters of the window's fields. Each takes the character code of a typed key (a
// printable character its Unicode value, and the control keys below) and says what the field
// does with it: type it, type another character instead, or cancel it (0).
namespace keys {

inline constexpr int CtrlC = 3;
inline constexpr int Backspace = 8;
inline constexpr int Enter = 13;
inline constexpr int CtrlV = 22;

// A field's text as a key meets it: all of it, and what stays of it once the key has replaced
// the selection. The filters judge the rest (a sign typed over a selected "-10" is the first
// sign); Backspace works on the whole text.
struct FieldText {
    FieldText(std::string_view all) : whole(all), rest(all) {}
    FieldText(const char* all) : FieldText(std::string_view(all)) {}
    FieldText(std::string_view all, std::string_view unselected) : whole(all), rest(unselected) {}
    std::string_view whole;
    std::string_view rest;
};

struct KeyOutcome {
    int key;                               // the code to type: unchanged, replaced, or 0
    bool nextField = false;                // Enter: the focus moves on to the next field
    bool dropLast = false;                 // the last character goes, the caret to the end
    std::optional<std::string> setText{};  // the field's whole text replaced instead
    std::optional<std::string> p01y{};     // txtP01X only: what txtP01Y becomes first
};

// txtIX1 .. txtIY2: copy and paste pass, "." becomes ",", only signs, the comma and digits pass;
// a sign where the text begins with one and a second comma are refused.
KeyOutcome rangeKey(int key, FieldText text);

// txtXA, txtYA: only the comma and digits (no signs, no copy or paste), one comma.
KeyOutcome spacingKey(int key, FieldText text);

// txtA .. txtE: digits, one comma ("." becomes ","), signs anywhere. Enter moves on to the next
// coefficient field, which is then emptied; in the last field it is cancelled.
KeyOutcome coefficientKey(int key, FieldText text, bool hasNext);

// txtP01X: "#" replaces the whole text (and empties txtP01Y); any other key first sets txtP01Y
// to "0", then is filtered as in a coefficient field, Enter cancelled.
KeyOutcome p01Key(int key, FieldText text);

// The other nineteen result fields: only Backspace, copy and paste.
int resultKey(int key);

// txtX: digits, one decimal point (a comma is typed as a point), signs.
int valueKey(int key, FieldText text);

// txtF and txtFKT1 .. txtFKT4: the characters and letters a term is built from ("," becomes ".").
int termKey(int key);

// txtHilfsgleichung: the cubic with its decimal comma and upper-case X.
int cubicKey(int key);

// A superscript that a dead "^" composes with a digit, a sign or "(" (also AltGr+2 and AltGr+3):
// in a field that takes terms it means the power, "^" followed by the plain character.
std::optional<std::string_view> superscriptAsPower(char32_t c);

}  // namespace keys
