#include "base/text_table.h"

#include <gtest/gtest.h>

TEST(TextTable, TabsForSpreadsheetsAndAnEscapedHtmlTable) {
    TextTable t;
    t.add({"y", "1*(X)^2"});
    t.heading("Nullstellen");
    t.add({"P01", "-1", "0"});
    EXPECT_EQ(t.tabbed(), "y\t1*(X)^2\nNullstellen\nP01\t-1\t0\n");
    EXPECT_EQ(t.html(),
              "<table>\n<tr><td>y</td><td>1*(X)^2</td></tr>\n"
              "<tr><th colspan=\"3\" align=\"left\">Nullstellen</th></tr>\n"
              "<tr><td>P01</td><td>-1</td><td>0</td></tr>\n</table>\n");
    TextTable odd;
    odd.add({"a<b & \"c\">"});
    EXPECT_EQ(odd.html("border=\"1\""),
              "<table border=\"1\">\n<tr><td>a&lt;b &amp; &quot;c&quot;&gt;</td></tr>\n</table>\n");
}
