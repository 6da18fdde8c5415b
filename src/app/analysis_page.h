#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>

#include "app/picture_files.h"
#include "base/text_table.h"

class QPagedPaintDevice;

// The whole curve analysis on one A4 page: a title, the function in school notation with its
// coefficients, the terms of its derivatives and the auxiliary cubic, the picture (vector) with
// its view written beside it, the results under their column headers, the date. Black text; the
// curves keep their colours.
struct AnalysisPage {
    QString function;  // "y = ..." as the term field has it, for coefficients that are no number
    // The coefficients "A = 1, B = 0, C = -5, D = 0, E = 4" as the fields hold them, then the
    // derivative terms and HG. The function is written from these values.
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
