#include "platform/qt/QtDialogs.h"

#include <gtest/gtest.h>

#include <QString>

#include <string>
#include <vector>

namespace {

TEST(QtDialogsFilter, CommonDialogFiltersBecomeQtNameFilters) {
    struct Case {
        std::string filter;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"TALVOR/Vintrosa Code files (*.cod)|*.cod|All Files (*.*)|*.*",
         "TALVOR/Vintrosa Code files (*.cod);;All Files (*)"},
        {"Event Files|*.eve", "Event Files (*.eve)"},
        {"Data (*.eve;*.qvd)|*.eve;*.qvd", "Data (*.eve *.qvd)"},
        {"Lists (*.lst)|*.lst|dangling", "Lists (*.lst)"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::qt::qtFilter(c.filter).toStdString(), c.expected) << c.filter;
    }
}

} // namespace
