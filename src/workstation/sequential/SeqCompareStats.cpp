#include "workstation/sequential/SeqCompareStats.h"

#include "textfile/NumberMask.h"
#include "textfile/NumberText.h"
#include "textfile/ReportText.h"
#include "textfile/TextForms.h"
#include "workstation/sequential/SeqResampling.h"

#include <cmath>
#include <limits>
#include <vector>

namespace ws {
namespace {

constexpr int kPrintZone = 14;
const std::string kEol(textfile::kLineEnd);

// The cell codes of the pool: 10 × (row + 1) + (column + 1), cells in the order a, b, c, d.
constexpr std::array<std::int16_t, 4> kCellCodes{11, 12, 21, 22};

std::string qText(float q) {
    return textfile::formatMask(q, "0.0000", textfile::Precision::Single);
}

float qOf(const std::array<std::int64_t, 4>& t) {
    return compareQ(t[0], t[1], t[2], t[3]);
}

void tally(const std::vector<std::int16_t>& pool, std::size_t from, std::size_t to,
           std::array<std::int64_t, 4>& t) {
    t = {};
    for (std::size_t j = from; j <= to; ++j) {
        ++t[static_cast<std::size_t>((pool[j] / 10 - 1) * 2 + (pool[j] % 10 - 1))];
    }
}

// A position in 1..n from a value in [0, 1).
std::size_t drawPosition(platform::Random& random, std::size_t n) {
    const auto r =
        static_cast<std::size_t>(std::floor(static_cast<double>(random.next()) * static_cast<double>(n)));
    return std::min(r, n - 1) + 1;
}

std::string proportion(std::int64_t count, int iterations) {
    return textfile::doubleText(static_cast<double>(count) / iterations);
}

} // namespace

std::optional<CompareCounts> compareCounts(const CompareCells& cells) {
    CompareCounts counts{};
    std::int64_t total = 0;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        const double whole = std::nearbyint(cells[k]); // halves to the even neighbour
        if (!(whole >= 0 && whole <= std::numeric_limits<std::int32_t>::max())) {
            return std::nullopt;
        }
        counts[k] = static_cast<std::int32_t>(whole);
        total += counts[k];
    }
    if (total > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return counts;
}

float compareQ(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d) {
    const std::int64_t ad = a * d;
    const std::int64_t bc = b * c;
    const std::int64_t sum = ad + bc;
    if (sum == 0) {
        return UndefinedQ;
    }
    return static_cast<float>(ad - bc) / static_cast<float>(sum);
}

std::string compareStatistics(const CompareCounts& counts, int iterations, platform::Random& random,
                              const CompareProgress& progress) {
    const std::array<std::int64_t, 4> one{counts[0], counts[1], counts[2], counts[3]};
    const std::array<std::int64_t, 4> two{counts[4], counts[5], counts[6], counts[7]};
    const float q1 = qOf(one);
    const float q2 = qOf(two);
    std::string text = q1 != UndefinedQ ? "Yules Q One: " + qText(q1) : "Yules Q One: Undefined";
    text += kEol + kEol;
    text += q2 != UndefinedQ ? "Yule's Q Two: " + qText(q2) : "Yules Q Two: Undefined";
    text += kEol + kEol;
    if (q1 == UndefinedQ || q2 == UndefinedQ) {
        return text;
    }
    const float observed = q1 - q2;
    text += "Yule's Q Difference: " + qText(observed) + kEol + kEol;

    std::size_t n1 = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        n1 += static_cast<std::size_t>(one[k]);
    }
    std::vector<std::int16_t> pool(1); // position 0 is never used
    for (const auto* table : {&one, &two}) {
        for (std::size_t k = 0; k < 4; ++k) {
            pool.insert(pool.end(), static_cast<std::size_t>((*table)[k]), kCellCodes[k]);
        }
    }
    const std::size_t n = pool.size() - 1;

    std::int64_t less = 0;
    std::int64_t equal = 0;
    std::int64_t greater = 0;
    bool finished = true;
    std::array<std::int64_t, 4> shuffled1{};
    std::array<std::int64_t, 4> shuffled2{};
    for (int i = 1; i <= iterations && finished; ++i) {
        progress.setProgress(static_cast<int>(static_cast<double>(i) / iterations * 100));
        if (i % 10 == 0) {
            progress.setLabel(std::to_string(i));
            progress.repaint();
        }
        float d1 = UndefinedQ;
        float d2 = UndefinedQ;
        // A pool that rarely gives two defined tables would redraw for ever: past the
        // resampling tests' limit the test ends unfinished.
        for (int draws = 1;; ++draws) {
            for (std::size_t j = 1; j <= n; ++j) {
                std::swap(pool[j], pool[drawPosition(random, n)]);
            }
            tally(pool, 1, n1, shuffled1);
            tally(pool, n1 + 1, n, shuffled2);
            d1 = qOf(shuffled1);
            d2 = qOf(shuffled2);
            if (draws > ResampleDrawLimit) {
                finished = false;
                break;
            }
            if (d1 != UndefinedQ && d2 != UndefinedQ) {
                break;
            }
        }
        if (finished) {
            const float d = d1 - d2;
            less += d < observed ? 1 : 0;
            equal += d == observed ? 1 : 0;
            greater += d > observed ? 1 : 0;
        }
    }
    if (finished) {
        text += "p < Observed = " + proportion(less, iterations) + kEol;
        text += "p = Observed = " + proportion(equal, iterations) + kEol;
        text += "p > Observed = " + proportion(greater, iterations) + kEol + kEol;
    } else {
        text += ResampleUnfinishedLine + kEol + kEol;
    }
    progress.setLabel("");
    progress.setProgress(0);
    progress.repaint();
    return text;
}

std::string compareReport(const CompareCells& cells, const std::string& statistics, const std::string& date,
                          const std::string& time) {
    textfile::ReportText report;
    report.line("Sequential matricies comparison report " + date + " " + time);
    report.line();
    for (std::size_t table = 0; table < 2; ++table) {
        report.line(table == 0 ? "Matrix One..." : "Matrix Two...");
        report.line();
        for (std::size_t row = 0; row < 2; ++row) {
            const std::size_t first = table * 4 + row * 2;
            report.text(textfile::printNumber(cells[first]));
            // The next print zone that begins after the first value's text.
            const int column = report.column();
            report.tab((column - 1 + kPrintZone - 1) / kPrintZone * kPrintZone + 1);
            report.text(textfile::printNumber(cells[first + 1])).endLine();
        }
        report.line();
    }
    report.text(statistics).endLine();
    return report.take();
}

} // namespace ws
