#include "document/plain_text.h"

#include <cctype>
#include <optional>
#include <string_view>
#include <utility>

namespace doc {
namespace {

std::string bracketed(const Math& m) {
    const std::string s = plainText(m);
    return isAtomic(m) ? s : "(" + s + ")";
}

// The text in superscript or subscript characters, where all of them have one.
std::optional<std::string> shifted(const std::string& text, bool up) {
    static const char* const superscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    static const char* const subscripts[] = {"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉"};
    std::string out;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        out += (up ? superscripts : subscripts)[c - '0'];
    }
    return out;
}

// ½, ¼, ⅔ … where Unicode has the fraction as one character.
std::optional<std::string> vulgar(const Math& f) {
    static const std::pair<const char*, const char*> known[] = {
        {"1/2", "½"}, {"1/3", "⅓"}, {"2/3", "⅔"}, {"1/4", "¼"}, {"3/4", "¾"},
        {"1/5", "⅕"}, {"2/5", "⅖"}, {"3/5", "⅗"}, {"4/5", "⅘"}, {"1/6", "⅙"},
        {"5/6", "⅚"}, {"1/8", "⅛"}, {"3/8", "⅜"}, {"5/8", "⅝"}, {"7/8", "⅞"}};
    const Math& n = f.items()[0];
    const Math& d = f.items()[1];
    if (n.kind() != Math::Kind::Text || d.kind() != Math::Kind::Text) return std::nullopt;
    const std::string written = n.textOf() + "/" + d.textOf();
    for (const auto& [slashed, character] : known)
        if (written == slashed) return character;
    return std::nullopt;
}

// A fraction right before a letter or a power is its factor: (1/7)x, not 1/7x.
bool isFactorBefore(const Math& next) {
    if (next.kind() == Math::Kind::Power || next.kind() == Math::Kind::Index) return true;
    if (next.kind() == Math::Kind::Root) return true;
    return next.kind() == Math::Kind::Text && !next.textOf().empty() &&
           std::isalpha(static_cast<unsigned char>(next.textOf()[0]));
}

std::string shiftedOrMarked(const Math& m, bool up) {
    const std::string s = plainText(m);
    if (auto small = shifted(s, up)) return *small;
    return (up ? "^" : "_") + bracketed(m);
}

}  // namespace

std::string plainText(const Math& math) {
    const auto& items = math.items();
    switch (math.kind()) {
        case Math::Kind::Text:
            return math.textOf();
        case Math::Kind::Row: {
            std::string out;
            for (std::size_t i = 0; i < items.size(); ++i) {
                const bool factor = items[i].kind() == Math::Kind::Fraction && !vulgar(items[i]) &&
                                    i + 1 < items.size() && isFactorBefore(items[i + 1]);
                out += factor ? "(" + plainText(items[i]) + ")" : plainText(items[i]);
            }
            return out;
        }
        case Math::Kind::Fraction:
            if (auto character = vulgar(math)) return *character;
            return bracketed(items[0]) + "/" + bracketed(items[1]);
        case Math::Kind::Root:
            return "√" + bracketed(items[0]);
        case Math::Kind::Power:
            return bracketed(items[0]) + shiftedOrMarked(items[1], true);
        case Math::Kind::Index:
            return plainText(items[0]) + shiftedOrMarked(items[1], false);
    }
    return {};
}

std::string plainText(const Document& document) {
    std::string out = plainText(Math::row(document.title.items)) + "\n";
    for (const Section& section : document.sections) {
        out += "\n" + section.heading + "\n";
        for (const Paragraph& paragraph : section.paragraphs)
            out += plainText(Math::row(paragraph.items)) + "\n";
    }
    return out;
}

}  // namespace doc
