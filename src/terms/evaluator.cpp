#include "terms/evaluator.h"

#include "base/failure.h"
#include "terms/evaluator_builder.h"
#include "terms/evaluator_reader.h"

namespace terms {

Program compileTerm(std::string_view text, bool withX) {
    Program p;
    CodeBuilder builder;
    try {
        readTerm(text, withX, builder, p.xRead_);
        p.code_ = builder.finish();
    } catch (const Failure& f) {
        p.failure_ = f.number();
    }
    return p;
}

Program compile(std::string_view termWithX) { return compileTerm(termWithX, true); }

double evaluate(std::string_view text) { return compileTerm(text, false).run(0); }

}  // namespace terms
