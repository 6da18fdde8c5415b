#pragma once

#include <QString>
#include <optional>

class frmFunktion;
class QWidget;

// The value of a target as the scenario language writes it, or nothing for an unknown target
// (error then says why).
std::optional<QString> readTarget(frmFunktion& window, const QString& target, QString& error);

// The control of that name in the window, or null.
QWidget* findControl(frmFunktion& window, const QString& name);
