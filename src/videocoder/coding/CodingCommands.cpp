#include "videocoder/coding/CodingCommands.h"

#include "platform/NotAvailable.h"
#include "textfile/RunError.h"
#include "videocoder/coding/MediaFileName.h"
#include "videocoder/coding/OpenMedia.h"
#include "videocoder/coding/RowCommands.h"
#include "videocoder/coding/StampTexts.h"
#include "videocoder/core/FileDialogs.h"

#include <algorithm>
#include <exception>

namespace vc {

using platform::Buttons;
using platform::Icon;

namespace {

// A file name the file system refuses.
constexpr int kBadFileName = kBadFileNameError;
const std::string kBadFileText = "Error opening a file.  Most likey cause is that\r\n"
                                 "the video or code file is not found where it was \r\n"
                                 "last time this data file was opened.";

} // namespace

CodingCommands::CodingCommands(Globals& g, CodingWindowModel& window, CoderLinks& coder,
                               const PlayerLinks& players, CommandServices services, CommandGrid& grid,
                               CommandLinks links)
    : g_(g), window_(window), coder_(coder), players_(players), services_(services), grid_(grid),
      links_(std::move(links)) {}

void CodingCommands::ControlSub(int code) {
    const PlayerKind kind = chosenPlayer(g_.settings);
    if (kind == PlayerKind::FileWindow) {
        ControlSub2(code);
    } else if (kind == PlayerKind::DvdWindow) {
        ControlSub3(code);
    } else {
        run(PlayerKind::MediaWindow, code);
    }
}

void CodingCommands::ControlSub2(int code) {
    run(PlayerKind::FileWindow, code);
}

void CodingCommands::ControlSub3(int code) {
    run(PlayerKind::DvdWindow, code);
}

// The one error handler: whatever was done before the failure stays done.
void CodingCommands::run(PlayerKind kind, int code) {
    try {
        g_.coding.gReplaying = kFalse;
        dispatch(kind, code);
    } catch (const textfile::RunError& e) {
        reportFailure(e.number(), e.description());
    } catch (const std::exception& e) {
        reportFailure(0, e.what());
    }
}

void CodingCommands::reportFailure(int number, const std::string& description) {
    if (number == kBadFileName) {
        services_.dialogs.messageBox(kBadFileText, kErrorTitle, Buttons::OK, Icon::Critical);
    } else {
        showVideoControlError(services_.dialogs, description);
    }
}

void CodingCommands::dispatch(PlayerKind kind, int code) {
    switch (code) {
    case kCmdMute:
    case kCmdThreeQuarterSpeed:
    case kCmdAddMarkStop:
    case kCmdFrameBack:
    case kCmdFrameAhead:
    case kCmdJumpBackwards:
    case kCmdPreRollPlay:
    case kCmdSeek:
    case kCmdSeekMenu:
    case kCmdReplay:
    case kCmdReplayMenu: {
        const auto p = video(kind);
        if (!p) {
            return;
        }
        switch (code) {
        case kCmdMute:
            return toggleMute(*p);
        case kCmdThreeQuarterSpeed:
            return toggleSpeed(*p);
        case kCmdAddMarkStop:
            return addMarkStop(*p);
        case kCmdFrameBack:
            return frameBack(*p);
        case kCmdFrameAhead:
            return frameAhead(*p);
        case kCmdJumpBackwards:
            return jumpBackwards();
        case kCmdPreRollPlay:
            return preRollPlay(*p);
        case kCmdSeek:
        case kCmdSeekMenu:
            return seekRow(*p, g_.data.gData.at(1, grid_.Row()).asText());
        default:
            return replay();
        }
    }
    case kCmdPlay:
    case kCmdPause:
    case kCmdStop:
    case kCmdMark:
    case kCmdMarkMenu: {
        if (saidNoVideo(kind)) {
            return;
        }
        const auto p = video(kind);
        if (code == kCmdPlay) {
            p->mmPlay.play();
        } else if (code == kCmdPause) {
            p->mmPlay.pause();
        } else if (code == kCmdStop) {
            goToStart(*p);
        } else {
            mark(*p);
        }
        return;
    }
    case kCmdAppendRow:
    case kCmdInsertRow:
    case kCmdDeleteRow:
    case kCmdDeleteSelected:
        return rowCommand(kind, code);
    case kCmdSaveAs:
        return saveAs();
    case kCmdSave:
        return save();
    case kCmdExport:
        return exportData();
    case kCmdOpenMedia:
        return openMedia(kind);
    default:
        services_.dialogs.messageBox("You pressed " + std::to_string(code), kProgramTitle, Buttons::OK,
                                     Icon::None);
    }
}

// The player of the chosen window while a video is open in it; a window that is not
// loaded has no video, and asking never loads it.
std::optional<CodingCommands::Player> CodingCommands::video(PlayerKind kind) {
    if (g_.open.gVideoOpen == kFalse) {
        return std::nullopt;
    }
    platform::MediaPlayer* player = players_.player(kind);
    if (!player) {
        return std::nullopt;
    }
    return Player{*player, kind, differencesOf(kind)};
}

bool CodingCommands::saidNoVideo(PlayerKind kind) {
    if (video(kind)) {
        return false;
    }
    services_.dialogs.messageBox("No video file is open", kProgramTitle, Buttons::OK, Icon::Information);
    return true;
}

void CodingCommands::rowCommand(PlayerKind kind, int code) {
    const IntervalTimes times{g_.settings, worksInFrames(kind, g_.settings)};
    switch (code) {
    case kCmdAppendRow:
        appendRow(g_.data, times);
        break;
    case kCmdInsertRow:
        if (!insertRow(g_.data, grid_.Row(), times)) {
            return;
        }
        window_.FG1.insertRow(grid_.Row());
        break;
    case kCmdDeleteRow:
        if (!deleteRow(g_.data, grid_.Row())) {
            return;
        }
        window_.FG1.eraseRow(grid_.Row());
        break;
    default: {
        std::vector<int> selected = grid_.selectedRows();
        deleteRows(g_.data, selected);
        // Erased from the last up, so the rows still to go keep their numbers.
        std::sort(selected.begin(), selected.end());
        selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
        for (auto row = selected.rbegin(); row != selected.rend(); ++row) {
            window_.FG1.eraseRow(*row);
        }
        break;
    }
    }
    grid_.refresh();
}

void CodingCommands::FG1_AltClick(int row) {
    grid_.setRow(row);
    ControlSub(kCmdMark);
}

void CodingCommands::FG1_CtrlClick(int row) {
    grid_.setRow(row);
    ControlSub(kCmdSeek);
}

std::optional<std::string> CodingCommands::currentTimeText() {
    const PlayerKind kind = chosenPlayer(g_.settings);
    const auto p = video(kind);
    if (!p) {
        return std::nullopt;
    }
    return markText(p->mmPlay, readMark(p->mmPlay), kind, g_.settings);
}

void CodingCommands::seekToTime(const std::string& time) {
    const PlayerKind kind = chosenPlayer(g_.settings);
    try {
        if (const auto p = video(kind)) {
            seekRow(*p, time);
        }
    } catch (const textfile::RunError& e) {
        reportFailure(e.number(), e.description());
    } catch (const std::exception& e) {
        reportFailure(0, e.what());
    }
}

void CodingCommands::notAvailable(const std::string& what) {
    platform::sayNotAvailable(services_.dialogs, "The " + what, kProgramTitle);
}

} // namespace vc
