#pragma once
// The workstation's side of the code-set editor's group grid: GroupNames of the current
// code set, read and edited in place.

#include "videocoder/core/GroupNameBinding.h"
#include "workstation/core/CodeSet.h"

namespace ws {

class CodeSetGroupNames : public vc::GroupNameBinding {
public:
    explicit CodeSetGroupNames(CodeSet& set) : set_(set) {}
    std::string groupName(int group) const override {
        return set_.GroupNames.at(static_cast<std::size_t>(group));
    }
    void setGroupName(int group, const std::string& name) override {
        set_.GroupNames.at(static_cast<std::size_t>(group)) = name;
    }

private:
    CodeSet& set_;
};

} // namespace ws
