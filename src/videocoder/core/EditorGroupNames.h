#pragma once
// The video coder's side of the code-set editor's group grid: the group descriptions,
// which live with the editor. Reading or writing one loads the editor as the grid does.

#include "videocoder/core/GroupDescriptions.h"
#include "videocoder/core/GroupNameBinding.h"

namespace vc {

class EditorGroupNames : public GroupNameBinding {
public:
    EditorGroupNames(Globals& g, GroupDescriptions& descriptions) : g_(g), descriptions_(descriptions) {}
    std::string groupName(int group) const override { return descriptions_.at(g_, group); }
    void setGroupName(int group, const std::string& name) override { descriptions_.at(g_, group) = name; }

private:
    Globals& g_;
    GroupDescriptions& descriptions_;
};

} // namespace vc
