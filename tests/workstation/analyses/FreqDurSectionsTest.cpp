// A section's whole figures are written straight from their digits: they must read as the
// general mask writes them, negative and large ones included.
#include "workstation/analyses/FreqDurSections.h"
#include "AnalTestSupport.h"
#include "textfile/NumberMask.h"
#include "textfile/ReportText.h"

#include <gtest/gtest.h>

#include <random>

namespace ws {
namespace {

using namespace analtest;

double percentOf(std::int64_t part, std::int64_t whole) {
    return whole == 0 ? 999.9 : static_cast<double>(part) / static_cast<double>(whole) * 100.0;
}

TEST(FreqDurSections, WholeFiguresReadAsTheGeneralMaskWritesThem) {
    Global g;
    useCodeTable(g, {{"A", "State A", 1}, {"M", "Moment M", 0}});
    const FreqDurCounter counter(g);
    std::mt19937 random(5);
    // Any width from one digit to ten, a fifth of them below zero.
    const auto figure = [&] {
        const auto value = static_cast<std::int32_t>((random() >> (random() % 32)) & 0x7FFFFFFF);
        return random() % 5 == 0 ? -value : value;
    };
    for (int round = 0; round < 300; ++round) {
        const std::vector<std::int32_t> frequency = {0, figure(), figure()};
        const std::vector<std::int32_t> duration = {0, figure(), 0};
        const std::int32_t timeBase = figure();
        const std::string section = freqDurTextSection(
            g, g, counter, {"s.eve", "Session", frequency, duration, timeBase}, "12-11-2026", true);

        const std::int64_t sum = static_cast<std::int64_t>(frequency[1]) + frequency[2];
        const auto whole = [](double value) { return textfile::formatMask(value, "########0"); };
        textfile::ReportText expected;
        if (static_cast<std::int64_t>(frequency[1]) + duration[1] != 0) {
            expected.text(" A").tab(10).right(whole(frequency[1]), 10).tab(21);
            expected.right(textfile::formatMask(percentOf(frequency[1], sum), "##0.0"), 5);
            expected.tab(30).right(whole(duration[1]), 10);
            expected.tab(41).right(textfile::formatMask(percentOf(duration[1], timeBase), "##0.0"), 5);
            expected.tab(47).text("State A").endLine();
        }
        if (frequency[2] != 0) {
            expected.text(" M").tab(10).right(whole(frequency[2]), 10).tab(21);
            expected.right(textfile::formatMask(percentOf(frequency[2], sum), "########0.0"), 5);
            expected.tab(47).text("Moment M").endLine();
        }
        expected.line();
        expected.text("Totals").tab(10).right(whole(static_cast<double>(sum)), 10);
        expected.tab(30).right(whole(timeBase), 10).endLine();
        const std::string rows = expected.take();
        ASSERT_GE(section.size(), rows.size());
        ASSERT_EQ(section.substr(section.size() - rows.size()), rows) << "round " << round;
    }
}

} // namespace
} // namespace ws
