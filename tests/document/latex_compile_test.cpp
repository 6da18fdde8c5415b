// The LaTeX copy through pdflatex itself, where it is installed: the way of every method, with
// both formulas for quadratic equations, in one article as a teacher pastes it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <variant>

#include "document/discussion_document.h"
#include "document/latex.h"

#ifdef POLYSKOP_PDFLATEX

namespace {

std::string latexOf(const std::array<std::string, 5>& texts, doc::QuadraticFormula formula) {
    const auto read = exact::readCoefficients(texts);
    if (const auto* error = std::get_if<exact::ReadError>(&read))
        return doc::latex(doc::unreadableDocument(*error, texts[error->field]));
    return doc::latex(
        doc::discussionDocument(exact::discuss(std::get<exact::Coefficients>(read)), formula));
}

TEST(LatexCompiles, EveryMethodsWayThroughPdflatex) {
    const std::array<std::string, 5> exercises[] = {
        {"", "1", "-6", "9", ""},    {"1", "", "-5", "", "4"},   {"", "1", "", "-7", "6"},
        {"", "", "1", "-2", "-1"},   {"2", "", "-3", "1", ""},   {"1", "", "", "", "-1"},
        {"1", "-4", "", "", ""},     {"0,25", "", "-2", "", ""}, {"1", "2", "3", "4", "-5"},
        {"", "", "", "", "3"},       {"", "", "", "", ""},       {"", "1-2", "", "", ""},
        {"1e300", "", "-1", "", ""}, {"-1/3", "", "", "", ""}};
    std::ostringstream tex;
    tex << "\\documentclass{article}\n\\usepackage[utf8]{inputenc}\n\\usepackage[T1]{fontenc}\n"
           "\\usepackage[ngerman]{babel}\n\\usepackage{amsmath,amssymb}\n\\begin{document}\n";
    for (const auto& e : exercises)
        for (auto formula : {doc::QuadraticFormula::Pq, doc::QuadraticFormula::Midnight})
            tex << latexOf(e, formula) << "\n\\clearpage\n";
    tex << "\\end{document}\n";

    const auto dir =
        std::filesystem::temp_directory_path() /
        ("polyskop-latex-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "ways.tex") << tex.str();
    const std::string command =
        "cd '" + dir.string() +
        "' && " POLYSKOP_PDFLATEX
        " -interaction=nonstopmode -halt-on-error ways.tex > /dev/null 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream log(dir / "ways.log");
    const std::string logText{std::istreambuf_iterator<char>(log), {}};
    EXPECT_EQ(status, 0) << logText.substr(logText.size() > 3000 ? logText.size() - 3000 : 0);
    // Every character the document uses has a glyph: no "Missing character" in the log.
    EXPECT_EQ(logText.find("Missing character"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir / "ways.pdf"));
    std::filesystem::remove_all(dir);
}

}  // namespace

#endif
