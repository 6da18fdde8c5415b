#pragma once

#include <string>
#include <vector>

#include "document/math.h"

// A document of sections and paragraphs, each paragraph a row of words and formulas that may
// break between its items.
namespace doc {

struct Paragraph {
    std::vector<Math> items;
};

struct Section {
    std::string heading;
    std::vector<Paragraph> paragraphs;
};

struct Document {
    Paragraph title;
    std::vector<Section> sections;
};

}  // namespace doc
