#pragma once
// The coding window's numbered command set: every action on the player or the rows other
// than quick keys and grid editing. The window routes its menu items, toolbar buttons,
// shortcuts and grid gestures here; the data-file reader reaches ControlSub through the
// window's port. The player is the chosen window's, never one made by asking: without a
// loaded player window there is no video.

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "videocoder/coding/CommandCodes.h"
#include "videocoder/coding/CommandGrid.h"
#include "videocoder/coding/MarkReading.h"
#include "videocoder/coding/PlayerDifferences.h"
#include "videocoder/coding/PlayerLinks.h"
#include "videocoder/core/CoderLinks.h"
#include "videocoder/core/CodingWindow.h"
#include "videocoder/core/Globals.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace vc {

// Windows and procedures of other parts that commands call; the program wires them. One
// left unset says "not available yet" in a box.
struct CommandLinks {
    std::function<void()> OpenMovieMnu_Click; // asks for a media file, sets gVideoFileName
    std::function<void()> showBackplay;       // "Jump Backwards", modal while a video is open
    std::function<void()> InstantReplay;      // replay around the current row
    std::function<void()> ExportData;
    // Whether range warnings are on and this reading of the chosen player (its seconds, and
    // the frame on screen where it has frame numbers) lies outside the header's start and
    // end times. Unset: never outside.
    std::function<bool(double seconds, std::optional<std::int32_t> frame)> TimeOuttaRange;
};

struct CommandServices {
    platform::Dialogs& dialogs;
    platform::Clock& clock;
};

class CodingCommands {
public:
    CodingCommands(Globals& g, CodingWindowModel& window, CoderLinks& coder, const PlayerLinks& players,
                   CommandServices services, CommandGrid& grid, CommandLinks links);

    // Runs one command on the player PlayerSelection chooses: 1 the file window, 2 the DVD
    // window, any other value the media window. Every failure ends in a box.
    void ControlSub(int code);
    void ControlSub2(int code);
    void ControlSub3(int code);

    // Mouse-up on the grid: Alt alone marks the row clicked (10), Ctrl alone seeks to it (6).
    void FG1_AltClick(int row);
    void FG1_CtrlClick(int row);

    // The text a mark made now would write, for "&Use Current"; nullopt without a video.
    std::optional<std::string> currentTimeText();
    // Moves the chosen player to a row time as the seek command reads it, ending paused on
    // it, for the header's Seek buttons. Nothing without a video; a failure is a box.
    void seekToTime(const std::string& time);

    CommandLinks& links() { return links_; }

private:
    struct Player {
        platform::MediaPlayer& mmPlay;
        PlayerKind kind;
        const PlayerDifferences& differs;
    };

    void run(PlayerKind kind, int code);
    void dispatch(PlayerKind kind, int code);
    std::optional<Player> video(PlayerKind kind);
    bool saidNoVideo(PlayerKind kind);
    void reportFailure(int number, const std::string& description);

    // Player commands.
    void toggleMute(Player p);
    void toggleSpeed(Player p);
    void addMarkStop(Player p);
    void frameBack(Player p);
    void frameAhead(Player p);
    void preRollPlay(Player p);
    void goToStart(Player p);
    void mark(Player p);
    void seekRow(Player p, const std::string& time);
    void stepTo(Player p, double target);
    void stamp(Player p, const MarkReading& reading, int row);
    void endOn(Player p, const MarkReading& reading);
    void warnWhenOutOfRange(const MarkReading& reading);
    void replay();
    void jumpBackwards();

    // Row commands.
    void rowCommand(PlayerKind kind, int code);

    // File commands.
    void save();
    void saveAs();
    void exportData();
    void openMedia(PlayerKind kind);
    void renewCaption();

    void notAvailable(const std::string& what);

    Globals& g_;
    CodingWindowModel& window_;
    CoderLinks& coder_;
    const PlayerLinks& players_;
    CommandServices services_;
    CommandGrid& grid_;
    CommandLinks links_;
};

} // namespace vc
