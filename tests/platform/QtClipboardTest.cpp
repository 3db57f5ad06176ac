#include "platform/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

// Bytes put on the clipboard come back as the same bytes, whether they were UTF-8 or not,
// and other programs see the text the widgets show.
TEST(QtClipboard, GivesBackTheBytesPutOnItAndShowsThemAsText) {
    platform::qt::QtClipboard clipboard;
    for (const std::string bytes : {"Hit\tRun\r\nSit", "caf\xc3\xa9", "caf\xe9", ""}) {
        SCOPED_TRACE(bytes);
        clipboard.setText(bytes);
        EXPECT_EQ(clipboard.text(), bytes);
    }
    clipboard.setText("caf\xc3\xa9");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("caf\u00e9"));
    QGuiApplication::clipboard()->setText(QStringLiteral("typed \u00e9"));
    EXPECT_EQ(clipboard.text(), "typed \xc3\xa9");
    clipboard.clear();
    EXPECT_EQ(clipboard.text(), "");
}

} // namespace
