#pragma once

#include <QString>
#include <array>

#include "app/discussion_window.h"
#include "document/document.h"
#include "document/solution_way.h"

class QPagedPaintDevice;

// The formula for quadratic equations that the window's choice names; the copies and printouts
// of the Kurvendiskussion use it too.
doc::QuadraticFormula& chosenQuadraticFormula();

// The Kurvendiskussion of the coefficient texts txtA .. txtE: the exact one, or the document
// that says which field cannot be read.
doc::Document discussionDocumentOf(const CoefficientTexts& coefficients);

// The document on A4 pages: the title with the function, the picture under it when there is one,
// then the sections. A page ends between sections, or between the paragraphs of a section too
// long for one page; a heading stays with the paragraph after it.
void paintDocument(QPagedPaintDevice& device, const doc::Document& document,
                   const DiscussionPicture* picture);
