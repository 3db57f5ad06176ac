#include "textfile/ReportText.h"
#include "textfile/NumberMask.h"
#include "textfile/Utf8Text.h"

#include <gtest/gtest.h>

namespace textfile {
namespace {

TEST(ReportText, TabFillsUpToTheColumnBeforeIt) {
    ReportText r;
    r.text("ab").tab(10).text("x");
    EXPECT_EQ(r.bytes(), "ab       x");
    EXPECT_EQ(r.column(), 11);

    ReportText atColumn;
    atColumn.text("123456789").tab(10).text("x");
    EXPECT_EQ(atColumn.bytes(), "123456789x");
}

TEST(ReportText, TabBehindTheLineStartsANewLine) {
    ReportText r;
    r.text("0123456789AB").tab(10).text("x");
    EXPECT_EQ(r.bytes(), "0123456789AB\r\n         x");
    EXPECT_EQ(r.column(), 11);
}

TEST(ReportText, RightAlignsAndNeverCuts) {
    ReportText r;
    r.right("5", 10).endLine().right("12345678901", 10).endLine();
    EXPECT_EQ(r.bytes(), "         5\r\n12345678901\r\n");
}

// Valid UTF-8 counts by character; bytes that are not (a Latin-1 "é") count one each.
TEST(ReportText, ColumnsCountCharactersOfUtf8AndBytesOfOtherText) {
    ReportText r;
    r.text("S\xC3\xA9").tab(6).text("x").endLine().text("S\xE9").tab(6).text("x").endLine();
    r.right("\xC3\xA9", 3).endLine();
    EXPECT_EQ(r.bytes(), "S\xC3\xA9   x\r\nS\xE9   x\r\n  \xC3\xA9\r\n");

    EXPECT_EQ(firstCharacters("D\xC3\xA9"
                              "bout",
                              2),
              "D\xC3\xA9");
    EXPECT_EQ(firstCharacters("D\xE9"
                              "bout",
                              2),
              "D\xE9");
    EXPECT_EQ(lastCharacters("\xC3\xA9l\xC3\xA9ment", 6), "l\xC3\xA9ment");
    EXPECT_EQ(lastCharacters("ab", 6), "ab");
}

TEST(ReportText, TextWithItsOwnLineEndRestartsTheColumns) {
    ReportText r;
    r.text("ab\r\nc").tab(5).text("x");
    EXPECT_EQ(r.bytes(), "ab\r\nc   x");
}

TEST(ReportText, BuildsAFixedColumnReportRow) {
    ReportText r;
    r.line("Totals");
    r.text(" A1")
        .tab(10)
        .right(formatMask(3, "########0"), 10)
        .tab(21)
        .right(formatMask(37.5, "##0.0"), 5)
        .tab(47)
        .text("Hits")
        .endLine();
    EXPECT_EQ(r.take(), "Totals\r\n A1               3  37.5                     Hits\r\n");
    EXPECT_EQ(r.column(), 1);
    EXPECT_TRUE(r.bytes().empty());
}

} // namespace
} // namespace textfile
