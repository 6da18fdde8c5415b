#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// The fields that the curve analysis writes: the four function fields, the auxiliary cubic, the
// result fields and the min/max labels of the result panel.
namespace analysis {

// clang-format off
enum class Field : std::uint8_t {
    Fkt1, Fkt2, Fkt3, Fkt4, Hilfsgleichung,
    P01X, P01Y, P02X, P02Y, P03X, P03Y, P04X, P04Y,
    PE1X, PE1Y, PE2X, PE2Y, PE3X, PE3Y,
    PW1X, PW1Y, PW2X, PW2Y,
    PYX, PYY,
    MMPE1, MMPE2, MMPE3,
    Count,  // no field: the number of fields above
};
// clang-format on
inline constexpr std::size_t kFieldCount = static_cast<std::size_t>(Field::Count);

// The function fields y, y', y'', y''' and HG, which a coefficient edit empties after the row
// P01 and the results.
inline constexpr std::array kFunctionFields = {Field::Fkt1, Field::Fkt2, Field::Fkt3, Field::Fkt4,
                                               Field::Hilfsgleichung};

// One row of the result panel: a point's X field and its Y field.
struct Row {
    Field x, y;
};

// The rows of each kind of point, top to bottom.
inline constexpr auto kZeroRows = std::to_array<Row>({{Field::P01X, Field::P01Y},
                                                      {Field::P02X, Field::P02Y},
                                                      {Field::P03X, Field::P03Y},
                                                      {Field::P04X, Field::P04Y}});
inline constexpr auto kExtremeRows = std::to_array<Row>(
    {{Field::PE1X, Field::PE1Y}, {Field::PE2X, Field::PE2Y}, {Field::PE3X, Field::PE3Y}});
inline constexpr auto kInflectionRows =
    std::to_array<Row>({{Field::PW1X, Field::PW1Y}, {Field::PW2X, Field::PW2Y}});
inline constexpr Row kInterceptRow = {Field::PYX, Field::PYY};

// The min/max label beside each extreme point's row.
inline constexpr std::array kKindLabels = {Field::MMPE1, Field::MMPE2, Field::MMPE3};
static_assert(kKindLabels.size() == kExtremeRows.size());

namespace panel_tables {

template <class T, std::size_t... N>
constexpr auto joined(const std::array<T, N>&... parts) {
    std::array<T, (N + ...)> all{};
    auto out = all.begin();
    ((out = std::copy(parts.begin(), parts.end(), out)), ...);
    return all;
}

template <std::size_t N>
constexpr auto fieldsOf(const std::array<Row, N>& rows) {
    std::array<Field, 2 * N> fields{};
    for (std::size_t i = 0; i < N; ++i) {
        fields[2 * i] = rows[i].x;
        fields[2 * i + 1] = rows[i].y;
    }
    return fields;
}

template <std::size_t From, class T, std::size_t N>
constexpr auto from(const std::array<T, N>& all) {
    static_assert(From <= N);
    std::array<T, N - From> rest{};
    std::copy(all.begin() + From, all.end(), rest.begin());
    return rest;
}

}  // namespace panel_tables

// Every row of the panel, top to bottom: P01..P04, PE1..PE3, PW1, PW2, PY.
inline constexpr auto kRows =
    panel_tables::joined(kZeroRows, kExtremeRows, kInflectionRows, std::array{kInterceptRow});

// The result fields, row by row, X before Y.
inline constexpr auto kResultFields = panel_tables::fieldsOf(kRows);

// What LoeschErgebnisse empties, in its order: every result but the row P01, then the labels.
inline constexpr auto kClearedResults =
    panel_tables::joined(panel_tables::fieldsOf(panel_tables::from<1>(kRows)), kKindLabels);

// The function fields, the result fields and the labels are all the fields, each once: a field
// added to the enumeration has to find its place in one of them.
static_assert([] {
    std::array<int, kFieldCount> seen{};
    for (const auto& table :
         {std::span<const Field>(kFunctionFields), std::span<const Field>(kResultFields),
          std::span<const Field>(kKindLabels)})
        for (Field f : table) ++seen[static_cast<std::size_t>(f)];
    return std::all_of(seen.begin(), seen.end(), [](int n) { return n == 1; });
}());

// The panel test of ZeigErgebnisfelder: a y term can be analysed unless it holds one of the
// capital letters of the function names and constants (A B E F G L N O R P I T S). The test is
// case-sensitive: a term typed in lower case passes.
bool panelShows(std::string_view yTerm);

}  // namespace analysis
