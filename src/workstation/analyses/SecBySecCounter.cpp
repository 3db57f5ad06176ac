#include "workstation/analyses/SecBySecCounter.h"

#include "textfile/RunError.h"

#include <algorithm>
#include <limits>
#include <span>

namespace ws {
namespace {

// The first place of `text` among the values, or -1.
std::int64_t placeOf(const std::vector<std::string>& values, const std::string& text) {
    const auto found = std::find(values.begin(), values.end(), text);
    return found == values.end() ? -1 : found - values.begin();
}

} // namespace

SecBySecCounter::SecBySecCounter(const CodeCombinations& combos, const CodeSet& set) : combos_(combos) {
    for (int c = 1; c <= combos.CodeGroupCount; ++c) {
        for (int k = 1; k <= combos.SelectedGroups[0]; ++k) {
            if (combos.SelectedGroups[static_cast<std::size_t>(k)] ==
                combos.CodeGroups[static_cast<std::size_t>(c)]) {
                chosenColumns_.push_back(c - 1);
            }
        }
    }
    // Equal texts name the same combination, so a code takes the place of the first value
    // equal to it. An empty code drops out of the joined text: the places cannot stand for it.
    const int chosen = combos.SelectedGroups[0];
    if (static_cast<int>(combos.valuesByGroup.size()) != chosen + 1 ||
        static_cast<int>(chosenColumns_.size()) != chosen) {
        return; // no places: every record goes the text way
    }
    rowsPerGroup_ = static_cast<std::size_t>(std::max<int>(set.NumCodes, 0)) + 1;
    weightedPlaceOfRow_.assign(static_cast<std::size_t>(chosen) * rowsPerGroup_, -1);
    std::int64_t weight = 1;
    for (int k = chosen; k >= 1; --k) {
        const std::vector<std::string>& values = combos.valuesByGroup[static_cast<std::size_t>(k)];
        const std::span<std::int64_t> places(
            weightedPlaceOfRow_.data() + static_cast<std::size_t>(k - 1) * rowsPerGroup_, rowsPerGroup_);
        places[0] = placeOf(values, kNoneValue) * weight;
        for (int row = 1; row <= set.NumCodes; ++row) {
            const std::string& code = set.CodeTable.code(row);
            const std::int64_t place = code.empty() ? -1 : placeOf(values, code);
            if (set.CodeTable.group(row) == combos.SelectedGroups[static_cast<std::size_t>(k)] &&
                place >= 0) {
                places[static_cast<std::size_t>(row)] = place * weight;
            }
        }
        weight *= static_cast<std::int64_t>(values.size());
    }
}

bool SecBySecCounter::count(const SecBySecStates& states, const SecBySecRows& rows,
                            std::vector<std::int32_t>& counts, std::int32_t units) {
    if (weightedPlaceOfRow_.empty()) {
        return count(states, counts, units);
    }
    std::int64_t number = 0;
    const std::int64_t* places = weightedPlaceOfRow_.data();
    for (const int column : chosenColumns_) {
        const auto row = static_cast<std::size_t>(rows[static_cast<std::size_t>(column)]);
        if (row >= rowsPerGroup_ || places[row] < 0) {
            return count(states, counts, units);
        }
        number += places[row];
        places += rowsPerGroup_;
    }
    add(counts, combos_.entryOfPlaces[static_cast<std::size_t>(number)], units);
    return true;
}

bool SecBySecCounter::count(const SecBySecStates& states, std::vector<std::int32_t>& counts,
                            std::int32_t units) {
    text_.clear();
    for (const int column : chosenColumns_) {
        const std::string& value = *states[static_cast<std::size_t>(column)];
        if (!value.empty()) {
            text_ += '/';
            text_ += value;
        }
    }
    if (!text_.empty() && text_.front() == '/') {
        text_.erase(0, 1);
    }
    if (!entryOfMade_) {
        entryOfMade_ = true;
        for (int i = combos_.count(); i >= 1; --i) {
            entryOf_[combos_.ComboNames[static_cast<std::size_t>(i)]] = i; // the first equal entry wins
        }
    }
    const auto entry = entryOf_.find(text_);
    if (entry == entryOf_.end()) {
        return false;
    }
    add(counts, entry->second, units);
    return true;
}

} // namespace ws
