#include "platform/qt/XdgFileTypes.h"
#include "platform/DesktopFiles.h"
#include "support/ScratchFolder.h"
#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

platform::FileTypeRegistration qvd(const std::string& program) {
    return {".qvd", "Vintrosa.Document", "Vintrosa Document", "application/x-vintrosa-document", program};
}

struct Homes {
    testsupport::ScratchFolder scratch;
    testsupport::RecordingLauncher launcher;
    std::string data = scratch.file("data");
    std::string config = scratch.file("config");
    platform::qt::XdgFileTypes fileTypes{data, config, launcher};

    std::string read(const std::string& path) { return textfile::readWholeFile(path); }
    std::string package() { return read(data + "/mime/packages/vintrosa-document.xml"); }
    std::string entry() { return read(data + "/applications/vintrosa-document.desktop"); }
    std::string mimeapps() { return read(config + "/mimeapps.list"); }
};

TEST(XdgFileTypes, WritesThePackageTheEntryAndTheDefaultThenRebuildsTheCaches) {
    Homes h;
    h.fileTypes.registerType(qvd("/opt/coder/Vintrosa"));

    EXPECT_EQ(h.package(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                           "  <mime-type type=\"application/x-vintrosa-document\">\n"
                           "    <comment>Vintrosa Document</comment>\n"
                           "    <glob pattern=\"*.qvd\"/>\n"
                           "  </mime-type>\n"
                           "</mime-info>\n");
    EXPECT_EQ(h.entry(), "[Desktop Entry]\n"
                         "Type=Application\n"
                         "Name=Vintrosa\n"
                         "Comment=Vintrosa Document\n"
                         "Exec=/opt/coder/Vintrosa %f\n"
                         "MimeType=application/x-vintrosa-document;\n"
                         "NoDisplay=true\n"
                         "Terminal=false\n");
    EXPECT_EQ(h.mimeapps(),
              "[Default Applications]\napplication/x-vintrosa-document=vintrosa-document.desktop\n");
    const std::vector<std::vector<std::string>> started = {
        {"update-mime-database", h.data + "/mime"}, {"update-desktop-database", h.data + "/applications"}};
    EXPECT_EQ(h.launcher.started, started);
}

TEST(XdgFileTypes, RunningTwiceGivesTheSameFilesAndAMovedProgramIsFollowed) {
    Homes h;
    fs::create_directories(h.config);
    textfile::saveFileAtomically(h.config + "/mimeapps.list",
                                 "[Added Associations]\ntext/plain=editor.desktop;\n");
    h.fileTypes.registerType(qvd("/opt/coder/Vintrosa"));
    const std::string package = h.package(), entry = h.entry(), mimeapps = h.mimeapps();
    h.fileTypes.registerType(qvd("/opt/coder/Vintrosa"));
    EXPECT_EQ(h.package(), package);
    EXPECT_EQ(h.entry(), entry);
    EXPECT_EQ(h.mimeapps(), mimeapps);
    EXPECT_EQ(mimeapps, "[Added Associations]\ntext/plain=editor.desktop;\n\n[Default Applications]\n"
                        "application/x-vintrosa-document=vintrosa-document.desktop\n");

    h.fileTypes.registerType(qvd("/home/kid/new place/Vintrosa"));
    EXPECT_NE(h.entry().find("Exec=\"/home/kid/new place/Vintrosa\" %f\n"), std::string::npos);
    EXPECT_EQ(h.mimeapps(), mimeapps);
}

TEST(XdgFileTypes, AHomeThatCannotBeWrittenIsSilent) {
    Homes h;
    textfile::saveFileAtomically(h.scratch.file("plain-file"), "x");
    platform::qt::XdgFileTypes blocked(h.scratch.file("plain-file"), h.scratch.file("plain-file"),
                                       h.launcher);
    EXPECT_NO_THROW(blocked.registerType(qvd("/opt/coder/Vintrosa")));
    EXPECT_TRUE(h.launcher.started.empty());
}

TEST(DesktopFiles, ExecQuotesThePathByTheEntryRules) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/opt/Vintrosa", "/opt/Vintrosa"},
        {"/a b/Vintrosa", "\"/a b/Vintrosa\""},
        {"/a\"b/$x/`y`", "\"/a\\\\\"b/\\\\$x/\\\\`y\\\\`\""},
        {"/a\\b", "\"/a\\\\\\\\b\""},
        {"/100%/V", "/100%%/V"},
        {"/a'b/V", "\"/a'b/V\""},
    };
    for (const auto& [path, exec] : cases) {
        EXPECT_EQ(platform::desktopExecProgram(path), exec) << path;
    }
}

TEST(DesktopFiles, DefaultApplicationChangesOnlyItsOwnLine) {
    const std::string ours = "application/x-vintrosa-document=vintrosa-document.desktop";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "[Default Applications]\n" + ours + "\n"},
        {"[Default Applications]\ntext/plain=ed.desktop\n",
         "[Default Applications]\n" + ours + "\ntext/plain=ed.desktop\n"},
        {"[Default Applications]\napplication/x-vintrosa-document = old.desktop\ntext/plain=ed.desktop",
         "[Default Applications]\n" + ours + "\ntext/plain=ed.desktop"},
        {"[Default Applications]\r\napplication/x-vintrosa-document=old.desktop\r\n",
         "[Default Applications]\r\n" + ours + "\r\n"},
        {"[Added Associations]\napplication/x-vintrosa-document=other.desktop\n[Default Applications]\n",
         "[Added Associations]\napplication/x-vintrosa-document=other.desktop\n[Default Applications]\n" +
             ours + "\n"},
        {"# mine\n[Removed Associations]\n",
         "# mine\n[Removed Associations]\n\n[Default Applications]\n" + ours + "\n"},
    };
    for (const auto& [before, after] : cases) {
        EXPECT_EQ(platform::withDefaultApplication(before, "application/x-vintrosa-document",
                                                   "vintrosa-document.desktop"),
                  after)
            << before;
    }
}

} // namespace
