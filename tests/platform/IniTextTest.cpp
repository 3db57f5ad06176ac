#include "platform/IniText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

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
        return std::string(ini.find(section, name).value_or("<none>"));
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
            return std::string(ini.find(section, name).value_or("<none>"));
        };
        EXPECT_EQ(value("StartUp", "Code_File"), "/data/kids.cod") << int(lineEnd[1]);
        EXPECT_EQ(value("StartUp", "WindowState"), "2") << int(lineEnd[1]);
        EXPECT_EQ(value("VTRS Settings", "CG_7"), "a\rb") << int(lineEnd[1]);
        EXPECT_EQ(ini.sectionCount(), 2u);
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
        const auto v = again.find("Odd [section] %20", "name " + std::to_string(i) + "=");
        ASSERT_TRUE(v.has_value()) << i;
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

// Over random files with repeated sections and names, encoded names, quoted values, headings
// without values and every line end, the file reads as a plain list would hold it: sections
// and names in the order first met, a name set again holding its last value in its first
// place. Its values, their order and its saved form are those of the same values set one by one.
TEST(IniText, RandomFilesReadAsThePlainList) {
    const std::vector<std::string> sections = {"StartUp", "Odd Section", "A"};
    const std::vector<std::string> names = {"Code_File", "Column1Width", "x", "a b", "CG_7"};
    const std::vector<std::string> values = {"1", "", "/data/kid.cod", "say \"hi\"", "a;b", "  blanks  "};
    const auto encoded = [](const std::string& text) { // as a hand-edited file may hold it
        std::string out;
        for (const char c : text) {
            out += c == ' ' ? std::string("%20") : std::string(1, c);
        }
        return out;
    };
    const auto quoted = [](const std::string& value) {
        std::string out = "\"";
        for (const char c : value) {
            out += c == '"' || c == '\\' ? std::string("\\") + c : std::string(1, c);
        }
        return out + "\"";
    };
    using Values = std::vector<std::pair<std::string, std::string>>;
    std::mt19937 random(20261214);
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const char* lineEnd = round % 3 == 0 ? "\r\n" : round % 3 == 1 ? "\n" : "\r";
        std::string file;
        std::vector<std::pair<std::string, Values>> plain;
        IniText setOneByOne;
        std::string section = "General";
        for (int line = static_cast<int>(random() % 40); line > 0; --line) {
            const unsigned kind = random() % 10;
            if (kind == 0) {
                section = sections[random() % sections.size()];
                file += "[" + encoded(section) + "]" + lineEnd;
                continue;
            }
            if (kind == 1) {
                file += std::string(random() % 2 == 0 ? "; note" : "no equals sign") + lineEnd;
                continue;
            }
            const std::string& name = names[random() % names.size()];
            const std::string& value = values[random() % values.size()];
            file += encoded(name) + " = " + quoted(value) + lineEnd;
            auto s =
                std::find_if(plain.begin(), plain.end(), [&](const auto& p) { return p.first == section; });
            if (s == plain.end()) {
                s = plain.insert(plain.end(), {section, {}});
            }
            auto v = std::find_if(s->second.begin(), s->second.end(),
                                  [&](const auto& p) { return p.first == name; });
            if (v == s->second.end()) {
                s->second.emplace_back(name, value);
            } else {
                v->second = value;
            }
            setOneByOne.set(section, name, value);
        }
        const IniText read = IniText::parse(file);
        std::vector<std::pair<std::string, Values>> listed;
        read.forEachValue([&](std::string_view s, std::string_view n, std::string_view v) {
            if (listed.empty() || listed.back().first != s) {
                listed.emplace_back(std::string(s), Values{});
            }
            listed.back().second.emplace_back(std::string(n), std::string(v));
        });
        ASSERT_EQ(listed, plain);
        for (const std::string& s : sections) {
            for (const std::string& n : names) {
                const auto found = read.find(s, n);
                EXPECT_EQ(found.has_value(), setOneByOne.find(s, n).has_value()) << s << "/" << n;
                if (found) {
                    EXPECT_EQ(*found, *setOneByOne.find(s, n)) << s << "/" << n;
                }
            }
        }
        EXPECT_EQ(read.format(), setOneByOne.format());
    }
}

} // namespace
} // namespace platform
