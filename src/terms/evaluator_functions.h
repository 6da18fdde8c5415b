#pragma once

#include "terms/evaluator_code.h"
#include "terms/functions.h"

// The operation that runs each function of the table of term functions.
namespace terms {

constexpr Op operationOf(Function f) {
    switch (f) {
        case Function::Sin:
            return Op::Sin;
        case Function::Cos:
            return Op::Cos;
        case Function::Atn:
            return Op::Atn;
        case Function::Tan:
            return Op::Tan;
        case Function::Sgn:
            return Op::Sgn;
        case Function::Sqr:
            return Op::Sqr;
        case Function::Int:
            return Op::Int;
        case Function::Fix:
            return Op::Fix;
        case Function::Abs:
            return Op::Abs;
        case Function::Exp:
            return Op::Exp;
        case Function::Log:
            return Op::Log;
    }
    return Op::Abs;  // every enumerator is handled above
}

}  // namespace terms
