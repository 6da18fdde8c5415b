#include "base/field_value.h"

#include "base/failure.h"
#include "base/numtext.h"

namespace numtext {

void FieldValue::read(std::string_view text) {
    text_ = text;
    if (text.empty()) return;
    try {
        value_ = parse(text);
        state_ = State::Number;
    } catch (const Failure& f) {
        state_ = State::NotANumber;
        failure_ = f.number();
    }
}

double FieldValue::number() const {
    if (state_ != State::Number) throw Failure(failure_);
    return value_;
}

}  // namespace numtext
