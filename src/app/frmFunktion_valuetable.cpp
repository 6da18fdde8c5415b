// The value table of the function fields' terms over the view's domain.
#include "app/frmFunktion.h"
#include "app/frmWertetabelle.h"
#include "base/failure.h"
#include "base/numtext.h"
#include "plot/spacing.h"

void frmFunktion::showValueTable() {
    const MemoField* fields[] = {txtFKT1, txtFKT2, txtFKT3, txtFKT4, txtHilfsgleichung};
    const char* headings[] = {"y", "y'", "y''", "y'''", "HG"};
    std::vector<plot::TermColumn> columns;
    for (int i = 0; i < 5; ++i)
        if (!fields[i]->text().isEmpty())
            columns.push_back({headings[i], termOf(fields[i]), i > 0});
    // The step of the X grid, its names such as "Pi/2" written as their number.
    QString step = toQString(view_.xa.field.text());
    try {
        step = toQString(numtext::format(plot::spacingValue(view_.xa)));
    } catch (const Failure&) {
    }
    const QString from = toQString(view_.ranges.ix1.text());
    const QString to = toQString(view_.ranges.ix2.text());
    if (valueTable_)
        valueTable_->take(std::move(columns), from, to, step);
    else
        valueTable_ = new frmWertetabelle(windowIcon(), std::move(columns), from, to, step);
    valueTable_->show();
    valueTable_->raise();
    valueTable_->activateWindow();
}
