#include "videocoder/core/CodingWindowClose.h"

#include "videocoder/core/CodeSetFile.h"
#include "videocoder/core/DataFile.h"

namespace vc {

bool closeCodingWindow(Globals& g, CoderLinks& links) {
    if (!SaveDataFile(g, links)) {
        return false;
    }
    g.data.gFileName.clear();
    g.open.gDataOpen = kFalse;
    ResetEventArray(g.data);
    unloadCodeEditor(g, links);
    links.dataFrm.port().unload();
    links.dataFrm.markUnloaded();
    return true;
}

void AutoSaveTimer_Timer(Globals& g, CoderLinks& links) {
    if (!g.data.gFileName.empty()) {
        SaveDataFile(g, links);
    }
}

} // namespace vc
