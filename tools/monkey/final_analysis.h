#pragma once

#include <QStringList>

class frmFunktion;
class RandomDialogs;

// After the monkey, on the same window: y = x^4 - 5x^2 + 4 typed in and analysed with the two
// presses of the start button. Returns what differs from the known results (empty when right).
QStringList checkKnownAnalysis(frmFunktion& window, const RandomDialogs& dialogs);
