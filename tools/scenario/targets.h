#pragma once

#include <QString>
#include <optional>

class WindowProbe;

// The value of a target as the scenario language writes it, or nothing for an unknown target
// (error then says why): the window's own targets through the probe, and discussion.facts from
// the exact core.
std::optional<QString> readTarget(const WindowProbe& probe, const QString& target, QString& error);
