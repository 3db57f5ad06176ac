// Sessions of random length, pauses, picks, typed codes and saves, in both units: every
// file written must read back cleanly, with times that never go back and an end record at
// or after every stamped time and never past the session's limit.
#include "collector/CollectorRig.h"
#include "textfile/Files.h"
#include "workstation/core/EventFile.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace collector {
namespace {

const std::vector<std::pair<std::string, int>> kCodes = {{"Cry", 3}, {"Play", 1},  {"Talk", 2},
                                                         {"Sit", 1}, {"Quiet", 2}, {"Calm", 3}};

// The times of the lines after the header, the end record's last.
std::vector<long> timesOf(const std::string& file) {
    std::vector<long> times;
    std::istringstream in(file);
    std::string line;
    std::getline(in, line);
    std::getline(in, line);
    while (std::getline(in, line)) {
        if (const auto comma = line.rfind(','); comma != std::string::npos) {
            times.push_back(std::stol(line.substr(comma + 1)));
        }
    }
    return times;
}

TEST(RandomSessions, TimesNeverGoBackAndEveryFileReadsCleanly) {
    std::mt19937 random(20261210);
    for (int session = 0; session < 40; ++session) {
        CollectorRig rig;
        const bool tenths = random() % 2 == 0;
        const int limit = 5 + static_cast<int>(random() % 40);
        rig.settings = {{"TenthsofSeconds", tenths ? "1" : "0"}, {"SessionDuration", std::to_string(limit)}};
        rig.useCodes(kCodes);
        rig.session.Form_Load();
        rig.newFile("s.eve", "Random " + std::to_string(session));
        double now = 1000.0 * session;
        rig.sp.clock.monotonic = now;
        rig.session.TimerStart_Click();
        for (int step = 0; step < 60 && rig.session.state().FileIsOpen; ++step) {
            // Saves are rare: each one is a whole atomic write to disk.
            switch (random() % 12) {
            case 0:
            case 1:
            case 2:
            case 3:
                now += (random() % 3000) / 1000.0;
                rig.at(now);
                break;
            case 4:
            case 5:
            case 6:
                if (rig.session.clockRunning()) {
                    rig.type(kCodes[random() % kCodes.size()].first);
                    rig.enter();
                }
                break;
            case 7:
            case 8:
            case 9:
                if (rig.session.clockRunning()) {
                    rig.session.pick(1 + static_cast<int>(random() % 3), static_cast<int>(random() % 2));
                }
                break;
            case 10:
                now += (random() % 1000) / 1000.0;
                rig.sp.clock.monotonic = now;
                rig.session.TimerStart_Click(); // pause or resume
                break;
            default:
                rig.session.SaveData();
            }
        }
        if (rig.session.state().FileIsOpen) {
            rig.session.CloseFile_Click();
        }

        const std::string file = rig.written("s.eve");
        const std::vector<long> times = timesOf(file);
        ASSERT_FALSE(times.empty()) << file;
        for (std::size_t i = 1; i < times.size(); ++i) {
            ASSERT_LE(times[i - 1], times[i]) << file;
        }
        EXPECT_LE(times.back(), tenths ? limit * 10 : limit) << file;
        rig.g.OutputFileName = rig.scratch.file("errors.txt");
        std::string header;
        EXPECT_TRUE(ws::ReadEventFile(rig.g, rig.sp.platform, rig.scratch.file("s.eve"), 1, header)) << file;
    }
}

} // namespace
} // namespace collector
