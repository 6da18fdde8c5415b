#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The fields that the curve analysis writes: the four function fields, the auxiliary cubic, the
// twenty result fields and the three min/max labels of the result panel.
namespace analysis {

// clang-format off
enum class Field : std::uint8_t {
    Fkt1, Fkt2, Fkt3, Fkt4, Hilfsgleichung,
    P01X, P01Y, P02X, P02Y, P03X, P03Y, P04X, P04Y,
    PE1X, PE1Y, PE2X, PE2Y, PE3X, PE3Y,
    PW1X, PW1Y, PW2X, PW2Y,
    PYX, PYY,
    MMPE1, MMPE2, MMPE3,
};
// clang-format on
inline constexpr std::size_t kFieldCount = 28;

// The twenty result fields, row by row, X before Y.
inline constexpr std::array<Field, 20> kResultFields = {
    Field::P01X, Field::P01Y, Field::P02X, Field::P02Y, Field::P03X, Field::P03Y, Field::P04X,
    Field::P04Y, Field::PE1X, Field::PE1Y, Field::PE2X, Field::PE2Y, Field::PE3X, Field::PE3Y,
    Field::PW1X, Field::PW1Y, Field::PW2X, Field::PW2Y, Field::PYX,  Field::PYY};

inline constexpr std::array<Field, 3> kKindLabels = {Field::MMPE1, Field::MMPE2, Field::MMPE3};

// What LoeschErgebnisse empties, in its order: every result but the row P01, then the labels.
inline constexpr std::array<Field, 21> kClearedResults = {
    Field::P02X, Field::P02Y, Field::P03X, Field::P03Y, Field::P04X,  Field::P04Y,  Field::PE1X,
    Field::PE1Y, Field::PE2X, Field::PE2Y, Field::PE3X, Field::PE3Y,  Field::PW1X,  Field::PW1Y,
    Field::PW2X, Field::PW2Y, Field::PYX,  Field::PYY,  Field::MMPE1, Field::MMPE2, Field::MMPE3};

// What a coefficient edit empties after the row P01 and the results: the function fields.
inline constexpr std::array<Field, 5> kFunctionFields = {Field::Fkt1, Field::Fkt2, Field::Fkt3,
                                                         Field::Fkt4, Field::Hilfsgleichung};

// The panel test of ZeigErgebnisfelder: a y term can be analysed unless it holds one of the
// capital letters of the function names and constants (A B E F G L N O R P I T S). The test is
// case-sensitive: a term typed in lower case passes.
bool panelShows(std::string_view yTerm);

}  // namespace analysis
