#pragma once
// Quick-key coding on the coding grid: a key is matched against the first character of
// every code of the open code set, and each matching code becomes a row stamped with the
// chosen player's time, appended, or inserted after the current row through command 9.
// Onsets write the code (or its description when the grid holds descriptions), offsets
// the code and "f" (the description and " off"). The three players share this one
// routine; only the time text depends on the player.

#include "platform/Dialogs.h"
#include "videocoder/coding/KeyGrid.h"
#include "videocoder/core/Globals.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vc {

inline const std::string kQuickKeyErrorPrefix = "Error in QKMode:";

// What quick keys ask of the command set: a numbered command (9 insert, 101 pause, 11
// append, 10 mark), and the time text a mark would write now (nullopt without a video).
struct KeyCommands {
    std::function<void(int)> ControlSub;
    std::function<std::optional<std::string>()> markText;
};

// The character a text starts with as the grid shows it (UTF-8, else its first byte as
// Latin-1); 0 for an empty text.
char32_t firstShownCharacter(std::string_view text);

class QuickKeys {
public:
    QuickKeys(Globals& g, KeyGrid& grid, platform::Dialogs& dialogs, KeyCommands commands)
        : g_(g), grid_(grid), dialogs_(dialogs), commands_(std::move(commands)) {}

    // keyAscii is the key's character (a code point); set to 0 the key is swallowed and the
    // grid does not see it. Onset false writes offset entries.
    void GridKeyPress(int& keyAscii, bool onset);
    // True: later rows are stamped with the time a mark would write now (a key's release,
    // whose key-up comes a little later); false: with the time when they are written.
    void keepTime(bool keep);

private:
    void codeKey(int& keyAscii, bool onset);
    std::string entryOf(int code, bool onset) const;
    void appendRow(int column, const std::string& entry);
    void insertRow(int column, const std::string& entry);
    std::string timeText();

    Globals& g_;
    KeyGrid& grid_;
    platform::Dialogs& dialogs_;
    KeyCommands commands_;
    std::optional<std::string> keptTime_;
};

} // namespace vc
