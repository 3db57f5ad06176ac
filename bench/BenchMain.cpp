// One main for every benchmark of the suite. Each contest (an operation against its baseline,
// timed round by round in one process) is printed as one line in one form:
//   operation | rounds | ratio median | ratio min | operation median | baseline median |
//   operation's time per item | baseline
// Other benchmarks keep the library's table. The machine's description that the library
// writes first is left out, so the output can be compared run against run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

class ContestReporter : public benchmark::ConsoleReporter {
public:
    ContestReporter() : ConsoleReporter(OO_None) {}

    bool ReportContext(const Context& context) override {
        std::ostream& errors = GetErrorStream();
        std::ostringstream machine;
        SetErrorStream(&machine);
        const bool go = ConsoleReporter::ReportContext(context);
        SetErrorStream(&errors);
        return go;
    }

    void ReportRuns(const std::vector<Run>& runs) override {
        std::vector<Run> others;
        for (const Run& run : runs) {
            if (!run.error_occurred && run.counters.count("ratio_median") != 0) {
                printContest(run);
            } else {
                others.push_back(run);
            }
        }
        if (!others.empty()) {
            ConsoleReporter::ReportRuns(others);
        }
    }

private:
    void printContest(const Run& run) {
        std::ostream& out = GetOutputStream();
        if (!headerShown_) {
            out << line("contest", "rounds", "median", "min", "op ms", "base ms", "ns/item", "baseline")
                << '\n'
                << std::string(160, '-') << '\n';
            headerShown_ = true;
        }
        const auto counter = [&run](const char* name) { return run.counters.at(name).value; };
        out << line(shownName(run), number("%.0f", counter("rounds")),
                    number("%.2f", counter("ratio_median")), number("%.2f", counter("ratio_min")),
                    number("%.2f", counter("op_ms")), number("%.2f", counter("base_ms")),
                    number("%.1f", counter("ns_per_item")), run.report_label)
            << extraCounters(run) << std::endl;
    }

    // Counters a contest adds of its own (the memory an open keeps, say), after its baseline.
    static std::string extraCounters(const Run& run) {
        static const std::set<std::string> shown = {"rounds", "ratio_median", "ratio_min",
                                                    "op_ms",  "base_ms",      "ns_per_item"};
        std::string text;
        for (const auto& [name, value] : run.counters) {
            if (shown.count(name) == 0) {
                text += "; " + name + " " + number("%.2f", value.value);
            }
        }
        return text;
    }

    // The benchmark's name without the rounds it was given, which have their own column.
    static std::string shownName(const Run& run) {
        std::string name = run.benchmark_name();
        const auto rounds = name.find("/iterations:");
        if (rounds != std::string::npos) {
            name.erase(rounds, name.find('/', rounds + 1) - rounds);
        }
        return name;
    }

    static std::string number(const char* form, double value) {
        char text[32];
        std::snprintf(text, sizeof text, form, value);
        return text;
    }

    static std::string line(const std::string& name, const std::string& rounds, const std::string& median,
                            const std::string& min, const std::string& op, const std::string& base,
                            const std::string& perItem, const std::string& baseline) {
        char text[200];
        std::snprintf(text, sizeof text, "%-48s %6s %8s %8s %10s %10s %10s  ", name.c_str(), rounds.c_str(),
                      median.c_str(), min.c_str(), op.c_str(), base.c_str(), perItem.c_str());
        return text + baseline;
    }

    bool headerShown_ = false;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    ContestReporter table;
    benchmark::RunSpecifiedBenchmarks(&table);
    benchmark::Shutdown();
    return 0;
}
