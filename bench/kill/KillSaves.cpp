// Kills SaveSettings, SaveCodeFile and the second-by-second file's write with SIGKILL at
// random instants and checks what is left on disk: the old values or the new ones, whole,
// every time, and never more than one leftover file beside each target. Not part of the test
// run: it takes a few minutes.
//
//   kill_saves [rounds]     (200 by default, for each of the three saves)
#include "platform/qt/QtSettingsStore.h"
#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "workstation/analyses/SecBySecFile.h"
#include "workstation/core/CodeSetFile.h"
#include "workstation/core/Settings.h"

#include <QString>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// --- settings: every value of generation n is derived from n ---

void setGeneration(ws::Global& g, int n) {
    g.gNumToAuto = static_cast<std::int16_t>(n % 30000);
    g.gIOAWindow = static_cast<std::int16_t>(n % 29999);
    g.SessionDuration = static_cast<float>(n % 1000) + 0.5f;
    g.Text_Editor = "editor-" + std::to_string(n);
    g.gDORUTransFile = "/data/translation-" + std::to_string(n) + ".txt";
    for (int c = 0; c <= 50; ++c) {
        g.ColumnGroupStates[static_cast<std::size_t>(c)] = static_cast<std::int16_t>((n + c) % 3);
    }
    g.gContStateChange = static_cast<std::int16_t>(n % 2);
}

struct Stored {
    bool whole = false;
    int generation = -1;
};

Stored storedSettings(const std::string& folder) {
    platform::qt::QtSettingsStore store(QString::fromStdString(folder));
    testsupport::ScriptedPlatform sp;
    platform::Platform p{sp.dialogs, store,        sp.launcher, sp.sound,
                         sp.clock,   "/opt/suite", sp.printer,  sp.clipboard};
    ws::Global loaded;
    ws::LoadSettings(loaded, p);
    const std::string& editor = loaded.Text_Editor;
    if (editor.rfind("editor-", 0) != 0) {
        return {};
    }
    const int n = std::atoi(editor.c_str() + 7);
    ws::Global expected;
    setGeneration(expected, n);
    const bool whole = loaded.gNumToAuto == expected.gNumToAuto && loaded.gIOAWindow == expected.gIOAWindow &&
                       loaded.SessionDuration == expected.SessionDuration &&
                       loaded.gDORUTransFile == expected.gDORUTransFile &&
                       loaded.ColumnGroupStates == expected.ColumnGroupStates &&
                       loaded.gContStateChange == expected.gContStateChange;
    return {whole, n};
}

[[noreturn]] void saveSettingsForEver(const std::string& folder, int from) {
    platform::qt::QtSettingsStore store(QString::fromStdString(folder));
    testsupport::ScriptedPlatform sp;
    platform::Platform p{sp.dialogs, store,        sp.launcher, sp.sound,
                         sp.clock,   "/opt/suite", sp.printer,  sp.clipboard};
    for (int n = from;; ++n) {
        ws::Global g;
        setGeneration(g, n);
        ws::SaveSettings(g, p);
        if (!sp.dialogs.boxes.empty()) {
            std::fprintf(stderr, "a settings save failed: %s\n", sp.dialogs.boxes.front().text.c_str());
            std::_Exit(3);
        }
    }
}

// --- code set: generation n has n % 40 + 1 codes, each naming n ---

void setCodeGeneration(ws::Global& g, int n) {
    g.NumCodes = static_cast<std::int16_t>(n % 40 + 1);
    g.CodeTable.resize(g.NumCodes);
    for (int row = 1; row <= g.NumCodes; ++row) {
        g.CodeTable(1, row) = textfile::Value::ofText("G" + std::to_string(n) + "-" + std::to_string(row));
        g.CodeTable(2, row) = textfile::Value::ofText(std::string(200, 'd')); // some bulk per line
        g.CodeTable(3, row) = textfile::Value::ofNumber(row % 5);
    }
    for (int group = 0; group < 49; ++group) {
        g.GroupNames[static_cast<std::size_t>(group)] = "group " + std::to_string(n);
    }
}

