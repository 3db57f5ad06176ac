#include "workstation/core/DescriptionLookup.h"

namespace ws {

const std::string& DescriptionLookup::codeOf(const std::string& text) {
    if (text.empty()) {
        none_.clear();
        return none_; // a blank cell: no code and no warning
    }
    if (const auto known = found_.find(text); known != found_.end()) {
        return known->second;
    }
    std::string code = CodeFromDescription(codeSet_, text, importedFile_, warn_);
    if (code.empty()) {
        none_.clear();
        return none_;
    }
    return found_.emplace(text, std::move(code)).first->second;
}

} // namespace ws
