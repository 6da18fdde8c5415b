#pragma once

#include <QString>
#include <QTextStream>

// Runs scenario files against fresh windows and counts the expectations.
class Runner {
  public:
    explicit Runner(QTextStream& out) : out_(out) {}

    // Runs one file; returns false when a line could not be run (the rest of the file is skipped).
    bool runFile(const QString& path);

    int passed = 0;
    int failed = 0;
    bool hadError = false;

  private:
    QTextStream& out_;
};
