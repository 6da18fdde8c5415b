#pragma once

#include <concepts>
#include <string>
#include <string_view>

#include "base/failure.h"

// A number field's text, read once when the text changes: empty, a number with its value, or no
// number at all with the failure that reading it as one meets (13; 6 for a number too large).
// The text stays beside the value for what depends on it as written.
namespace numtext {

class FieldValue {
  public:
    enum class State { Empty, Number, NotANumber };

    FieldValue() = default;  // an empty field
    // A field is given by its text, so that the text converts where a field is asked for.
    template <class Text>
    requires std::convertible_to<const Text&, std::string_view> FieldValue(
        const Text& text) {  // NOLINT: a text converts as the field it fills
        read(text);
    }

    State state() const { return state_; }
    bool isEmpty() const { return state_ == State::Empty; }
    bool isNumber() const { return state_ == State::Number; }
    const std::string& text() const { return text_; }
    // The value; for any other state the failure that reading the text as a number meets.
    double number() const;

  private:
    void read(std::string_view text);

    State state_ = State::Empty;
    double value_ = 0;
    int failure_ = failure::TypeMismatch;
    std::string text_;
};

}  // namespace numtext
