// How polyskop-scenario reads a line: words, quoted texts with their escapes, and quoting back.
#include "script_line.h"

#include <gtest/gtest.h>

namespace {

ScriptLine split(const QString& line) {
    QString error;
    auto parsed = splitLine(line, error);
    EXPECT_TRUE(parsed) << error.toStdString();
    return parsed.value_or(ScriptLine{});
}

TEST(ScriptLine, WordsAndQuotedTexts) {
    const ScriptLine l = split(R"(expect  txtA "a b")");
    EXPECT_EQ(l.words, QStringList({"expect", "txtA", "a b"}));
    EXPECT_EQ(l.quoted, QList<bool>({false, false, true}));
    // Blanks inside quotes are kept, leading and trailing ones too; "" is an empty text.
    EXPECT_EQ(split(R"(type txtF "  x ")").words[2], "  x ");
    const ScriptLine empty = split(R"(set txtA "")");
    EXPECT_EQ(empty.words[2], "");
    EXPECT_TRUE(empty.quoted[2]);
    EXPECT_EQ(split(R"(expect pixel lblBG 7005 3000 "#000000")").words.size(), 6);
}

TEST(ScriptLine, Escapes) {
    EXPECT_EQ(split(R"(x "a\"b\\c\r\n\t")").words[1], "a\"b\\c\r\n\t");
    QString error;
    EXPECT_FALSE(splitLine(R"(x "a\qb")", error));
    EXPECT_EQ(error, "unknown escape \\q");
    EXPECT_FALSE(splitLine(R"(x "open)", error));
    EXPECT_EQ(error, "unterminated quoted text");
    EXPECT_FALSE(splitLine(R"(x "ends in \)", error));
}

TEST(ScriptLine, QuotingReadsBackToTheSameText) {
    for (const QString& text : {QString("plain"), QString(" a\"b\\c\r\n\tü ")}) {
        const QString quoted = quote(text);
        EXPECT_TRUE(quoted.startsWith('"') && quoted.endsWith('"'));
        EXPECT_EQ(split("x " + quoted).words[1], text);
    }
    EXPECT_EQ(quote("a\nb"), "\"a\\nb\"");
}

}  // namespace
