#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "app/picture_files.h"
#include "base/field_value.h"
#include "base/text_table.h"

class QPagedPaintDevice;

// The whole curve analysis on one A4 page: a title, the function in school notation with its
// coefficients, the terms of its derivatives and the auxiliary cubic, the picture (vector) with
// its view written beside it, the results under their column headers, the date. Black text; the
// curves keep their colours.
struct AnalysisPage {
    // "y = x³ − 6x² + 9x" (schoolFunction), or the term field's text where a coefficient is no
    // number.
    QString function;
    // The coefficients "A = 1, B = 0, C = -5, D = 0, E = 4" as the fields hold them, then the
    // derivative terms and HG.
    QStringList lines;
    QStringList view;  // the ranges and spacings of the picture
    TextTable results;
    picture::Primitives primitives;
    Colour background = 0;
    plot::Layer layer;
    QDate date;
};

void paintAnalysisPage(QPagedPaintDevice& device, const AnalysisPage& page);

// y = A·x⁴ + B·x³ + C·x² + D·x + E as a student writes it: "y = x³ − 6x² + 9x", terms with the
// coefficient 0 left out, 1 and −1 written as the sign alone, decimals with a comma.
QString schoolFunction(const std::array<double, 5>& coefficients);

// The values of the coefficients A .. E as read (an empty one is 0), or none where one is no
// number.
std::optional<std::array<double, 5>> coefficientValues(
    const std::array<numtext::FieldValue, 5>& coefficients);
