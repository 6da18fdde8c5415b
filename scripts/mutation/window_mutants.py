# Plausible faults of the window code: a wrong field, a wrong order, a missing redraw, an
# off-by-one in the zoom, state not kept. Each is (file, original, replacement, what).
Z='src/app/frmFunktion_zoom.cpp'; P='src/app/frmFunktion_plot.cpp'; C='src/app/frmFunktion_colours.cpp'
A='src/app/frmFunktion_analysis.cpp'; F='src/app/frmFunktion_fields.cpp'; T='src/app/frmFunktion_terms.cpp'
K='src/app/frmFunktion_curves.cpp'; L='src/app/frmFunktion_layer.cpp'; W='src/app/plot_widget.cpp'
S='src/app/scaled_area.cpp'; WS='src/app/window_scale.cpp'; CT='src/app/controls.cpp'; PP='src/app/picture_painter.cpp'
MUTANTS = [
 (Z, "    txtIX1->setText(toQString(step.ix1));\n    txtIX2->setText(toQString(step.ix2));\n    setSpacingText", "    txtIX1->setText(toQString(step.ix2));\n    txtIX2->setText(toQString(step.ix2));\n    setSpacingText", "zoom: wrong field for the left edge"),
 (Z, "    redraw(Redraw::NewView);\n    showZoomFactor(step.factor);", "    showZoomFactor(step.factor);", "zoom: missing redraw"),
 (Z, 'txtIY1->setText("-10");', 'txtIY1->setText("10");', "reset: wrong bottom edge"),
 (Z, "if (keys == Qt::NoModifier)\n            showReadout", "if (keys == Qt::ShiftModifier)\n            showReadout", "right click: readout and zoom swapped"),
 (Z, "if (notches > 0) {", "if (notches < 0) {", "wheel: direction reversed"),
 (Z, 'txtP01Y->setText("0");', '', "double click on the readout: P01's y not set"),
 (Z, "txtIY1->setText(toQString(step.iy1));\n        txtIY2->setText(toQString(step.iy2));\n        redraw", "txtIY1->setText(toQString(step.iy2));\n        txtIY2->setText(toQString(step.iy2));\n        redraw", "pan: wrong field for the bottom edge"),
 (Z, "std::abs(moved.x()) < plot::kTwipsPerPixel", "std::abs(moved.x()) < 3 * plot::kTwipsPerPixel", "pan: a drag of two pixels taken for a click"),
 (Z, "    view_.zoomFactor = factor;\n", "", "zoom factor state not kept"),
 (Z, "    view_.pointedX = plot::readoutX(caption);\n", "", "pointed x not kept"),
 (P, "cbHL->setText(gridCaption(view_.gridShown));", "cbHL->setText(gridCaption(!view_.gridShown));", "grid button: caption shows the wrong state"),
 (P, "if (how == Redraw::NewColour) btZHG_Click();", "if (how == Redraw::NewView) btZHG_Click();", "redraw: HG after a new view instead of a new colour"),
 (P, "    ZeichneHilfslinien();\n    btZ1_Click();", "    btZ1_Click();", "redraw: grid left out"),
 (P, "    if (!view_.gridShown) return;\n", "", "grid drawn though switched off"),
 (P, "    Timer1->stop();\n", "", "first tick repeats"),
 (K, 'zeichne(txtFKT2, lblF2,', 'zeichne(txtFKT2, lblF3,', "y' drawn in the colour of y''"),
 (K, "obStrich->isChecked() ? plot::CurveKind::Lines : plot::CurveKind::Points", "obStrich->isChecked() ? plot::CurveKind::Points : plot::CurveKind::Lines", "curve mode inverted"),
 (C, "setBackColour(lblHGF, *colour);", "", "background swatch not updated"),
 (C, 'list->setCurrentIndex(list->findText("2"));\n    list->setEditText("2");', 'list->setCurrentIndex(list->findText("1"));\n    list->setEditText("1");', "pen widths reset to 1"),
 (A, "    analysed.hg = {};\n", "", "clearing keeps the old HG values"),
 (A, "    EingabeOK = show;\n", "", "panel check ignored"),
 (A, '    txtFKT3->setText("");\n', "", "the run keeps the old y''"),
 (A, "if (auto* line = qobject_cast<QLineEdit*>(field)) line->setCursorPosition(0);", "", "result shows its end"),
 (F, "if (field->currentText() == text) return;", "", "setting the same spacing runs the handler"),
 (F, "field == txtXA ? txtXA_Change() : txtYA_Change();", "txtXA_Change();", "the y spacing runs the x spacing's handler"),
 (F, "    connect(txtXA->lineEdit(), &QLineEdit::textChanged, this, [this] { view_.xa = textOf(txtXA); });\n", "", "a spacing picked from the list not read into the view"),
 (F, "filterRangeKey(txtIX2, txtIY1, keyAscii);", "filterRangeKey(txtIX2, txtIY2, keyAscii);", "Enter in IX2 goes to the wrong field"),
 (T, "term.chop(1);", "term.chop(2);", "BS removes two characters"),
 (T, "if (ob3->isChecked()) txtFKT3->setText(term);", "if (ob3->isChecked()) txtFKT4->setText(term);", "term goes to the wrong function field"),
 (A, "[this, f, line] { panel_.show(f, textOf(line)); }", "[] {}", "an edited result field not read into the panel"),
 (L, "return (((k.a * x + k.b) * x + k.c) * x + k.d) * x + k.e;", "return (((k.a * x + k.b) * x + k.c) * x + k.e) * x + k.d;", "marks avoid the wrong curve"),
 (W, "const int side = toPixels(plot::kSquareSide, scale) + 1;", "const int side = toPixels(plot::kSquareSide, scale);", "plot square a pixel short: edge lines lost"),
 (S, "font.setPointSizeF(original.pointSizeF() * scale);", "font.setPointSizeF(original.pointSizeF());", "fonts do not grow"),
 (WS, "return std::clamp((from + steps) * kStep, kSmallest, kLargest);", "return std::clamp((from + steps + 1) * kStep, kSmallest, kLargest);", "zoom keys step one too far"),
 (CT, "while (wheelRest_ >= 120 || wheelRest_ <= -120) {", "while (wheelRest_ > 120 || wheelRest_ < -120) {", "a single wheel notch ignored"),
 (PP, "const double r = 4.5 * scale_;", "const double r = 4.5;", "marks do not scale"),
]
