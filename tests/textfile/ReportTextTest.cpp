#include "textfile/NumberMask.h"
#include "textfile/ReportLine.h"

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
