#include "script_line.h"

std::optional<ScriptLine> splitLine(const QString& line, QString& error) {
    ScriptLine result;
    int i = 0;
    const int n = line.size();
    while (i < n) {
        if (line[i] == ' ') {
            ++i;
            continue;
        }
        if (line[i] != '"') {
            int start = i;
            while (i < n && line[i] != ' ') ++i;
            result.words << line.mid(start, i - start);
            result.quoted << false;
            continue;
        }
        QString word;
        ++i;
        bool closed = false;
        while (i < n) {
            QChar c = line[i++];
            if (c == '"') {
                closed = true;
                break;
            }
            if (c != '\\') {
                word += c;
                continue;
            }
            if (i >= n) break;
            QChar e = line[i++];
            if (e == 'n')
                word += '\n';
            else if (e == 'r')
                word += '\r';
            else if (e == 't')
                word += '\t';
            else if (e == '"' || e == '\\')
                word += e;
            else {
                error = QString("unknown escape \\%1").arg(e);
                return std::nullopt;
            }
        }
        if (!closed) {
            error = "unterminated quoted text";
            return std::nullopt;
        }
        result.words << word;
        result.quoted << true;
    }
    return result;
}

QString quote(const QString& text) {
    QString out = "\"";
    for (QChar c : text) {
        if (c == '"')
            out += "\\\"";
        else if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\t')
            out += "\\t";
        else
            out += c;
    }
    return out + "\"";
}
