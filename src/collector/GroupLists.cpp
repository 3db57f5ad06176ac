#include "collector/GroupLists.h"

#include "textfile/Numeric.h"
#include "textfile/Paths.h"
#include "textfile/RunError.h"

#include <optional>

namespace collector {
namespace {

// Three columns of three rows, column by column; the tenth list opens a fourth column
// beside the seventh instead of lying on top of it.
struct Place {
    int left, top;
};
constexpr std::array<Place, kGroupLists + 1> kPlaces = {{{0, 0},
                                                         {5160, 510},
                                                         {5160, 1010},
                                                         {5160, 1510},
                                                         {6240, 510},
                                                         {6240, 1010},
                                                         {6240, 1510},
                                                         {7320, 510},
                                                         {7320, 1010},
                                                         {7320, 1510},
                                                         {8400, 510}}};

// Runs the steps of one stage; a failing step is skipped and the last failure is kept.
class Stage {
public:
    template <class Step> void attempt(Step&& step) {
        try {
            step();
        } catch (const textfile::RunError& error) {
            failure_ = error.description();
        }
    }
    const std::optional<std::string>& failure() const { return failure_; }

private:
    std::optional<std::string> failure_;
};

} // namespace

std::string GroupList::shownText() const {
    return selected >= 0 && selected < static_cast<int>(items.size()) ? items[selected] : std::string();
}

GroupLists::GroupLists() {
    for (int k = 1; k <= kGroupLists; ++k) {
        lists_[k].left = kPlaces[k].left;
        lists_[k].top = kPlaces[k].top;
    }
}

std::int16_t groupOfRow(const ws::Global& g, int row) {
    const textfile::Value& group = g.CodeTable(3, row);
    if (group.isText() && !textfile::isNumeric(group.text)) {
        throw textfile::RunError(textfile::kTypeMismatch);
    }
    return textfile::toInt16(group.asNumber());
}

void GroupLists::FillCombos(const ws::Global& g, platform::Dialogs& dialogs, const std::string& title) {
    const auto report = [&](const std::string& text) {
        dialogs.messageBox(text, title, platform::Buttons::OK, platform::Icon::None);
    };
    for (int k = 1; k <= kGroupLists; ++k) {
        lists_[k].shown = false;
    }
    NumLevels = 0;

    Stage levels;
    for (int row = 1; row <= g.NumCodes; ++row) {
        levels.attempt([&] {
            const std::int16_t group = groupOfRow(g, row);
            for (int k = 1; k <= NumLevels; ++k) {
                if (LevelList[k] == group) {
                    return;
                }
            }
            ++NumLevels;
            if (NumLevels > kGroupLists) {
                return;
            }
            LevelList[NumLevels] = group;
        });
        if (NumLevels > kGroupLists) {
            report("Can only have 10 levels, fix the Code file");
            return;
        }
    }
    if (levels.failure()) {
        report("1 " + *levels.failure() + " getting unique levels");
        return;
    }

    for (int i = 1; i < NumLevels; ++i) {
        for (int j = i + 1; j <= NumLevels; ++j) {
            if (LevelList[i] > LevelList[j]) {
                textfile::SwapValues(LevelList[i], LevelList[j]);
            }
        }
    }
    for (int k = 1; k <= NumLevels; ++k) {
        lists_[k].shown = true;
        lists_[k].top = kPlaces[k].top;
    }

    ++generation_;
    for (int k = 1; k <= kGroupLists; ++k) {
        lists_[k].items.clear();
        lists_[k].selected = -1;
    }
    // Every group of the table has its list now, so the group of each row converts.
    for (int row = 1; row <= g.NumCodes; ++row) {
        const int k = listOfGroup(groupOfRow(g, row));
        if (k > 0) {
            lists_[k].items.push_back(g.CodeTable.code(row));
        }
    }
    for (int k = 1; k <= NumLevels; ++k) {
        lists_[k].selected = lists_[k].items.empty() ? -1 : 0;
    }
}

int GroupLists::listOfGroup(std::int16_t group) const {
    for (int k = 1; k <= kGroupLists; ++k) {
        if (LevelList[k] == group) {
            return k;
        }
    }
    return 0;
}

int GroupLists::itemOf(int k, const std::string& code) const {
    const std::vector<std::string>& items = lists_.at(k).items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == code) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace collector
