#include "SeqTestSupport.h"

namespace seqtest {

ws::SequentialRun runWith(const std::vector<std::string>& givens, const std::vector<std::string>& targets,
                          int lag, bool forward) {
    ws::SequentialRun run;
    run.gGivens.resize(givens.size() + 1);
    std::copy(givens.begin(), givens.end(), run.gGivens.begin() + 1);
    run.gGivenCount = static_cast<std::int16_t>(givens.size());
    run.gTargets.resize(targets.size() + 1);
    std::copy(targets.begin(), targets.end(), run.gTargets.begin() + 1);
    run.gTargetCount = static_cast<std::int16_t>(targets.size());
    run.gLagCount = lag;
    run.gForward = forward ? textfile::kTrue : textfile::kFalse;
    return run;
}

void loadSlot(ws::Global& g, const std::vector<std::string>& codes) {
    int i = 1;
    for (const auto& code : codes) {
        g.EventCodes[static_cast<std::size_t>(i)] = code;
        g.EventTimes[static_cast<std::size_t>(i)] = i;
        ++i;
    }
    g.EventCodes[static_cast<std::size_t>(i)] = ws::kSessionEndCode;
    g.EventTimes[static_cast<std::size_t>(i)] = i;
    g.EventTimes[0] = i;
}

std::vector<std::string> slotCodes(const ws::Global& g) {
    return {g.EventCodes.begin() + 1, g.EventCodes.begin() + g.EventTimes[0]};
}

std::vector<int> cellsOf(const ws::SeqTable& t) {
    return {t[1][1], t[1][2], t[2][1], t[2][2]};
}

ws::SeqTable tableOf(int a, int b, int c, int d) {
    ws::SeqTable t{};
    t[1][1] = a;
    t[1][2] = b;
    t[2][1] = c;
    t[2][2] = d;
    ws::completeTotals(t);
    return t;
}

} // namespace seqtest
