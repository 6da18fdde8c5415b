#include "random_text.h"

#include <QByteArray>
#include <array>
#include <cmath>

namespace random_text {

namespace {

int below(std::mt19937& random, int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(random);
}

// Short texts mostly, with a long tail up to 1 MB.
int pasteLength(std::mt19937& random) {
    constexpr double maxLength = 1 << 20;
    const double tier = std::uniform_real_distribution<double>(0, 1)(random);
    const double limit = tier < 0.75 ? 40 : tier < 0.95 ? 4000 : tier < 0.99 ? 65536 : maxLength;
    // Log-uniform below the limit, so that every order of magnitude turns up.
    const double exponent = std::uniform_real_distribution<double>(0, std::log(limit))(random);
    return std::max(1, static_cast<int>(std::exp(exponent)));
}

QString number(std::mt19937& random) {
    static constexpr std::array<const char*, 14> specials = {
        "0",  "-0", "1E+308",       "-1E+308", "1E-308", "4,94E-324", "1,7976931348623157E+308",
        "2,", ",5", "1.000.000,25", "-",       ",",      "+",         "999999999999999999999"};
    if (below(random, 4) == 0) return specials[below(random, specials.size())];
    QString n;
    if (below(random, 2)) n += '-';
    const int digits = 1 + below(random, 18);
    for (int i = 0; i < digits; ++i) n += QChar('0' + below(random, 10));
    if (below(random, 2)) {
        n += ',';
        for (int i = below(random, 16); i > 0; --i) n += QChar('0' + below(random, 10));
    }
    if (below(random, 4) == 0)
        n += QString("E%1%2").arg(below(random, 2) ? '+' : '-').arg(below(random, 400));
    return n;
}

QString termPiece(std::mt19937& random) {
    static constexpr std::array<const char*, 34> pieces = {
        "(X)",  "X",    "x",    "+",    "-",    "*",      "/",    "^",    "(",
        ")",    "SIN(", "COS(", "TAN(", "ATN(", "LOG(",   "EXP(", "SQR(", "ABS(",
        "SGN(", "INT(", "FIX(", "(PI)", "(E)",  "PI",     "E",    "2",    "0",
        "10",   ".",    ",",    " ",    "^-",   "sin(x)", "1E308"};
    if (below(random, 5) == 0) return number(random);
    return pieces[below(random, pieces.size())];
}

QString repeated(std::mt19937& random, int length, QString (*piece)(std::mt19937&)) {
    QString text;
    text.reserve(length + 32);
    while (text.size() < length) text += piece(random);
    text.truncate(length);
    return text;
}

// Random bytes read as UTF-8 (mostly replacement characters, some letters of other scripts)
// or as Latin-1.
QString bytes(std::mt19937& random, int length) {
    QByteArray raw(length, Qt::Uninitialized);
    for (char& c : raw) c = static_cast<char>(below(random, 256));
    return below(random, 2) ? QString::fromUtf8(raw) : QString::fromLatin1(raw);
}

}  // namespace

QChar keyboardCharacter(std::mt19937& random) {
    static const QString umlauts = QString::fromUtf8("äöüÄÖÜß€µ§°²³");
    static const QString termKeys = "0123456789,.+-*/^()xX#E";
    switch (below(random, 4)) {
        case 0:
            return umlauts[below(random, umlauts.size())];
        case 1:
            return QChar(0x20 + below(random, 0x5F));
        default:
            return termKeys[below(random, termKeys.size())];
    }
}

Paste paste(std::mt19937& random) {
    const int length = pasteLength(random);
    switch (below(random, 5)) {
        case 0:
            return {repeated(random, length, number), "numbers"};
        case 1:
            return {repeated(random, length, termPiece), "terms"};
        case 2: {
            QString text = length > 2 ? QString(length / 2, '(') + QString(length - length / 2, ')')
                                      : QString("()");
            if (below(random, 2))
                text = repeated(random, length,
                                [](std::mt19937& r) { return QString(below(r, 2) ? '(' : ')'); });
            return {text, "brackets"};
        }
        case 3:
            return {bytes(random, length), "bytes"};
        default:
            return {repeated(random, length,
                             [](std::mt19937& r) { return QString(keyboardCharacter(r)); }),
                    "keyboard"};
    }
}

}  // namespace random_text
