// One main for every benchmark of the suite. It prints the table of timings with each
// benchmark's ratios to a plain read, and nothing else: the machine's description that the
// library writes first is left out, so the output can be compared run against run.
#include <benchmark/benchmark.h>

#include <sstream>

namespace {

class TableOnlyReporter : public benchmark::ConsoleReporter {
public:
    TableOnlyReporter() : ConsoleReporter(OO_None) {}

    bool ReportContext(const Context& context) override {
        std::ostream& errors = GetErrorStream();
        std::ostringstream machine;
        SetErrorStream(&machine);
        const bool go = ConsoleReporter::ReportContext(context);
        SetErrorStream(&errors);
        return go;
    }
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    TableOnlyReporter table;
    benchmark::RunSpecifiedBenchmarks(&table);
    benchmark::Shutdown();
    return 0;
}
