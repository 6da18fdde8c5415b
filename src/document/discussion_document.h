#pragma once

#include <array>
#include <string>

#include "document/document.h"
#include "document/solution_way.h"
#include "exact/coefficients.h"
#include "exact/discussion.h"

// The Kurvendiskussion as a German student writes it, in the order teachers expect: the
// function and its derivatives, domain, symmetry, behaviour at infinity, the y-intercept, zeros,
// extreme points, inflection points with their tangents, monotony, curvature, range, area.
namespace doc {

Document discussionDocument(const exact::Discussion& discussion,
                            QuadraticFormula formula = QuadraticFormula::Pq);

// What the window shows when a coefficient text cannot be read: which field, and why.
Document unreadableDocument(const exact::ReadError& error, const std::string& text);

}  // namespace doc
