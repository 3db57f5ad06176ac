#include "platform/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(CommandLine, SplitsAtBlanksAndKeepsQuotedBlanks) {
    struct Case {
        std::string line;
        std::vector<std::string> words;
    };
    const std::vector<Case> cases = {
        {"xdg-open", {"xdg-open"}},
        {"  gedit   --new-window ", {"gedit", "--new-window"}},
        {"\"/opt/my editor/run\" -x", {"/opt/my editor/run", "-x"}},
        {"say \"\"\"hi\"\"\"", {"say", "\"hi\""}},
        {"a\"\"b", {"ab"}},
        {"tab\there", {"tab", "here"}},
        {"", {}},
        {"\"unclosed quote", {"unclosed quote"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::splitCommandLine(c.line), c.words) << c.line;
    }
}

} // namespace
