#include "videocoder/core/GroupDescriptions.h"

#include "textfile/RunError.h"

namespace vc {

void GroupDescriptions::touch(Globals& g) {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    CodeSet& c = g.codeSet;
    if (c.gCodeCount == 0) {
        c.gCodeCount = 1;
        c.gCodes.reset(kCodeFields, 1);
    }
    g.open.gCodeOpen = kTrue;
}

std::string& GroupDescriptions::at(Globals& g, int group) {
    if (group < 0 || group >= kCodeGroups) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
    touch(g);
    return descriptions_[static_cast<std::size_t>(group)];
}

void GroupDescriptions::unload(Globals& g) {
    if (loaded_ && onUnload_) {
        onUnload_();
    }
    descriptions_.fill({});
    loaded_ = false;
    g.open.gCodeOpen = kFalse;
}

} // namespace vc
