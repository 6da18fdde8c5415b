#include "keys/key_filters.h"

#include "terms/functions.h"

namespace keys {
namespace {

bool passesUnchanged(int key) { return key == Backspace || key == CtrlC || key == CtrlV; }
bool isDigit(int key) { return key >= '0' && key <= '9'; }
bool isOneOf(int key, std::string_view chars) {
    return key > 0 && key < 128 && chars.find(static_cast<char>(key)) != chars.npos;
}
bool has(std::string_view text, char c) { return text.find(c) != std::string_view::npos; }

// Digits, one comma ("." becomes ","), and signs anywhere: the coefficient fields and P01.
int numberKey(int key, std::string_view rest) {
    if (passesUnchanged(key)) return key;
    if (has(rest, ',') && (key == '.' || key == ',')) return 0;
    if (key == '.') key = ',';
    return isDigit(key) || isOneOf(key, ",-+") ? key : 0;
}

// Backspace in a range or spacing field: the field's last character goes, wherever the caret
// stands; an empty field has none, the handler ends there and the key goes on untouched.
std::optional<KeyOutcome> dropLastCharacter(int key, FieldText text) {
    if (key != Backspace) return std::nullopt;
    if (text.whole.empty()) return KeyOutcome{key};
    return KeyOutcome{0, false, true};
}

}  // namespace

KeyOutcome rangeKey(int key, FieldText text) {
    if (key == CtrlC || key == CtrlV) return {key};
    if (key == '.') key = ',';
    // Enter has done its work once the focus has moved; the field itself gets nothing.
    if (key == Enter) return {0, true};
    if (auto back = dropLastCharacter(key, text)) return *back;
    const bool sign = key == '+' || key == '-';
    if (!(isDigit(key) || sign || key == ',')) return {0};
    if (sign && (text.rest.starts_with('+') || text.rest.starts_with('-'))) return {0};
    if (key == ',' && has(text.rest, ',')) return {0};
    return {key};
}

KeyOutcome spacingKey(int key, FieldText text) {
    if (key == Enter) return {0, true};
    if (key == '.') key = ',';
    if (auto back = dropLastCharacter(key, text)) return *back;
    if (!(isDigit(key) || key == ',')) return {0};
    if (key == ',' && has(text.rest, ',')) return {0};
    return {key};
}

KeyOutcome coefficientKey(int key, FieldText text, bool hasNext) {
    if (key == Enter && hasNext) return {0, true};
    return {numberKey(key, text.rest)};
}

KeyOutcome p01Key(int key, FieldText text) {
    if (key == '#') return {.key = 0, .setText = "#", .p01y = ""};
    return {.key = numberKey(key, text.rest), .p01y = "0"};
}

int resultKey(int key) { return passesUnchanged(key) ? key : 0; }

int valueKey(int key, FieldText text) {
    if (passesUnchanged(key)) return key;
    if (has(text.rest, '.') && (key == '.' || key == ',')) return 0;
    if (key == ',') key = '.';
    return isDigit(key) || isOneOf(key, ".-+") ? key : 0;
}

int termKey(int key) {
    if (passesUnchanged(key)) return key;
    if (key == ',') key = '.';
    if (isDigit(key) || isOneOf(key, ".-+*/^()")) return key;
    const bool letter = (key >= 'A' && key <= 'Z') || (key >= 'a' && key <= 'z');
    return letter && terms::isTermLetter(static_cast<char>(key & ~0x20)) ? key : 0;
}

int cubicKey(int key) {
    if (passesUnchanged(key)) return key;
    if (key == '.') key = ',';
    if (key == 'x') key = 'X';
    return isDigit(key) || isOneOf(key, ",-+*^X()") ? key : 0;
}

std::optional<std::string_view> superscriptAsPower(char32_t c) {
    switch (c) {
        case U'\u2070':
            return "^0";
        case U'\u00B9':
            return "^1";
        case U'\u00B2':
            return "^2";
        case U'\u00B3':
            return "^3";
        case U'\u2074':
            return "^4";
        case U'\u2075':
            return "^5";
        case U'\u2076':
            return "^6";
        case U'\u2077':
            return "^7";
        case U'\u2078':
            return "^8";
        case U'\u2079':
            return "^9";
        case U'\u207A':
            return "^+";
        case U'\u207B':
            return "^-";
        case U'\u207D':
            return "^(";
        default:
            return std::nullopt;
    }
}

}  // namespace keys
