#include "targets.h"

#include "app/window_probe.h"
#include "exact/facts.h"

std::optional<QString> readTarget(const WindowProbe& probe, const QString& target, QString& error) {
    if (target == "discussion.facts") {
        // As the window reads the fields: with the Steckbrief's exact fractions behind them.
        const CoefficientTexts now = probe.coefficientTexts();
        return QString::fromStdString(exact::factsOf(CoefficientTexts::utf8(now.texts),
                                                     CoefficientTexts::utf8(now.fractions)));
    }
    return probe.read(target, error);
}
