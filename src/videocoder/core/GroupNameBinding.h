#pragma once
// What the code-set editor's group grid (rows 1 to 49, column 1) shows and edits: the
// names of code groups 0 to 48, wherever the program keeps them. The grid is a view over
// the binding, so opening and saving a code set never copy names in and out of it; each
// program that shows the editor implements the binding over its own store.

#include <string>

namespace vc {

inline constexpr int kBoundGroupNames = 49;

class GroupNameBinding {
public:
    virtual std::string groupName(int group) const = 0;
    virtual void setGroupName(int group, const std::string& name) = 0;

protected:
    ~GroupNameBinding() = default;
};

} // namespace vc
