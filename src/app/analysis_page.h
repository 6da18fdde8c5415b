#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include "app/picture_files.h"
#include "base/text_table.h"

class QPagedPaintDevice;

// The whole curve analysis on one A4 page: a title, the function with its coefficients, the
// terms of its derivatives and the auxiliary cubic, the picture (vector) with its view written
// beside it, the results, the date. Black text; the curves keep their colours.
struct AnalysisPage {
    QString function;   // "y = ..."
    QStringList lines;  // the coefficients, then the derivative terms and HG
    QStringList view;   // the ranges and spacings of the picture
    TextTable results;
    picture::Primitives primitives;
    Colour background = 0;
    plot::Layer layer;
    QDate date;
};

void paintAnalysisPage(QPagedPaintDevice& device, const AnalysisPage& page);
