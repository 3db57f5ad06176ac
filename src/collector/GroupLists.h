#pragma once
// The collector's ten group lists as data: which group each list holds, its codes, the
// code it shows, whether it is shown and where. The window mirrors this into its lists.

#include "platform/Dialogs.h"
#include "workstation/core/Global.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace collector {

inline constexpr int kGroupLists = 10;

struct GroupList {
    std::vector<std::string> items;
    int selected = -1; // index into items; -1 none
    bool shown = false;
    int left = 0, top = 0; // twips
    std::string shownText() const;
};

class GroupLists {
public:
    GroupLists();

    // Lists 1..10; index 0 is unused so the numbers read as the window's list numbers.
    GroupList& list(int k) { return lists_.at(k); }
    const GroupList& list(int k) const { return lists_.at(k); }

    // Builds the lists from the code table; stage failures and more than ten groups are
    // reported through dialogs under `title`. Bumps generation() when the items change.
    void FillCombos(const ws::Global& g, platform::Dialogs& dialogs, const std::string& title);
    // The first list (1..10) that holds the group, or 0.
    int listOfGroup(std::int16_t group) const;
    // The item of list k that equals the code, or -1.
    int itemOf(int k, const std::string& code) const;

    std::array<std::int16_t, kGroupLists + 1> LevelList{};
    std::int16_t NumLevels = 0;
    // Changes whenever the items of the lists are rebuilt.
    int generation() const { return generation_; }

private:
    std::array<GroupList, kGroupLists + 1> lists_;
    int generation_ = 0;
};

// The group (field 3) of a code-table row as a 16-bit integer; RunError 13 or 6 when it is
// not a number or out of range.
std::int16_t groupOfRow(const ws::Global& g, int row);

} // namespace collector
