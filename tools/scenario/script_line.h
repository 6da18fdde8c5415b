#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// One line of a scenario file split into words; a quoted VALUE with its escapes is one word.
struct ScriptLine {
    QStringList words;
    QList<bool> quoted;  // whether each word was written in double quotes
};

// The words of a line, or an error message when the quoting is broken.
std::optional<ScriptLine> splitLine(const QString& line, QString& error);

// TEXT with the escapes the language uses, inside double quotes.
QString quote(const QString& text);
