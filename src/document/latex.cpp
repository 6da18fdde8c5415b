#include "document/latex.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string_view>
#include <vector>

namespace doc {
namespace {

// A run of words (text mode) or of mathematics (math mode).
struct Segment {
    bool words;
    std::string text;
};
using Segments = std::vector<Segment>;

void append(Segments& out, bool words, const std::string& text) {
    if (text.empty()) return;
    if (!out.empty() && out.back().words == words)
        out.back().text += text;
    else
        out.push_back({words, text});
}

std::vector<char32_t> decoded(const std::string& s) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        char32_t cp = length == 1 ? c : c & (0x3F >> (length - 1));
        for (int k = 1; k < length && i + k < s.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out.push_back(cp);
        i += static_cast<std::size_t>(length);
    }
    return out;
}

std::string encoded(char32_t cp) {
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

// The letters of German words; utf8 inputenc knows the umlauts and ß in text mode.
bool isLetter(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           std::u32string_view(U"äöüÄÖÜß").find(c) != std::u32string_view::npos;
}

// Characters that go on with a run of words: spaces and the punctuation of sentences.
bool joinsWords(char32_t c) {
    return std::u32string_view(U" \u00A0.,:;!?()-\u2011\u2013„“").find(c) !=
           std::u32string_view::npos;
}

std::string wordText(char32_t c) {
    switch (c) {
        case '&':
        case '%':
        case '$':
        case '#':
        case '_':
        case '{':
        case '}':
            return std::string("\\") + static_cast<char>(c);
        case '~':
            return "\\textasciitilde{}";
        case '^':
            return "\\textasciicircum{}";
        case '\\':
            return "\\textbackslash{}";
        case U'„':
            return "\\glqq{}";
        case U'“':
            return "\\grqq{}";
        case U'\u2011':
            return "-";
        case U'\u2013':
            return "--";
        case U'\u00A0':
            return "~";
        default:
            return encoded(c);
    }
}

std::string digitsShifted(std::u32string_view digits, char32_t c) {
    const auto at = digits.find(c);
    return at == std::u32string_view::npos ? std::string() : std::string(1, char('0' + at));
}

// One character in math mode, as a command where it is not plain ASCII.
std::string mathText(char32_t c, char32_t next) {
    static const std::map<char32_t, const char*> commands = {{U'−', "-"},
                                                             {U'≈', "\\approx"},
                                                             {U'√', "\\surd"},
                                                             {U'∞', "\\infty"},
                                                             {U'ℝ', "\\mathbb{R}"},
                                                             {U'′', "'"},
                                                             {U'″', "''"},
                                                             {U'‴', "'''"},
                                                             {U'·', "\\cdot"},
                                                             {U'≤', "\\leq"},
                                                             {U'≥', "\\geq"},
                                                             {U'≠', "\\neq"},
                                                             {U'±', "\\pm"},
                                                             {U'∓', "\\mp"},
                                                             {U'→', "\\to"},
                                                             {U'⇒', "\\Rightarrow"},
                                                             {U'⇔', "\\Leftrightarrow"},
                                                             {U'∈', "\\in"},
                                                             {U'∉', "\\notin"},
                                                             {U'∫', "\\int"},
                                                             {U'…', "\\dots"},
                                                             {U'×', "\\times"},
                                                             {U'°', "^{\\circ}"},
                                                             {U'\u2011', "-"},
                                                             {U'\u2013', "-"},
                                                             {U'\u00A0', "~"},
                                                             {U'\u2009', "\\,"},
                                                             {U'\u202F', "\\,"},
                                                             {'{', "\\{"},
                                                             {'}', "\\}"},
                                                             {'%', "\\%"},
                                                             {'&', "\\&"},
                                                             {'#', "\\#"},
                                                             {'$', "\\$"},
                                                             {'_', "\\_"},
                                                             {'^', "\\wedge"},
                                                             {'~', "\\sim"},
                                                             {'"', "''"},
                                                             {'\\', "\\backslash"},
                                                             {U'„', "\\text{\\glqq}"},
                                                             {U'“', "\\text{\\grqq}"},
                                                             {U'½', "\\tfrac{1}{2}"},
                                                             {U'⅓', "\\tfrac{1}{3}"},
                                                             {U'⅔', "\\tfrac{2}{3}"},
                                                             {U'¼', "\\tfrac{1}{4}"},
                                                             {U'¾', "\\tfrac{3}{4}"},
                                                             {U'⅕', "\\tfrac{1}{5}"},
                                                             {U'⅖', "\\tfrac{2}{5}"},
                                                             {U'⅗', "\\tfrac{3}{5}"},
                                                             {U'⅘', "\\tfrac{4}{5}"},
                                                             {U'⅙', "\\tfrac{1}{6}"},
                                                             {U'⅚', "\\tfrac{5}{6}"},
                                                             {U'⅛', "\\tfrac{1}{8}"},
                                                             {U'⅜', "\\tfrac{3}{8}"},
                                                             {U'⅝', "\\tfrac{5}{8}"},
                                                             {U'⅞', "\\tfrac{7}{8}"}};
    if (auto found = commands.find(c); found != commands.end()) {
        // "\infty x", not "\inftyx"; what follows the text is unknown, so a space then too.
        std::string command = found->second;
        const bool name = std::isalpha(static_cast<unsigned char>(command.back()));
        const bool letter = next == 0 || (next < 0x80 && std::isalpha(static_cast<int>(next)));
        return name && letter ? command + " " : command;
    }
    // The decimal comma: without braces LaTeX puts a space after it.
    if (c == ',' && next >= '0' && next <= '9') return "{,}";
    if (c < 0x80) return std::string(1, static_cast<char>(c));
    // utf8 inputenc knows the Latin-1 letters; anything else would stop pdflatex.
    if (c >= 0xC0 && c <= 0xFF && c != U'×' && c != U'÷') return "\\text{" + encoded(c) + "}";
    return "?";
}

// A text of the document, split into words and mathematics: a word is two letters or more,
// so that "x" and "f" stay variables; spaces and punctuation go with the words around them.
Segments textSegments(const std::string& text) {
    static constexpr std::u32string_view superscripts = U"⁰¹²³⁴⁵⁶⁷⁸⁹";
    static constexpr std::u32string_view subscripts = U"₀₁₂₃₄₅₆₇₈₉";
    const std::vector<char32_t> c = decoded(text);
    const std::size_t n = c.size();
    auto wordEnd = [&](std::size_t i) {
        std::size_t j = i;
        while (j < n && isLetter(c[j])) ++j;
        return j;
    };
    Segments out;
    std::string math;
    for (std::size_t i = 0; i < n;) {
        // The hyphen of "x‑Achse" belongs to the word; in math mode it would be a minus.
        const bool hyphen = (c[i] == U'\u2011' || c[i] == '-') && i > 0 && isLetter(c[i - 1]) &&
                            i + 1 < n && wordEnd(i + 1) - (i + 1) >= 2;
        if (hyphen || (isLetter(c[i]) && wordEnd(i) - i >= 2)) {
            // The spaces before a word are the word's: math mode would drop them.
            std::string spaces;
            while (!math.empty() && math.back() == ' ') {
                math.pop_back();
                spaces += ' ';
            }
            append(out, false, math);
            math.clear();
            std::string words = spaces;
            if (hyphen) words += wordText(c[i++]);
            std::size_t k = i;
            for (;;) {
                for (const std::size_t end = wordEnd(k); k < end; ++k) words += wordText(c[k]);
                std::size_t after = k;
                while (after < n && joinsWords(c[after])) ++after;
                // Punctuation before mathematics stays with the mathematics ("(x", "−").
                const bool moreWords = after < n && wordEnd(after) - after >= 2;
                if (!moreWords) {
                    while (k < n && joinsWords(c[k]) && c[k] != '(') words += wordText(c[k++]);
                    break;
                }
                for (; k < after; ++k) words += wordText(c[k]);
            }
            append(out, true, words);
            i = k;
            continue;
        }
        const bool up = superscripts.find(c[i]) != std::u32string_view::npos;
        const bool down = subscripts.find(c[i]) != std::u32string_view::npos;
        if (up || down) {
            const auto digits = up ? superscripts : subscripts;
            std::string shifted;
            for (; i < n && digits.find(c[i]) != std::u32string_view::npos; ++i)
                shifted += digitsShifted(digits, c[i]);
            math += std::string(up ? "^{" : "_{") + shifted + "}";
            continue;
        }
        // "(1 | 4)" separates a point's coordinates; "|I₁|" is an absolute value.
        if (c[i] == '|' && i > 0 && c[i - 1] == ' ' && i + 1 < n && c[i + 1] == ' ') {
            math += "\\mid";
            ++i;
            continue;
        }
        if (isLetter(c[i]) && c[i] >= 0x80)
            math += "\\text{" + encoded(c[i]) + "}";
        else
            math += mathText(c[i], i + 1 < n ? c[i + 1] : 0);
        ++i;
    }
    append(out, false, math);
    return out;
}

// The segments in math mode, the words in \text{}.
std::string inMath(const Segments& segments) {
    std::string out;
    for (const Segment& s : segments) out += s.words ? "\\text{" + s.text + "}" : s.text;
    return out;
}

// The segments in text mode, the mathematics between $. Punctuation and spaces at the end of a
// formula belong to the sentence: "$W(2 \mid 2)$." rather than "$W(2 \mid 2).$".
std::string inText(const Segments& segments) {
    std::string out;
    for (const Segment& s : segments) {
        if (s.words) {
            out += s.text;
            continue;
        }
        std::string m = s.text;
        const auto end = m.find_last_not_of(" .,:;(");
        std::string tail = end == std::string::npos ? m : m.substr(end + 1);
        m.resize(end == std::string::npos ? 0 : end + 1);
        // A braced decimal comma or an escaped character stays inside.
        if (!m.empty() && m.back() == '\\') {
            m.pop_back();
            tail.insert(0, "\\");
        }
        if (!m.empty()) out += "$" + m + "$";
        out += tail;
    }
    const auto last = out.find_last_not_of(' ');
    out.resize(last == std::string::npos ? 0 : last + 1);
    return out;
}

Segments segments(const Math& math) {
    const auto& items = math.items();
    switch (math.kind()) {
        case Math::Kind::Text:
            return textSegments(math.textOf());
        case Math::Kind::Row: {
            Segments out;
            for (const Math& item : items)
                for (const Segment& s : segments(item)) append(out, s.words, s.text);
            return out;
        }
        default:
            return {{false, latex(math)}};
    }
}

Segments paragraphSegments(const Paragraph& p) { return segments(Math::row(p.items)); }

// A sentence is set as text that wraps; a line of calculation goes into align*.
bool isSentence(const Segments& segments) {
    std::size_t words = 0;
    for (const Segment& s : segments)
        if (s.words) words += s.text.size();
    return words > 45;
}

}  // namespace

std::string latex(const Math& math) {
    const auto& items = math.items();
    switch (math.kind()) {
        case Math::Kind::Text:
        case Math::Kind::Row:
            return inMath(segments(math));
        case Math::Kind::Fraction:
            return "\\frac{" + latex(items[0]) + "}{" + latex(items[1]) + "}";
        case Math::Kind::Root:
            return "\\sqrt{" + latex(items[0]) + "}";
        case Math::Kind::Power: {
            // ∫ with both limits: one base with its index and its exponent.
            if (items[0].kind() == Math::Kind::Index)
                return latex(items[0]) + "^{" + latex(items[1]) + "}";
            const std::string base = isAtomic(items[0]) ? "{" + latex(items[0]) + "}"
                                                        : "\\left(" + latex(items[0]) + "\\right)";
            return base + "^{" + latex(items[1]) + "}";
        }
        case Math::Kind::Index:
            return "{" + latex(items[0]) + "}_{" + latex(items[1]) + "}";
    }
    return {};
}

std::string latex(const Document& document) {
    std::string out =
        "% Kurvendiskussion aus Polyskop, fuer amsmath, amssymb und babel (ngerman), utf8\n";
    out += "\\section*{" + inText(paragraphSegments(document.title)) + "}\n";
    for (const Section& section : document.sections) {
        out += "\n\\subsection*{" + inText(textSegments(section.heading)) + "}\n";
        std::vector<std::string> lines;  // of calculation, waiting for their align*
        auto closeLines = [&] {
            if (lines.empty()) return;
            out += "\\begin{align*}\n";
            for (std::size_t i = 0; i < lines.size(); ++i)
                out += "  &" + lines[i] + (i + 1 < lines.size() ? " \\\\\n" : "\n");
            out += "\\end{align*}\n";
            lines.clear();
        };
        for (const Paragraph& p : section.paragraphs) {
            const Segments s = paragraphSegments(p);
            if (s.empty()) continue;
            if (isSentence(s)) {
                closeLines();
                out += inText(s) + "\n\n";
            } else {
                lines.push_back(inMath(s));
            }
        }
        closeLines();
    }
    return out;
}

}  // namespace doc
