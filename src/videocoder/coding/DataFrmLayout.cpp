#include "videocoder/coding/DataFrmLayout.h"

namespace vc {

DataFrmLayout layOutDataFrm(double windowWidth, double windowHeight, double toolbarHeight,
                            double buttonHeight, bool events) {
    DataFrmLayout layout;
    const TwipsRect tabs{50, toolbarHeight, windowWidth - 100, windowHeight - toolbarHeight};
    const TwipsRect panel{50, tabs.top + 300, tabs.width - 200, tabs.height - 1200};
    layout.placements.push_back({DataFrmControl::TS1, tabs});
    layout.placements.push_back({DataFrmControl::HeaderPanel, panel});
    layout.placements.push_back({DataFrmControl::DataPanel, panel});
    if (events) {
        layout.placements.push_back({DataFrmControl::FG1, {50, 100, panel.width - 100, panel.height - 220}});
        return layout;
    }
    layout.codeList = true;
    const double w = panel.width;
    const TwipsRect grid{0, 100, 2 * w / 3, panel.height};
    const double listTop = buttonHeight + 100;
    layout.placements.push_back({DataFrmControl::FG1, grid});
    layout.placements.push_back(
        {DataFrmControl::List1, {2 * w / 3 + 50, listTop, w / 3 - 150, grid.height - listTop}});
    layout.placements.push_back(
        {DataFrmControl::AddCodeBtn, {2 * w / 3 + 50, 100, w / 3 - 150, buttonHeight}});
    return layout;
}

bool impossible(const TwipsRect& rect) {
    return rect.width < 0 || rect.height < 0;
}

} // namespace vc
