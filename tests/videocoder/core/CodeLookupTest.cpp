// The index of a code set finds what FindCode's walk finds: random sets with repeated codes
// and descriptions, blanks and numbers, asked for every text they hold and some they do not.
#include "videocoder/core/CodeLookup.h"
#include "videocoder/core/CodeSetFile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using textfile::Value;

TEST(CodeLookup, FindsTheCodeFindCodeFinds) {
    const std::vector<std::string> texts = {"a", "b", " a ", "", "  ", "Look", "look", "7", "c d", "\xe9"};
    std::mt19937 random(13);
    for (int round = 0; round < 300; ++round) {
        vc::CodeSet set;
        const int codes = static_cast<int>(random() % 12);
        set.gCodes.reset(vc::kCodeFields, codes + static_cast<int>(random() % 2));
        set.gCodeCount = codes + static_cast<int>(random() % 3) - 1; // at, below or past the rows held
        for (int code = 1; code <= set.gCodes.rows(); ++code) {
            for (int field = 1; field <= 2; ++field) {
                set.gCodes.at(field, code) =
                    random() % 6 == 0 ? Value::ofNumber(7) : Value::ofText(texts[random() % texts.size()]);
            }
        }
        const vc::CodeLookup lookup(set);
        for (const std::string& text : texts) {
            EXPECT_EQ(lookup.find(text), vc::FindCode(set, text)) << round << " [" << text << "]";
        }
    }
}

} // namespace
