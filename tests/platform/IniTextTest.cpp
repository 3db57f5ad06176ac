#include "platform/IniText.h"

#include <gtest/gtest.h>

#include <string>

namespace platform {
namespace {

// Files the Qt settings library wrote for earlier versions, and files edited by hand.
TEST(IniText, ReadsQtWrittenAndHandEditedFiles) {
    const IniText ini = IniText::parse("; comment\r\n"
                                       "[Collection%20Settings]\r\n"
                                       "SessionDuration = 12.5 \r\n"
                                       "[StartUp]\n"
                                       "Code_File=\"  /data/kid, 1.cod  \"\n"
                                       "Text_Editor=\"say \\\"hi\\\"\\\\now\"\n"
                                       "Latin=@ByteArray(caf\\xe9)\n"
                                       "At=@@home\n"
                                       "Tab=a\\tb\n"
                                       "no equals sign here\n");
    const auto value = [&](const char* section, const char* name) {
        const std::string* v = ini.find(section, name);
        return v == nullptr ? std::string("<none>") : *v;
    };
    EXPECT_EQ(value("Collection Settings", "SessionDuration"), "12.5");
    EXPECT_EQ(value("StartUp", "Code_File"), "  /data/kid, 1.cod  ");
    EXPECT_EQ(value("StartUp", "Text_Editor"), "say \"hi\"\\now");
    EXPECT_EQ(value("StartUp", "Latin"), "caf\xc3\xa9");
    EXPECT_EQ(value("StartUp", "At"), "@home");
    EXPECT_EQ(value("StartUp", "Tab"), "a\tb");
    EXPECT_EQ(value("StartUp", "Missing"), "<none>");
}

// A file saved by an editor that ends lines in CR alone reads as the same file with LF.
TEST(IniText, EveryLineEndReadsTheSameValues) {
    const std::string lines[] = {"[StartUp]",       "Code_File=/data/kids.cod", "; note",
                                 "WindowState = 2", "[VTRS%20Settings]",        "CG_7=\"a\\rb\""};
    for (const char* lineEnd : {"\r\n", "\n", "\r"}) {
        std::string bytes;
        for (const std::string& line : lines) {
            bytes += line + lineEnd;
        }
        const IniText ini = IniText::parse(bytes);
        const auto value = [&](const char* section, const char* name) {
            const std::string* v = ini.find(section, name);
            return v == nullptr ? std::string("<none>") : *v;
        };
        EXPECT_EQ(value("StartUp", "Code_File"), "/data/kids.cod") << int(lineEnd[1]);
        EXPECT_EQ(value("StartUp", "WindowState"), "2") << int(lineEnd[1]);
        EXPECT_EQ(value("VTRS Settings", "CG_7"), "a\rb") << int(lineEnd[1]);
        EXPECT_EQ(ini.sections().size(), 2u);
    }
}

// Whatever bytes a value holds, it reads back as it was written, and the names keep theirs.
TEST(IniText, EveryValueComesBackByteForByte) {
    std::string everyByte;
    for (int b = 0; b < 256; ++b) {
        everyByte += static_cast<char>(b);
    }
    const std::vector<std::string> values = {
        everyByte,     "",        "  blanks  ",  "\"quoted\"", "@ByteArray(x)",         "@at", "a;b#c=d",
        "back\\slash", "caf\xe9", "line\r\nend", "0",          "/home/kid/OSTRAVEL.ini"};
    IniText ini;
    for (std::size_t i = 0; i < values.size(); ++i) {
        ini.set("Odd [section] %20", "name " + std::to_string(i) + "=", values[i]);
    }
    const IniText again = IniText::parse(ini.format());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string* v = again.find("Odd [section] %20", "name " + std::to_string(i) + "=");
        ASSERT_NE(v, nullptr) << i;
        EXPECT_EQ(*v, values[i]) << i;
    }
    EXPECT_EQ(again.format(), ini.format());
}

TEST(IniText, SetReplacesInPlaceAndAddsAtTheEnd) {
    IniText ini = IniText::parse("[A]\nx=1\ny=2\n[B]\nz=3\n");
    ini.set("A", "x", "10");
    ini.set("A", "w", "4");
    ini.set("C", "v", "5");
    EXPECT_EQ(ini.format(), "[A]\nx=10\ny=2\nw=4\n\n[B]\nz=3\n\n[C]\nv=5\n");
}

} // namespace
} // namespace platform
