#include "workstation/core/DescriptionLookup.h"

namespace ws {

void DescriptionLookup::insert(std::size_t found) {
    const std::string& text = found_[found].text;
    slots_.insert(keyOf(text), text.size(), found);
}

const std::string& DescriptionLookup::lookUp(std::string_view text) {
    if (text.empty()) {
        none_.clear();
        return none_; // a blank cell: no code and no warning
    }
    std::string code = CodeFromDescription(codeSet_, text, importedFile_, warn_);
    if (code.empty()) {
        none_.clear();
        return none_;
    }
    found_.push_back(Found{std::string(text), std::move(code)});
    if (2 * found_.size() > slots_.capacity()) {
        slots_.reserveFor(found_.size());
        for (std::size_t found = 0; found < found_.size(); ++found) {
            insert(found);
        }
    } else {
        insert(found_.size() - 1);
    }
    return found_.back().code;
}

} // namespace ws