Stored storedCodeSet(const std::string& path) {
    testsupport::ScriptedPlatform sp;
    ws::Global loaded;
    loaded.Code_File = path;
    if (ws::OpenCodeFile(loaded, sp.platform) != textfile::kTrue || loaded.NumCodes < 1) {
        return {};
    }
    const std::string first = loaded.CodeTable.code(1);
    const int n = std::atoi(first.c_str() + 1);
    ws::Global expected;
    setCodeGeneration(expected, n);
    bool whole = loaded.NumCodes == expected.NumCodes && loaded.GroupNames == expected.GroupNames;
    for (int row = 1; whole && row <= loaded.NumCodes; ++row) {
        whole = loaded.CodeTable.code(row) == expected.CodeTable.code(row) &&
                loaded.CodeTable.description(row) == expected.CodeTable.description(row);
    }
    return {whole, n};
}

[[noreturn]] void saveCodeSetForEver(const std::string& path, int from) {
    testsupport::ScriptedPlatform sp;
    for (int n = from;; ++n) {
        ws::Global g;
        g.Code_File = path;
        setCodeGeneration(g, n);
        if (ws::SaveCodeFile(g, sp.platform) != textfile::kTrue) {
            std::fprintf(stderr, "a code-set save failed\n");
            std::_Exit(3);
        }
    }
}

// --- second-by-second file: generation n holds the code "S<n>" for 20,000 + n % 1000 units ---

std::int32_t lastUnitOf(int n) {
    return 20000 + n % 1000;
}

void setSecBySecGeneration(ws::Global& g, int n) {
    g.NumCodes = 1;
    g.CodeTable.resize(1);
    g.CodeTable(1, 1) = textfile::Value::ofText("S" + std::to_string(n));
    g.CodeTable(2, 1) = textfile::Value::ofText("state");
    g.CodeTable(3, 1) = textfile::Value::ofNumber(1);
    g.EventCodes[1] = "S" + std::to_string(n);
    g.EventTimes[1] = 0;
    g.EventCodes[2] = "-500";
    g.EventTimes[2] = lastUnitOf(n);
    g.EventTimes[0] = 2;
}

std::string secBySecBytes(int n) {
    std::string bytes;
    const std::string state = ",\"S" + std::to_string(n) + "\"\r\n";
    for (std::int32_t t = 0; t <= lastUnitOf(n); ++t) {
        bytes += " " + std::to_string(t) + " " + state;
    }
    return bytes;
}

Stored storedSecBySec(const std::string& path) {
    const std::string bytes = textfile::fileExists(path) ? textfile::readWholeFile(path) : "";
    const std::size_t quote = bytes.find("\"S");
    if (quote == std::string::npos) {
        return {};
    }
    const int n = std::atoi(bytes.c_str() + quote + 2);
    return {bytes == secBySecBytes(n), n};
}

[[noreturn]] void saveSecBySecForEver(const std::string& path, int from) {
    testsupport::ScriptedPlatform sp;
    ws::QuietStatus status;
    const std::vector<std::int16_t> groups = {1};
    for (int n = from;; ++n) {
        ws::Global g;
        setSecBySecGeneration(g, n);
        if (!ws::WriteSecBySecFile(g, sp.platform, status, path, {groups, nullptr})) {
            std::fprintf(stderr, "a second-by-second write stopped\n");
            std::_Exit(3);
        }
    }
}

// --- the harness ---

int filesBeside(const fs::path& folder, const std::string& target) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename() != target) {
            ++count;
        }
    }
    return count;
}

struct Tally {
    int whole = 0;
    int damaged = 0;
    int maxLeftovers = 0;
    int stillRunning = 0;
};

