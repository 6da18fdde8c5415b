// HTML and LaTeX of the document: what a browser, a word processor and pdflatex are given.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <variant>

#include "document/discussion_document.h"
#include "document/html.h"
#include "document/latex.h"

namespace {

using doc::Math;

Math text(const char* s) { return Math::text(s); }

doc::Document documentOf(const std::array<std::string, 5>& texts) {
    const auto read = exact::readCoefficients(texts);
    if (const auto* error = std::get_if<exact::ReadError>(&read))
        return doc::unreadableDocument(*error, texts[error->field]);
    return doc::discussionDocument(exact::discuss(std::get<exact::Coefficients>(read)));
}

std::size_t count(const std::string& in, const std::string& what) {
    std::size_t n = 0;
    for (auto at = in.find(what); at != std::string::npos; at = in.find(what, at + what.size()))
        ++n;
    return n;
}

// What pdflatex would stumble over: unbalanced braces, environments or dollars; letters beyond
// ASCII in math mode; any other character beyond ASCII. Empty when the source is clean.
std::string latexFault(const std::string& tex) {
    int braces = 0;
    bool math = false;
    std::vector<int> texts;  // brace depths at which a \text{ opened
    std::vector<std::string> environments;
    for (std::size_t i = 0; i < tex.size(); ++i) {
        const char c = tex[i];
        if (c == '%' && (i == 0 || tex[i - 1] != '\\')) {
            i = std::min(tex.find('\n', i), tex.size());  // a comment
            continue;
        }
        if (c == '\\') {
            const bool begins = tex.compare(i, 7, "\\begin{") == 0;
            if (begins || tex.compare(i, 5, "\\end{") == 0) {
                const auto open = tex.find('{', i);
                const auto close = tex.find('}', open);
                const std::string env = tex.substr(open + 1, close - open - 1);
                if (begins) {
                    environments.push_back(env);
                } else {
                    if (environments.empty() || environments.back() != env)
                        return "\\end{" + env + "} without its \\begin";
                    environments.pop_back();
                }
                math = begins && env == "align*";
                i = close;
            } else if (tex.compare(i, 6, "\\text{") == 0) {
                texts.push_back(braces++);
                i += 5;
            } else if (i + 1 < tex.size() &&
                       !std::isalpha(static_cast<unsigned char>(tex[i + 1]))) {
                ++i;  // an escaped character: \{ \$ \\ …
            }
            continue;
        }
        if (c == '{') ++braces;
        if (c == '}') {
            if (--braces < 0) return "a } too many at " + std::to_string(i);
            if (!texts.empty() && texts.back() == braces) texts.pop_back();
        }
        if (c == '$') math = !math;
        if (static_cast<unsigned char>(c) >= 0x80) {
            // utf8 inputenc knows the Latin-1 letters, and only in text.
            const auto second = static_cast<unsigned char>(i + 1 < tex.size() ? tex[i + 1] : 0);
            const bool latin1 =
                static_cast<unsigned char>(c) == 0xC3 && second != 0x97 && second != 0xB7;
            if (!latin1 || (math && texts.empty()))
                return "raw " + tex.substr(i, 3) + " at …" + tex.substr(i > 30 ? i - 30 : 0, 40);
            ++i;
        }
    }
    if (braces != 0) return "braces left open: " + std::to_string(braces);
    if (!environments.empty()) return "\\begin{" + environments.back() + "} left open";
    if (math) return "a $ left open";
    return {};
}

TEST(Html, EscapesTextAndSetsFractionsRootsAndScripts) {
    EXPECT_EQ(doc::html(text("a < b & \"c\" > d")), "a &lt; b &amp; &quot;c&quot; &gt; d");
    // A sum as numerator keeps its brackets: the slash stands between the two.
    EXPECT_EQ(
        doc::html(Math::fraction(Math::row({text("1 + "), Math::root(text("5"))}), text("2"))),
        "<sup>(1 + √<span style=\"text-decoration: overline\">5</span>)</sup>&frasl;"
        "<sub>2</sub>");
    EXPECT_EQ(doc::html(Math::fraction(text("1"), text("4"))), "<sup>1</sup>&frasl;<sub>4</sub>");
    // The radicand stands under the bar, without brackets.
    EXPECT_EQ(doc::html(Math::root(text("2 + x"))),
              "√<span style=\"text-decoration: overline\">2 + x</span>");
    EXPECT_EQ(doc::html(Math::power(text("x"), text("4"))), "x<sup>4</sup>");
    EXPECT_EQ(doc::html(Math::power(text("x − 1"), text("2"))), "(x − 1)<sup>2</sup>");
    EXPECT_EQ(doc::html(Math::index(text("x"), text("12"))), "x<sub>12</sub>");
}

TEST(Html, AWholeDiscussionHasItsTitleSectionsAndParagraphs) {
    const doc::Document document = documentOf({"", "1", "-6", "9", ""});
    const std::string html = doc::html(document);
    EXPECT_EQ(
        html.rfind("<h1>Kurvendiskussion von f(x) = x<sup>3</sup> − 6x<sup>2</sup> + 9x</h1>", 0),
        0u)
        << html;
    std::size_t paragraphs = 0;
    for (const doc::Section& s : document.sections) paragraphs += s.paragraphs.size();
    EXPECT_EQ(count(html, "<h2>"), document.sections.size());
    EXPECT_EQ(count(html, "<p>"), paragraphs);
    EXPECT_EQ(count(html, "<p>"), count(html, "</p>"));
    EXPECT_NE(html.find("<h2>Funktion und Ableitungen</h2>"), std::string::npos);
    EXPECT_NE(html.find("A = |I<sub>1</sub>| = <sup>27</sup>&frasl;<sub>4</sub> ≈ 6,7500 FE"),
              std::string::npos)
        << html;
}

TEST(Latex, SetsSchoolMathematicsAsAmsmathWantsIt) {
    EXPECT_EQ(
        doc::latex(Math::fraction(Math::row({text("1 + "), Math::root(text("5"))}), text("2"))),
        "\\frac{1 + \\sqrt{5}}{2}");
    EXPECT_EQ(doc::latex(Math::row({Math::fraction(text("1"), text("4")),
                                    Math::power(text("x"), text("4")), text(" − 2"),
                                    Math::power(text("x"), text("2"))})),
              "\\frac{1}{4}{x}^{4} - 2{x}^{2}");
    EXPECT_EQ(doc::latex(Math::power(text("x − 1"), text("2"))), "\\left(x - 1\\right)^{2}");
    EXPECT_EQ(doc::latex(Math::index(text("T"), text("2"))), "{T}_{2}");
    EXPECT_EQ(doc::latex(Math::root(Math::row({text("2 + "), Math::root(text("3"))}))),
              "\\sqrt{2 + \\sqrt{3}}");
    // Unicode of the plain text, as LaTeX commands; the decimal comma without a space after it.
    EXPECT_EQ(doc::latex(text("f″(x) ≈ −6,7500 · x₁² ≠ ∞")),
              "f''(x) \\approx -6{,}7500 \\cdot x_{1}^{2} \\neq \\infty ");
    EXPECT_EQ(doc::latex(text("D = ℝ, W(2 | 2), f‴, ]−∞; 2[, ½x")),
              "D = \\mathbb{R}, W(2 \\mid 2), f''', ]-\\infty; 2[, \\tfrac{1}{2}x");
    // Bars between spaces separate a point's coordinates, without them they are an absolute
    // value; what utf8 inputenc does not know never reaches pdflatex.
    EXPECT_EQ(doc::latex(text("A = |I₁| = √((p/2)² − q) ★é")),
              "A = |I_{1}| = \\surd((p/2)^{2} - q) ?\\text{é}");
    EXPECT_EQ(doc::latex(Math::power(Math::index(text("∫"), text("0")), text("3"))),
              "{\\int }_{0}^{3}");
    // Words in \text{} with their spaces; single letters stay variables.
    EXPECT_EQ(doc::latex(text("f ist streng monoton fallend auf ]1; 3[")),
              "f\\text{ ist streng monoton fallend auf }]1; 3[");
    EXPECT_EQ(doc::latex(text("x₂ = 3 (doppelte Nullstelle: Der Graph berührt die x‑Achse.)")),
              "x_{2} = 3 (\\text{doppelte Nullstelle: Der Graph berührt die }x\\text{-Achse.)}");
    EXPECT_EQ(doc::latex(text("Größe: 50 % & „mehr“ {x}_1")),
              "\\text{Größe: }50 \\% \\& \\text{\\glqq}\\text{mehr\\grqq{} }\\{x\\}\\_1");
}

TEST(Latex, WholeDocumentsAreBalancedAndPlainAscii) {
    for (const auto& coefficients :
         std::vector<std::array<std::string, 5>>{{"", "1", "-6", "9", ""},
                                                 {"0,25", "", "-2", "", ""},
                                                 {"1", "", "-1", "", "-1"},
                                                 {"1", "2", "3", "4", "5"},
                                                 {"", "", "", "", "0"},
                                                 {"x", "", "", "", ""}}) {
        const doc::Document document = documentOf(coefficients);
        const std::string tex = doc::latex(document);
        EXPECT_EQ(latexFault(tex), "") << tex;
        EXPECT_EQ(tex.find("\\section*{"), tex.find('\n') + 1) << tex;
        EXPECT_EQ(count(tex, "\\subsection*{"), document.sections.size());
        EXPECT_EQ(count(tex, "\\begin{align*}"), count(tex, "\\end{align*}"));
    }
    const std::string classic = doc::latex(documentOf({"", "1", "-6", "9", ""}));
    EXPECT_NE(classic.find("\\section*{Kurvendiskussion von $f(x) = {x}^{3} - 6{x}^{2} + 9x$}"),
              std::string::npos)
        << classic;
    EXPECT_NE(classic.find("  &f'(x) = 3{x}^{2} - 12x + 9 \\\\\n"), std::string::npos) << classic;
    EXPECT_NE(classic.find("A = |{I}_{1}| = \\frac{27}{4} \\approx 6{,}7500\\text{ FE}"),
              std::string::npos)
        << classic;
    // A long sentence is text that wraps, not a line of align*; its punctuation is outside $.
    EXPECT_NE(
        classic.find("\nDer Graph ist punktsymmetrisch zu seinem Wendepunkt $W(2 \\mid 2)$.\n"),
        std::string::npos)
        << classic;
    EXPECT_NE(
        classic.find("\n${x}_{1} = 0$: einfache Nullstelle (Faktor $x$ in der Zerlegung). Der "
                     "Graph schneidet die $x$-Achse.\n"),
        std::string::npos)
        << classic;
}

TEST(Latex, TheFaultFinderFindsFaults) {
    EXPECT_NE(latexFault("\\text{a"), "");
    EXPECT_NE(latexFault("a}"), "");
    EXPECT_NE(latexFault("\\begin{align*} x"), "");
    EXPECT_NE(latexFault("$x ≈ 1$"), "");
    EXPECT_NE(latexFault("x ≈ 1"), "");
    EXPECT_NE(latexFault("$\\text{a}ä$"), "");
    EXPECT_NE(latexFault("\\begin{align*}ä\\end{align*}"), "");
    EXPECT_NE(latexFault("$x \\text{√}$"), "");
    EXPECT_EQ(latexFault("Größe $\\text{ä é}x$ \\{"), "");
}

}  // namespace
