#pragma once

#include <array>
#include <string_view>

// The keypad below the term field: each key inserts its text into txtF at the caret.
namespace terms {

struct KeypadKey {
    std::string_view button;  // the control's name
    std::string_view caption;
    std::string_view inserts;  // the text put in place of the selection of txtF
    std::string_view tooltip;
    int left, top, width, height;  // twips
    unsigned colour;               // the key's colour, 0xRRGGBB
    double points;                 // its bold Arial size, 0 for the window's 9,75
};

inline constexpr unsigned kDigitKey = 0xFFC080, kFunctionKey = 0x80FF80;

// clang-format off
inline constexpr auto kKeypad = std::to_array<KeypadKey>({
    {"bt7", "7", "7", "", 7320, 7020, 315, 255, kDigitKey, 0},
    {"bt8", "8", "8", "", 7680, 7020, 315, 255, kDigitKey, 0},
    {"bt9", "9", "9", "", 8040, 7020, 315, 255, kDigitKey, 0},
    {"bt4", "4", "4", "", 7320, 7320, 315, 255, kDigitKey, 0},
    {"bt5", "5", "5", "", 7680, 7320, 315, 255, kDigitKey, 0},
    {"bt6", "6", "6", "", 8040, 7320, 315, 255, kDigitKey, 0},
    {"bt1", "1", "1", "", 7320, 7620, 315, 255, kDigitKey, 0},
    {"bt2", "2", "2", "", 7680, 7620, 315, 255, kDigitKey, 0},
    {"bt3", "3", "3", "", 8040, 7620, 315, 255, kDigitKey, 0},
    {"bt0", "0", "0", "", 7680, 7920, 315, 255, kDigitKey, 0},
    {"btDP", ".", ".", "Dezimaltrenner", 8040, 7920, 315, 255, kDigitKey, 0},
    {"btKa", "(", "(", "Klammer auf", 8400, 7020, 255, 255, kFunctionKey, 9},
    {"btKz", ")", ")", "Klammer zu", 8700, 7020, 255, 255, kFunctionKey, 9},
    {"btPl", "+", "+", "Plus", 8400, 7320, 255, 255, kFunctionKey, 9},
    {"btMa", "*", "*", "Mal", 8700, 7320, 255, 255, kFunctionKey, 9},
    {"btMi", "-", "-", "Minus", 8400, 7620, 255, 255, kFunctionKey, 9},
    {"btGe", "/", "/", "Geteilt durch", 8700, 7620, 255, 255, kFunctionKey, 0},
    {"btX", "X", "(X)", "Platzhalter für Variable X", 8400, 7920, 255, 255, 0x80FFFF, 0},
    {"btHo", "^", "^", "Hoch", 8700, 7920, 255, 255, kFunctionKey, 0},
    {"btABS", "ABS", "ABS(", "absoluter Betrag", 9000, 7020, 555, 255, kFunctionKey, 0},
    {"btSQR", "SQR", "SQR(", "Quadratwurzel", 9000, 7320, 555, 255, kFunctionKey, 0},
    {"btLOG", "LOG", "LOG(", "natürlicher Logarithmus", 9000, 7620, 555, 255, kFunctionKey, 0},
    {"btEXP", "EXP", "EXP(", "Exponent (e hoch ...)", 9000, 7920, 555, 255, kFunctionKey, 0},
    {"btSGN", "SGN", "SGN(", "Signum (Vorzeichen)", 9600, 7020, 555, 255, kFunctionKey, 0},
    {"btSIN", "SIN", "SIN(", "Sinus", 9600, 7320, 555, 255, kFunctionKey, 0},
    {"btCOS", "COS", "COS(", "Cosinus", 9600, 7620, 555, 255, kFunctionKey, 0},
    {"btTAN", "TAN", "TAN(", "Tangens", 9600, 7920, 555, 255, kFunctionKey, 0},
    {"btINT", "INT", "INT(", "Integer (rundet auf die nächstkleinere Ganzzahl ab)", 10200, 7020, 675, 255, kFunctionKey, 0},
    {"btATN", "ATN", "ATN(", "Arcustangens (Umkehrfunktion von TAN)", 10200, 7920, 675, 255, kFunctionKey, 0},
    {"btPI", "PI = 4ATN(1)", "(PI)", "Eingabe von PI", 10200, 7320, 1335, 255, 0xFFFF80, 0},
    {"btE", "e = EXP(1)", "(E)", "Eingabe von e", 10200, 7620, 1335, 255, 0xFFFF80, 0},
    {"btFIX", "FIX", "FIX(", "FIX (trennt Nachkommastellen ab)", 10920, 7020, 615, 255, kFunctionKey, 0},
});
// clang-format on

}  // namespace terms
