#include "videocoder/core/CodingWindowClose.h"

#include "videocoder/core/CodeSetFile.h"
#include "videocoder/core/DataFile.h"

namespace vc {

bool closeCodingWindow(Globals& g, CoderLinks& links) {
    CodingWindowPort& window = links.dataFrm.port();
    window.storePosition();
    if (!window.exitWithoutSaving() && dataChanged(g, links) && !SaveDataFile(g, links)) {
        return false;
    }
    discardCodingWindow(g, links);
    return true;
}

void discardCodingWindow(Globals& g, CoderLinks& links) {
    g.data.gFileName.clear();
    g.data.unconfirmedName.clear();
    g.data.baseline.clear();
    g.data.lock.unlock();
    g.open.gDataOpen = kFalse;
    ResetEventArray(g.data);
    unloadCodeEditor(g, links);
    links.dataFrm.resetToLoadTime(g);
    links.dataFrm.port().unload();
    links.dataFrm.markUnloaded();
}

void AutoSaveTimer_Timer(Globals& g, CoderLinks& links) {
    if (!g.data.gFileName.empty() && dataChanged(g, links)) {
        SaveDataFile(g, links);
    }
}

} // namespace vc
