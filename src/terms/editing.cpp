#include "terms/editing.h"

namespace terms {

namespace {

constexpr int kBackspace = 8;
constexpr int kCtrlC = 3;
constexpr int kCtrlV = 22;

bool passesUnchanged(int keyAscii) {
    return keyAscii == kBackspace || keyAscii == kCtrlC || keyAscii == kCtrlV;
}

bool isDigit(int keyAscii) { return keyAscii >= '0' && keyAscii <= '9'; }

bool isOneOf(int keyAscii, std::string_view chars) {
    return keyAscii > 0 && keyAscii < 128 && chars.find(static_cast<char>(keyAscii)) != chars.npos;
}

}  // namespace

int filterValueKey(int keyAscii, std::string_view text) {
    if (passesUnchanged(keyAscii)) return keyAscii;
    if (text.find('.') != text.npos && (keyAscii == '.' || keyAscii == ',')) return 0;
    if (keyAscii == ',') keyAscii = '.';
    if (isDigit(keyAscii) || isOneOf(keyAscii, ".-+")) return keyAscii;
    return 0;
}

int filterTermKey(int keyAscii) {
    if (passesUnchanged(keyAscii)) return keyAscii;
    if (keyAscii == ',') keyAscii = '.';
    if (isDigit(keyAscii) || isOneOf(keyAscii, ".-+*/^()")) return keyAscii;
    if (isOneOf(keyAscii, "ABCEFGILNOPQRSTXabcefgilnopqrstx")) return keyAscii;
    return 0;
}

int filterCubicKey(int keyAscii) {
    if (passesUnchanged(keyAscii)) return keyAscii;
    if (keyAscii == '.') keyAscii = ',';
    if (keyAscii == 'x') keyAscii = 'X';
    if (isDigit(keyAscii) || isOneOf(keyAscii, ",-+*^X()")) return keyAscii;
    return 0;
}

}  // namespace terms