// Starts `save` in a child from generation `from`, kills it after a random wait, and
// checks what `stored` finds.
template <class Save, class Check>
Tally killRounds(const char* what, int rounds, const fs::path& folder, const std::string& target, Save save,
                 Check stored) {
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> waitMicroseconds(500, 40000);
    Tally tally;
    int from = 1;
    for (int round = 1; round <= rounds; ++round) {
        const pid_t child = ::fork();
        if (child == 0) {
            save(from);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(waitMicroseconds(random)));
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) != 0) {
            std::fprintf(stderr, "%s: the saving process ended by itself\n", what);
            std::exit(2);
        }
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        const Stored found = stored();
        if (found.whole) {
            ++tally.whole;
            from = found.generation + 1000; // the next child's values differ from all before
        } else {
            ++tally.damaged;
            std::fprintf(stderr, "%s: round %d left damaged or mixed values\n", what, round);
        }
        const int leftovers = filesBeside(folder, target);
        if (leftovers > 1 && leftovers > tally.maxLeftovers) {
            for (const auto& entry : fs::directory_iterator(folder)) {
                std::fprintf(stderr, "%s: round %d left %s\n", what, round, entry.path().filename().c_str());
            }
        }
        tally.maxLeftovers = std::max(tally.maxLeftovers, leftovers);
    }
    std::printf("%s: %d kills, %d whole, %d damaged, at most %d file(s) left beside the target\n", what,
                rounds, tally.whole, tally.damaged, tally.maxLeftovers);
    return tally;
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 200;
    const fs::path root = fs::temp_directory_path() / ("kill-saves-" + std::to_string(::getpid()));
    const fs::path settingsFolder = root / "settings";
    const fs::path codeFolder = root / "codes";
    const fs::path secBySecFolder = root / "sbs";
    fs::create_directories(settingsFolder);
    fs::create_directories(codeFolder);
    fs::create_directories(secBySecFolder);
    const std::string codePath = (codeFolder / "kids.cod").string();
    const std::string secBySecPath = (secBySecFolder / "kid.SBS").string();

    // A first whole generation of each, so that every kill has an old state to keep.
    {
        platform::qt::QtSettingsStore store(QString::fromStdString(settingsFolder.string()));
        testsupport::ScriptedPlatform sp;
        platform::Platform p{sp.dialogs, store,        sp.launcher, sp.sound,
                             sp.clock,   "/opt/suite", sp.printer,  sp.clipboard};
        ws::Global g;
        setGeneration(g, 0);
        ws::SaveSettings(g, p);
        ws::Global c;
        c.Code_File = codePath;
        setCodeGeneration(c, 0);
        ws::SaveCodeFile(c, sp.platform);
        textfile::saveFileAtomically(secBySecPath, secBySecBytes(0));
    }

    const Tally settings = killRounds(
        "SaveSettings", rounds, settingsFolder, "OSTRAVEL.ini",
        [&](int from) { saveSettingsForEver(settingsFolder.string(), from); },
        [&] { return storedSettings(settingsFolder.string()); });
    const Tally codes = killRounds(
        "SaveCodeFile", rounds, codeFolder, "kids.cod", [&](int from) { saveCodeSetForEver(codePath, from); },
        [&] { return storedCodeSet(codePath); });
    const Tally secBySec = killRounds(
        "WriteSecBySecFile", rounds, secBySecFolder, "kid.SBS",
        [&](int from) { saveSecBySecForEver(secBySecPath, from); },
        [&] { return storedSecBySec(secBySecPath); });
    fs::remove_all(root);
    const bool held = settings.damaged == 0 && codes.damaged == 0 && secBySec.damaged == 0 &&
                      settings.maxLeftovers <= 1 && codes.maxLeftovers <= 1 && secBySec.maxLeftovers <= 1;
    std::printf(held ? "held\n" : "FAILED\n");
    return held ? 0 : 1;
}
