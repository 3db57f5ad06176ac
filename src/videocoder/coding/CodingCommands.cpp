#include "videocoder/coding/CodingCommands.h"

namespace vc {

CodingCommands::CodingCommands(Globals& g, CodingWindowModel& window, CoderLinks& coder,
                               const PlayerLinks& players, CommandServices services, CommandGrid& grid,
                               CommandLinks links)
    : g_(g), window_(window), coder_(coder), players_(players), services_(services), grid_(grid),
      links_(std::move(links)) {}

void CodingCommands::ControlSub(int) {}
void CodingCommands::ControlSub2(int) {}
void CodingCommands::ControlSub3(int) {}
void CodingCommands::FG1_AltClick(int) {}
void CodingCommands::FG1_CtrlClick(int) {}
std::optional<std::string> CodingCommands::currentTimeText() {
    return std::nullopt;
}
void CodingCommands::seekToTime(const std::string&) {}

} // namespace vc
