#include "workstation/core/Settings.h"

#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "textfile/TextForms.h"
#include "workstation/core/CodeSetFile.h"

#include <string>
#include <type_traits>

namespace ws {
namespace {

const std::string kStartUp = "StartUp";

// Reads values of the workstation's application. Numbers are the leading number of the
// stored text (empty text is 0). A stored number the global cannot hold keeps the global's
// default instead of ending the load, so one bad value never hides the ones after it.
class StoreReader {
public:
    explicit StoreReader(platform::SettingsStore& store) : store_(store) {}

    std::string text(const std::string& section, const std::string& name, const std::string& defaultText) {
        return store_.get(kSettingsApp, section, name, defaultText);
    }

    std::int16_t int16(const std::string& section, const std::string& name, std::int16_t defaultValue) {
        const std::string stored = text(section, name, std::to_string(defaultValue));
        try {
            return textfile::toInt16(textfile::leadingNumber(stored));
        } catch (const textfile::RunError&) {
            return defaultValue;
        }
    }

    float single(const std::string& section, const std::string& name, float defaultValue) {
        const std::string stored = text(section, name, textfile::singleText(defaultValue));
        try {
            return textfile::toSingle(textfile::leadingNumber(stored));
        } catch (const textfile::RunError&) {
            return defaultValue;
        }
    }

private:
    platform::SettingsStore& store_;
};

class StoreWriter {
public:
    explicit StoreWriter(platform::SettingsStore& store) : store_(store) {}

    void text(const std::string& section, const std::string& name, const std::string& value) {
        store_.set(kSettingsApp, section, name, value);
    }
    void int16(const std::string& section, const std::string& name, std::int16_t value) {
        text(section, name, std::to_string(value));
    }
    void single(const std::string& section, const std::string& name, float value) {
        text(section, name, textfile::singleText(value));
    }

private:
    platform::SettingsStore& store_;
};

// The stored state and geometry of the main window. A stored minimised state opens the
// window normal, and neither it nor a maximised state brings a rectangle worth applying.
// A state the window cannot take counts as the default, normal.
WindowPlacement readMainWindowPlacement(StoreReader& read, const MainWindowPlacement& mainWindow) {
    const WindowPlacement defaults;
    WindowPlacement placement = mainWindow.placement();
    std::int16_t state = read.int16(kStartUp, "WindowState", defaults.state);
    if (state < 0 || state > 2) {
        state = defaults.state;
    }
    placement.withGeometry = state == 0;
    placement.state = state == 1 ? 0 : state;
    if (placement.withGeometry) {
        placement.left = read.int16(kStartUp, "WindowLeft", defaults.left);
        placement.top = read.int16(kStartUp, "WindowTop", defaults.top);
        placement.width = read.int16(kStartUp, "WindowWidth", defaults.width);
        placement.height = read.int16(kStartUp, "WindowHeight", defaults.height);
    }
    return placement;
}

// The rectangle is stored whatever the state; loading ignores it unless the state is normal.
void writeMainWindowPlacement(StoreWriter& write, const WindowPlacement& window) {
    write.int16(kStartUp, "WindowState", window.state);
    write.int16(kStartUp, "WindowTop", window.top);
    write.int16(kStartUp, "WindowLeft", window.left);
    write.int16(kStartUp, "WindowWidth", window.width);
    write.int16(kStartUp, "WindowHeight", window.height);
}

// A value the entry names, read with the default the member has in a fresh WorkstationSettings.
void readEntry(StoreReader& read, const SettingEntry& entry, WorkstationSettings& s) {
    static const WorkstationSettings defaults;
    std::visit(
        [&](const auto& member) {
            using Member = std::decay_t<decltype(member)>;
            if constexpr (std::is_same_v<Member, std::int16_t WorkstationSettings::*>) {
                s.*member = read.int16(entry.section, entry.name, defaults.*member);
            } else if constexpr (std::is_same_v<Member, float WorkstationSettings::*>) {
                s.*member = read.single(entry.section, entry.name, defaults.*member);
            } else if constexpr (std::is_same_v<Member, std::string WorkstationSettings::*>) {
                s.*member = read.text(entry.section, entry.name, defaults.*member);
            } else if constexpr (std::is_same_v<Member, ColumnGroupState>) {
                s.ColumnGroupStates[member.n] =
                    read.int16(entry.section, entry.name, defaults.ColumnGroupStates[member.n]);
            }
        },
        entry.member);
}

void writeEntry(StoreWriter& write, const SettingEntry& entry, const WorkstationSettings& s) {
    std::visit(
        [&](const auto& member) {
            using Member = std::decay_t<decltype(member)>;
            if constexpr (std::is_same_v<Member, std::int16_t WorkstationSettings::*>) {
                write.int16(entry.section, entry.name, s.*member);
            } else if constexpr (std::is_same_v<Member, float WorkstationSettings::*>) {
                write.single(entry.section, entry.name, s.*member);
            } else if constexpr (std::is_same_v<Member, std::string WorkstationSettings::*>) {
                write.text(entry.section, entry.name, s.*member);
            } else if constexpr (std::is_same_v<Member, ColumnGroupState>) {
                write.int16(entry.section, entry.name, s.ColumnGroupStates[member.n]);
            }
        },
        entry.member);
}

bool isPlacementStep(const SettingEntry& entry) {
    return std::holds_alternative<PlacementStep>(entry.member);
}

void call(const std::function<void()>& f) {
    if (f) {
        f();
    }
}

} // namespace

void LoadSettings(Global& g, platform::Platform& p, MainWindowPlacement* mainWindow,
                  const SettingsCalls& calls) {
    StoreReader read(p.settings);
    for (const SettingEntry& entry : workstationSettingsTable()) {
        if (!isPlacementStep(entry)) {
            readEntry(read, entry, g);
        } else if (mainWindow != nullptr) {
            mainWindow->applyPlacement(readMainWindowPlacement(read, *mainWindow));
        }
    }
    OpenCodeFile(g, p, WhenRefused::AskForAnother);
    try {
        ReadContGrid(g.ContGrid, g.Code_File);
    } catch (const textfile::RunError&) {
        // A rules file that cannot be read leaves the rules as they were; start-up goes on.
    }
    call(calls.readContGrid);
}

void loadSettingsReadOnly(WorkstationSettings& s, platform::SettingsStore& store) {
    StoreReader read(store);
    for (const SettingEntry& entry : workstationSettingsTable()) {
        if (entry.standAlone) {
            readEntry(read, entry, s);
        }
    }
}

void SaveSettings(Global& g, platform::Platform& p, MainWindowPlacement* mainWindow,
                  const SettingsCalls& calls) {
    StoreWriter write(p.settings);
    for (const SettingEntry& entry : workstationSettingsTable()) {
        if (!isPlacementStep(entry)) {
            if (entry.written) {
                writeEntry(write, entry, g);
            }
            continue;
        }
        writeMainWindowPlacement(write, mainWindow != nullptr ? mainWindow->placement() : WindowPlacement{});
        // Both windows load afresh next time, so they pick up what was just stored.
        call(calls.unloadSequence);
        call(calls.unloadMultilev);
    }

    // One write for all of them: a save cut short leaves the old settings or the new ones.
    // A save that fails is said at once; the next start would otherwise quietly fall back
    // to whatever was stored before.
    if (!p.settings.save(kSettingsApp)) {
        p.dialogs.messageBox("The settings could not be saved to " + p.settings.location(kSettingsApp) +
                                 ". The settings stored there before were kept.",
                             "File Save Error", platform::Buttons::OK, platform::Icon::Exclamation);
    }
}

} // namespace ws
