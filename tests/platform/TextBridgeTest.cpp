#include "platform/qt/TextBridge.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace platform;

TEST(TextBridge, ShowsUtf8AndFallsBackToLatin1) {
    struct Case {
        std::string bytes;
        QString shown;
    };
    const std::vector<Case> cases = {
        {"plain text", QStringLiteral("plain text")}, {"caf\xc3\xa9", QStringLiteral("caf\u00e9")},
        {"caf\xe9", QStringLiteral("caf\u00e9")},     {"\xff\xfe", QStringLiteral("\u00ff\u00fe")},
        {"cut \xc3", QStringLiteral("cut \u00c3")},   {"", QString()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toDisplay(c.bytes), c.shown) << c.bytes;
    }
    EXPECT_EQ(fromDisplay(toDisplay("caf\xc3\xa9")), "caf\xc3\xa9");
}

TEST(TextBridge, MessageLinesBreakAtCrCrLfAndLf) {
    EXPECT_EQ(toDisplayLines("one\rtwo\r\nthree\nfour\r\r"), QStringLiteral("one\ntwo\nthree\nfour\n\n"));
}

} // namespace
