// The one guard round a handler: each kind of failure becomes the window's box, and the
// program goes on.
#include "platform/HandlerGuard.h"

#include "support/ScriptedPlatform.h"
#include "textfile/RunError.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

namespace {

using platform::Icon;

TEST(HandlerGuard, EachFailureIsShownInTheWindowsBox) {
    struct Case {
        const char* name;
        platform::FailureBox box;
        std::function<void()> handler;
        std::string text;
    };
    const Case cases[] = {
        {"run-time error",
         {"VTRS Error"},
         [] { throw textfile::RunError(53, "File not found"); },
         "File not found"},
        {"numbered run-time error",
         {"TALVOR", Icon::None, "", true},
         [] { throw textfile::RunError(53, "File not found"); },
         "Error 53: File not found"},
        {"lead before the words",
         {"VTRS Error", Icon::Critical, "Error in video control:"},
         [] { throw textfile::RunError(5, "Invalid procedure call"); },
         "Error in video control:Invalid procedure call"},
        {"other failure", {"Error!"}, [] { throw std::logic_error("not attached"); }, "not attached"},
        {"out of memory", {"VTRS Error"}, [] { throw std::bad_alloc(); }, "Out of memory"},
        {"anything else", {"VTRS Error"}, [] { throw 42; }, "Unknown error"},
    };
    for (const Case& c : cases) {
        testsupport::ScriptedDialogs dialogs;
        platform::guardHandler(dialogs, c.box, c.handler);
        ASSERT_EQ(dialogs.boxes.size(), 1u) << c.name;
        EXPECT_EQ(dialogs.boxes[0].text, c.text) << c.name;
        EXPECT_EQ(dialogs.boxes[0].title, c.box.title) << c.name;
        EXPECT_EQ(dialogs.boxes[0].icon, c.box.icon) << c.name;
        EXPECT_EQ(dialogs.boxes[0].buttons, platform::Buttons::OK) << c.name;
    }
}

TEST(HandlerGuard, AHandlerThatSucceedsShowsNothing) {
    testsupport::ScriptedDialogs dialogs;
    bool ran = false;
    platform::guardHandler(dialogs, {"VTRS Error"}, [&ran] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_TRUE(dialogs.boxes.empty());
}

} // namespace
