// Every part of the program that knows the term functions knows the same ones.
#include "terms/functions.h"

#include <gtest/gtest.h>

#include <set>

#include "analysis/result_panel.h"
#include "base/failure.h"
#include "keys/key_filters.h"
#include "terms/evaluator.h"
#include "terms/keypad.h"
#include "terms/pruefterm.h"

using namespace terms;

namespace {

TEST(TermFunctions, TheKeypadOffersEachFunctionAndConstant) {
    std::set<std::string> offered, known;
    for (const KeypadKey& key : kKeypad)
        if (key.inserts.size() > 2) offered.insert(std::string(key.inserts));
    for (const TermFunction& f : kFunctions) known.insert(std::string(f.name) + "(");
    for (const TermConstant& c : kConstants) known.insert("(" + std::string(c.name) + ")");
    known.insert("(X)");
    EXPECT_EQ(offered, known);
}

TEST(TermFunctions, EvaluatorCheckFilterAndPanelAgree) {
    for (const TermFunction& f : kFunctions) {
        const std::string call = std::string(f.name) + "(1)";
        EXPECT_NO_THROW(evaluate(call)) << call;
        EXPECT_EQ(PruefTerm(call).verdict, kPruefOK) << call;
        EXPECT_FALSE(analysis::panelShows("2*" + call)) << call;
        for (char letter : f.name) {
            EXPECT_EQ(keys::termKey(letter), letter) << f.name;
            EXPECT_EQ(keys::termKey(letter | 0x20), letter | 0x20) << f.name;
        }
    }
    for (const TermConstant& c : kConstants) {
        EXPECT_FALSE(analysis::panelShows("(" + std::string(c.name) + ")"));
        for (char letter : c.name) EXPECT_EQ(keys::termKey(letter), letter);
    }
    // A name the table does not hold is unknown to the evaluator and refused by the check.
    try {
        evaluate("SINH(1)");
        ADD_FAILURE() << "SINH evaluated";
    } catch (const Failure& f) {
        EXPECT_EQ(f.number(), 500);
    }
    EXPECT_EQ(PruefTerm("SINH(1)").verdict, kFormelFehler);
    for (char letter : std::string("DHJKMUVWYZ")) EXPECT_EQ(keys::termKey(letter), 0) << letter;
}

}  // namespace
