#pragma once

#include <string>

#include "document/document.h"
#include "steckbrief/answer.h"

// The Steckbrief as a student writes it: the Ansatz with the derivatives the conditions need,
// each condition's equations, the system, Gauß's elimination to the Stufenform, the solution and
// the Probe. `conditions` is the text the answer was read from.
namespace doc {

Document steckbriefDocument(const steckbrief::Answer& answer, const std::string& conditions);

}  // namespace doc
