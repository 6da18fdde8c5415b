#include "analysis/result_panel.h"

namespace analysis {

bool panelShows(std::string_view yTerm) {
    return yTerm.find_first_of("ABEFGLNORPITS") == std::string_view::npos;
}

}  // namespace analysis
