// The pieces of the multi-group analysis without windows: the same-second check, the group
// tree's rules, the combinations, the second-by-second states and the graph's strokes.
#include "AnalTestSupport.h"
#include "support/RecordingCanvas.h"
#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"
#include "textfile/NumberText.h"
#include "textfile/ReportText.h"
#include "textfile/RunError.h"
#include "workstation/analyses/CheckDataFiles.h"
#include "workstation/analyses/CodeCombinations.h"
#include "workstation/analyses/GraphDrawing.h"
#include "workstation/analyses/MultiGroupFreqDur.h"
#include "workstation/analyses/MultiGroupSections.h"
#include "workstation/analyses/SecBySecFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <numeric>
#include <random>
#include <set>
#include <span>

#include <sys/resource.h>

namespace ws {
namespace {

using namespace analtest;

// Slot 1 straight in memory: the records, the end record last.
void loadSlot(Global& g, const std::vector<std::pair<std::string, int>>& records) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        g.EventCodes[i + 1] = records[i].first;
        g.EventTimes[i + 1] = records[i].second;
    }
    g.EventTimes[0] = static_cast<std::int32_t>(records.size());
}

std::vector<std::pair<std::string, int>> slotRecords(const Global& g) {
    std::vector<std::pair<std::string, int>> records;
    for (int i = 1; i <= g.EventTimes[0]; ++i) {
        records.emplace_back(g.EventCodes[static_cast<std::size_t>(i)],
                             g.EventTimes[static_cast<std::size_t>(i)]);
    }
    return records;
}

const std::vector<CodeRow> kCodes = {
    {"Ta", "Talking", 2}, {"Tb", "Babble", 2}, {"Lo", "Looking", 5}, {"Z", "Zero", 0}};

struct SameSecondCase {
    const char* name;
    std::vector<std::pair<std::string, int>> events;
    std::int16_t suppress;
    std::vector<std::pair<std::string, int>> left;
    std::vector<std::string> boxes;
};

TEST(SameSecondCodes, LaterOfTwoSameGroupEventsStays) {
    const std::vector<SameSecondCase> cases = {
        {"one group",
         {{"Ta", 3}, {"Tb", 3}, {"Ta", 3}, {"-500", 9}},
         0,
         {{"Tb", 3}, {"Ta", 3}, {"-500", 9}},
         {"Two codes are in the same Group at the same second\r\n\r\nFile: s.eve\r\nCodes Ta and Tb "
          "Time:3\r\n"
          "Tb will be used\r\n"}},
        {"suppressed", {{"Ta", 3}, {"Tb", 3}, {"-500", 9}}, 1, {{"Tb", 3}, {"-500", 9}}, {}},
        {"two groups", {{"Ta", 3}, {"Lo", 3}, {"-500", 9}}, 0, {{"Ta", 3}, {"Lo", 3}, {"-500", 9}}, {}},
        {"a removal brings the next pair down",
         {{"Ta", 3}, {"Tb", 3}, {"Lo", 3}, {"Lo", 3}, {"-500", 9}},
         1,
         {{"Tb", 3}, {"Lo", 3}, {"-500", 9}},
         {}},
    };
    for (const SameSecondCase& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::ScriptedPlatform sp;
        Global g;
        useCodeTable(g, kCodes);
        loadSlot(g, c.events);
        CheckSameSecondCodes(g, sp.platform, "s.eve", c.suppress);
        EXPECT_EQ(slotRecords(g), c.left);
        std::vector<std::string> shown;
        for (const auto& box : sp.dialogs.boxes) {
            shown.push_back(box.text);
            EXPECT_EQ(box.title, "Warning...");
            EXPECT_EQ(box.icon, platform::Icon::Information);
        }
        EXPECT_EQ(shown, c.boxes);
    }
}

// The tree of kCodes, built as the dialog builds it.
MultilevModel builtTree(Global& g, std::vector<CodeRow> codes = kCodes) {
    useCodeTable(g, codes);
    g.GroupNames[2] = "Talk";
    g.GroupNames[5] = "Look";
    MultilevModel tree;
    EXPECT_TRUE(BuildMultilevTree(g, tree));
    return tree;
}

int nodeOf(const MultilevModel& tree, const std::string& key) {
    for (std::size_t i = 0; i < tree.nodes.size(); ++i) {
        if (tree.nodes[i].key == key) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

TEST(MultilevTree, NodesTextsAndChecks) {
    Global g;
    MultilevModel tree = builtTree(g);
    std::vector<std::string> texts;
    for (const auto& node : tree.nodes) {
        texts.push_back(node.key + "|" + node.text + "|" + std::to_string(node.parent) + "|" +
                        (node.checked ? "x" : ""));
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"L_0|Group 0|-1|", "L_2|Group 2 Talk|-1|",
                                               "L_5|Group 5 Look|-1|", "C_Ta|Ta Talking|1|",
                                               "C_Tb|Tb Babble|1|", "C_Lo|Lo Looking|2|", "C_Z|Z Zero|0|"}));

    // A group's codes follow it; a code's group is checked whichever way the code went.
    const int talk = nodeOf(tree, "L_2"), ta = nodeOf(tree, "C_Ta"), tb = nodeOf(tree, "C_Tb");
    tree.nodes[talk].checked = true;
    NodeCheck(tree, talk);
    EXPECT_TRUE(tree.nodes[ta].checked && tree.nodes[tb].checked);
    tree.nodes[talk].checked = false;
    NodeCheck(tree, talk);
    EXPECT_FALSE(tree.nodes[ta].checked || tree.nodes[tb].checked);
    tree.nodes[ta].checked = true;
    NodeCheck(tree, ta);
    tree.nodes[ta].checked = false;
    NodeCheck(tree, ta);
    EXPECT_TRUE(tree.nodes[talk].checked);
    EXPECT_FALSE(tree.nodes[ta].checked);
}

TEST(MultilevTree, FrequencyOnlyMarks) {
    testsupport::ScriptedPlatform sp;
    Global g;
    MultilevModel tree = builtTree(g);
    const int talk = nodeOf(tree, "L_2"), ta = nodeOf(tree, "C_Ta");
    FreqOnlyClick(tree, ta, sp.dialogs);
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text, "Only whole groups can be marked as frequency only");
    EXPECT_EQ(sp.dialogs.boxes[0].title, "Oops!");
    EXPECT_EQ(tree.nodes[ta].text, "Ta Talking");
    FreqOnlyClick(tree, talk, sp.dialogs);
    EXPECT_EQ(tree.nodes[talk].text, "Group 2 Talk*");
    EXPECT_TRUE(anyFrequencyOnlyMark(tree));
    FreqOnlyClick(tree, talk, sp.dialogs);
    EXPECT_EQ(tree.nodes[talk].text, "Group 2 Talk");
    EXPECT_FALSE(anyFrequencyOnlyMark(tree));
    FreqOnlyClick(tree, -1, sp.dialogs); // nothing selected
    EXPECT_EQ(sp.dialogs.boxes.size(), 1u);

    // A name that ends in "*" is marked from the start; one press takes the mark off.
    g.GroupNames[5] = "Look *";
    ASSERT_TRUE(BuildMultilevTree(g, tree));
    const int look = nodeOf(tree, "L_5");
    EXPECT_TRUE(hasFrequencyOnlyMark(tree.nodes[look].text));
    FreqOnlyClick(tree, look, sp.dialogs);
    EXPECT_EQ(tree.nodes[look].text, "Group 5 Look ");
    EXPECT_FALSE(anyFrequencyOnlyMark(tree));
}

TEST(MultilevTree, DuplicateCodesFailTheBuild) {
    Global g;
    useCodeTable(g, {{"Ta", "Talking", 2}, {"Ta", "Again", 2}});
    MultilevModel tree;
    EXPECT_FALSE(BuildMultilevTree(g, tree));
}

// Builds the combinations with the named groups ticked.
struct Built {
    bool stopped;
    CodeCombinations combos;
    std::vector<std::string> boxes;
};

Built combine(Global& g, MultilevModel tree, const std::vector<std::string>& tickedGroups) {
    for (auto& node : tree.nodes) {
        for (const std::string& group : tickedGroups) {
            if (node.key == "L_" + group) {
                node.checked = true;
            }
        }
    }
    testsupport::ScriptedPlatform sp;
    Built built;
    built.stopped = MakeCodeCombinations(g, tree, sp.dialogs, built.combos);
    for (const auto& box : sp.dialogs.boxes) {
        built.boxes.push_back(box.text);
    }
    return built;
}

std::vector<std::string> namesOf(const CodeCombinations& combos) {
    return {combos.ComboNames.begin() + 1, combos.ComboNames.begin() + 1 + combos.count()};
}

TEST(CodeCombinationsTest, OrderDuplicatesAndGroupNumbers) {
    Global g;
    Built two = combine(g, builtTree(g), {"2", "5"});
    EXPECT_FALSE(two.stopped);
    EXPECT_EQ(namesOf(two.combos),
              (std::vector<std::string>{"Ta/Lo", "Ta/None", "Tb/Lo", "Tb/None", "None/Lo", "None/None"}));
    EXPECT_EQ(two.combos.SelectedGroups, (std::vector<std::int16_t>{2, 2, 5}));

    // A code twice in its group counts once, at its first place.
    Built twice = combine(g, builtTree(g, {{"A", "", 1}, {"B", "", 1}, {"A/", "", 1}}), {"1"});
    EXPECT_EQ(namesOf(twice.combos), (std::vector<std::string>{"A", "B", "A/", "None"}));
    Built dup =
        combine(g, builtTree(g, {{"A", "", 1}, {"B/C", "", 1}, {"B", "", 2}, {"C", "", 2}}), {"1", "2"});
    EXPECT_EQ(namesOf(dup.combos), (std::vector<std::string>{"A/B", "A/C", "A/None", "B/C/B", "B/C/C",
                                                             "B/C/None", "None/B", "None/C", "None/None"}));

    // The node of group 12 chooses group 12, not group 1.
    Built twelve = combine(g, builtTree(g, {{"A", "", 1}, {"X", "", 12}}), {"12"});
    EXPECT_EQ(namesOf(twelve.combos), (std::vector<std::string>{"X", "None"}));
}

// Every choice of one value per chosen group joined by "/", the last group turning fastest;
// a text equal to an earlier one is that one's entry.
struct PlainCombinations {
    std::vector<std::string> names;
    std::vector<std::int32_t> entryOfPlaces;
};

PlainCombinations plainCombinations(const CodeCombinations& combos) {
    PlainCombinations plain;
    const auto& values = combos.valuesByGroup;
    std::vector<std::size_t> at(values.size(), 0);
    for (;;) {
        std::string text;
        for (std::size_t k = 1; k < values.size(); ++k) {
            text += (k > 1 ? "/" : "") + values[k][at[k]];
        }
        const auto found = std::find(plain.names.begin(), plain.names.end(), text);
        plain.entryOfPlaces.push_back(static_cast<std::int32_t>(found - plain.names.begin()) + 1);
        if (found == plain.names.end()) {
            plain.names.push_back(text);
        }
        std::size_t k = values.size() - 1;
        while (k >= 1 && ++at[k] == values[k].size()) {
            at[k--] = 0;
        }
        if (k < 1) {
            return plain;
        }
    }
}

// Over random code sets, some with codes that hold "/" or are named "None" or are empty, the
// combinations are the plain joined texts, equal texts sharing one entry.
TEST(CodeCombinationsTest, EntriesAreThePlainJoinedTexts) {
    const std::vector<std::string> pieces = {"A", "B", "A/", "/B", "", "None", "A/B", "C"};
    std::mt19937 random(20261212);
    for (int round = 0; round < 150; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        std::vector<CodeRow> codes;
        std::set<std::string> taken;
        for (int n = 1 + static_cast<int>(random() % 8); n > 0; --n) {
            std::string code = pieces[random() % pieces.size()];
            if (random() % 2 == 0) {
                code += std::to_string(random() % 3);
            }
            if (taken.insert(code).second) {
                codes.push_back({code, "", 1 + static_cast<int>(random() % 3)});
            }
        }
        Global g;
        std::vector<std::string> ticked;
        for (const char* group : {"1", "2", "3"}) {
            if (random() % 3 != 0) {
                ticked.push_back(group);
            }
        }
        Built built = combine(g, builtTree(g, codes), ticked);
        if (built.stopped) {
            continue; // no group ticked, or none of them used
        }
        const PlainCombinations plain = plainCombinations(built.combos);
        EXPECT_EQ(namesOf(built.combos), plain.names);
        EXPECT_EQ(built.combos.ComboNames.size(), plain.names.size() + 1);
        std::vector<std::int32_t> counts(plain.names.size() + 1, 0);
        counts[0] = static_cast<std::int32_t>(plain.names.size());
        EXPECT_EQ(built.combos.ComboCounts, counts);
        EXPECT_EQ(built.combos.entryOfPlaces, plain.entryOfPlaces);
    }
}

// A text section written straight into its room reads as report text lays it out: each count
// in print form, its combination at column 12 (on a line of its own when the count reaches
// past it), the heading again whenever a page is full; over random counts and page lengths.
TEST(MultiGroupSectionsTest, TextIsTheReportTextLayout) {
    Global g;
    Built built = combine(g, builtTree(g), {"2", "5"});
    ASSERT_FALSE(built.stopped);
    MultilevModel plainTree; // every combination written, zeros too
    plainTree.options.Check7 = 0;
    plainTree.options.Check4 = 0;
    MultiGroupSections sections(built.combos, plainTree);
    const std::vector<std::int32_t> picks = {0,  7,          12345,     123456789, 1234567890,
                                             -5, -123456789, 999999999, INT32_MAX, INT32_MIN};
    std::mt19937 random(20261213);
    for (const int pageLength : {10000, 55, 9, 8, 3}) {
        for (int round = 0; round < 20; ++round) {
            std::vector<std::int32_t> counts(built.combos.ComboCounts.size(), 0);
            for (std::size_t i = 1; i < counts.size(); ++i) {
                counts[i] = picks[random() % picks.size()];
            }
            const std::string text =
                sections.text(counts, "12-11-2026", "  Event File Name: s", "  h", pageLength);
            const std::string rule = std::string(75, '-') + "\r\n";
            const std::string heading = text.substr(0, text.find(rule) + rule.size());
            std::string expected = heading;
            int lines = 7;
            for (std::size_t i = 1; i < counts.size(); ++i) {
                std::string count;
                textfile::appendPrintNumber(count, counts[i]);
                textfile::ReportText row;
                expected += row.text(count).tab(12).text(built.combos.ComboNames[i]).endLine().take();
                if (++lines == pageLength) {
                    expected += heading;
                    lines = 7;
                }
            }
            ASSERT_EQ(text, expected) << "page length " << pageLength;
        }
    }
}

TEST(CodeCombinationsTest, Limits) {
    Global g;
    Built none = combine(g, builtTree(g), {});
    EXPECT_TRUE(none.stopped);
    EXPECT_EQ(none.boxes, (std::vector<std::string>{"Multilevel requires picking at least 1 Group"}));

    std::vector<CodeRow> eleven;
    for (int group = 1; group <= 11; ++group) {
        eleven.push_back({"K" + std::to_string(group), "", group});
    }
    Built tooMany =
        combine(g, builtTree(g, eleven), {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"});
    EXPECT_TRUE(tooMany.stopped);
    EXPECT_EQ(tooMany.boxes, (std::vector<std::string>{"Multilevel can only run up to 10 groups"}));
    Built ten = combine(g, builtTree(g, eleven), {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
    EXPECT_FALSE(ten.stopped);
    EXPECT_EQ(ten.combos.count(), 1024);
    EXPECT_EQ(ten.combos.ComboNames[1], "K1/K2/K3/K4/K5/K6/K7/K8/K9/K10");

    // 99 codes and "None" by 99 codes and "None": exactly 10000; one code more is one too many.
    std::vector<CodeRow> square;
    for (int i = 1; i <= 99; ++i) {
        square.push_back({"A" + std::to_string(i), "", 1});
        square.push_back({"B" + std::to_string(i), "", 2});
    }
    Built exact = combine(g, builtTree(g, square), {"1", "2"});
    EXPECT_FALSE(exact.stopped);
    EXPECT_EQ(exact.combos.count(), 10000);
    square.push_back({"C", "", 2});
    Built over = combine(g, builtTree(g, square), {"1", "2"});
    EXPECT_TRUE(over.stopped);
    EXPECT_EQ(over.boxes, (std::vector<std::string>{"Multilevel can only run up to 10000 combinations"}));
    EXPECT_EQ(over.combos.count(), 10000);

    std::vector<CodeRow> big;
    for (int i = 1; i <= 1000; ++i) {
        big.push_back({"A" + std::to_string(i), "", 1});
    }
    Built tooBig = combine(g, builtTree(g, big), {"1"});
    EXPECT_TRUE(tooBig.stopped);
    EXPECT_EQ(tooBig.boxes, (std::vector<std::string>{"Multilevel can only run up to 999 codes in a group"}));
}

TEST(CodeCombinationsTest, Filter) {
    Global g;
    MultilevModel tree = builtTree(g);
    tree.nodes[nodeOf(tree, "L_2")].checked = true;
    tree.nodes[nodeOf(tree, "C_Ta")].checked = true;
    EXPECT_TRUE(IsCombinationChecked(tree, "Ta/Lo"));
    EXPECT_TRUE(IsCombinationChecked(tree, "XTaY/Lo")); // a plain search in the text
    EXPECT_FALSE(IsCombinationChecked(tree, "Tb/Lo"));
    EXPECT_FALSE(IsCombinationChecked(tree, "Ta/None"));
    tree.options.Check2 = 1;
    EXPECT_TRUE(IsCombinationChecked(tree, "Ta/None"));
    EXPECT_FALSE(IsCombinationChecked(tree, "None/None"));
    tree.options.Check7 = 0;
    EXPECT_TRUE(IsCombinationChecked(tree, "None/None"));
}

TEST(SecBySec, SortKeepsTheExactExchangeOrder) {
    Global g;
    loadSlot(g, {{"a", 2}, {"b", 2}, {"c", 1}});
    SortEventsByTime(g);
    EXPECT_EQ(slotRecords(g), (std::vector<std::pair<std::string, int>>{{"c", 1}, {"b", 2}, {"a", 2}}));
}

TEST(SecBySec, StatesOfUnknownCodesAndFrequencyOnlyGroups) {
    testsupport::ScriptedPlatform sp;
    Global g;
    MultilevModel tree = builtTree(g);
    tree.nodes[nodeOf(tree, "L_5")].text += "*";
    loadSlot(g, {{"Ta", 5}, {"Q", 6}, {"Z", 6}, {"Lo", 6}, {"Tb", 7}, {"Ta", 7}, {"-500", 8}});
    ScratchFolder scratch;
    const std::string file = (scratch.path() / "s.SBS").string();
    const std::vector<std::int16_t> groups = {0, 2, 5};
    QuietStatus status;
    EXPECT_TRUE(WriteSecBySecFile(g, sp.platform, status, file, {groups, &tree}));
    EXPECT_EQ(readBytes(file), crlfLines({R"( 5 ,"None","Ta","None")", R"( 6 ,"Z","Ta","Lo")",
                                          R"( 7 ,"None","Ta","None")", R"( 8 ,"None","Ta","None")"}));
    EXPECT_TRUE(WriteSecBySecFile(g, sp.platform, status, file, {groups, nullptr}));
    EXPECT_EQ(readBytes(file), crlfLines({R"( 5 ,"None","Ta","None")", R"( 6 ,"Z","Ta","Lo")",
                                          R"( 7 ,"None","Ta","Lo")", R"( 8 ,"None","Ta","Lo")"}));
}

// A file written a stretch at a time, each record's time counted up from the one before,
// holds the bytes of the file written unit by unit, each time written whole: over random
// sessions whose times run from below zero past 9, 99 and 999.
TEST(SecBySec, StretchesWriteTheUnitsFile) {
    std::mt19937 random(20261215);
    ScratchFolder scratch;
    const std::string byUnits = (scratch.path() / "units.SBS").string();
    const std::string byStretches = (scratch.path() / "stretches.SBS").string();
    const std::vector<std::int16_t> groups = {0, 2, 5};
    const std::vector<std::string> codes = {"Ta", "Tb", "Lo", "Z", "Q"};
    for (int session = 0; session < 30; ++session) {
        SCOPED_TRACE("session " + std::to_string(session));
        testsupport::ScriptedPlatform sp;
        Global g;
        MultilevModel tree = builtTree(g);
        if (session % 2 == 0) {
            tree.nodes[nodeOf(tree, "L_5")].text += "*";
        }
        std::vector<std::pair<std::string, int>> events;
        int time = -static_cast<int>(random() % 30);
        for (int e = 0, n = static_cast<int>(random() % 12); e < n; ++e) {
            events.emplace_back(codes[random() % codes.size()], time);
            time += static_cast<int>(random() % 300);
        }
        events.emplace_back("-500", time + static_cast<int>(random() % 1200));
        loadSlot(g, events);
        QuietStatus status;
        ASSERT_TRUE(WriteSecBySecFile(g, sp.platform, status, byUnits, {groups, &tree}));
        ASSERT_TRUE(WriteSecBySecStretches(
            g, sp.platform, status, byStretches, {groups, &tree},
            [](std::int32_t, std::int32_t, const SecBySecStates&, const SecBySecRows&) {}));
        ASSERT_EQ(readBytes(byStretches), readBytes(byUnits));
    }
}

// Stretches hand on the same records as the unit walk, a frequency-only code's unit alone.
TEST(SecBySec, StretchesAreTheUnitsRecordsInRuns) {
    testsupport::ScriptedPlatform sp;
    Global g;
    MultilevModel tree = builtTree(g);
    tree.nodes[nodeOf(tree, "L_5")].text += "*";
    loadSlot(g, {{"Ta", 5}, {"Q", 6}, {"Z", 6}, {"Lo", 6}, {"Tb", 9}, {"Lo", 9}, {"-500", 12}});
    const std::vector<std::int16_t> groups = {0, 2, 5};
    QuietStatus status;
    using Record = std::pair<std::int32_t, std::vector<std::string>>;
    const auto texts = [](const SecBySecStates& states) {
        std::vector<std::string> out;
        for (const std::string* state : states) {
            out.push_back(*state);
        }
        return out;
    };
    std::vector<Record> units;
    ASSERT_TRUE(WalkSecBySecStates(
        g, sp.platform, status, {groups, &tree},
        [&](std::int32_t t, const SecBySecStates& states) { units.emplace_back(t, texts(states)); }));
    std::vector<Record> expanded;
    std::vector<std::int32_t> lengths;
    ASSERT_TRUE(WalkSecBySecStretches(
        g, sp.platform, status, {groups, &tree},
        [&](std::int32_t t, std::int32_t n, const SecBySecStates& states, const SecBySecRows&) {
            lengths.push_back(n);
            for (std::int32_t u = 0; u < n; ++u) {
                expanded.emplace_back(t + u, texts(states));
            }
        }));
    EXPECT_EQ(expanded, units);
    EXPECT_EQ(units.size(), 8u);
    EXPECT_EQ(lengths, (std::vector<std::int32_t>{1, 1, 2, 1, 2, 1}));
}

TEST(SecBySec, YieldsEvery50MsAndStopsWhenAsked) {
    testsupport::ScriptedPlatform sp;
    Global g;
    useCodeTable(g, kCodes);
    loadSlot(g, {{"Ta", 0}, {"-500", 999}});
    // The clock moves 1/64 s a unit: one yield per four units.
    int units = 0;
    const std::vector<std::int16_t> groups = {2};
    analtest::RecordingStatus status;
    sp.dialogs.onYield = [&] {
        if (sp.dialogs.yields == 40) {
            g.AbortRun = -1;
        }
    };
    const bool whole =
        WalkSecBySecStates(g, sp.platform, status, {groups, nullptr}, [&](std::int32_t, const auto&) {
            ++units;
            sp.clock.seconds += 1.0 / 64;
        });
    EXPECT_FALSE(whole);
    EXPECT_EQ(sp.dialogs.yields, 40);
    EXPECT_EQ(units, 156); // stopped before the unit of the 40th yield
    EXPECT_EQ(status.progress.size(), 40u);
    EXPECT_EQ(status.progress[10], 4); // unit 40 of 999
}

// The file is replaced whole or not at all: a write that fails half way (here at a file size
// limit, as on a full disk) leaves the old file, and a file kept through a link is written to
// the link's target.
TEST(SecBySec, AFailedWriteLeavesTheOldFileAndALinkStaysALink) {
    testsupport::ScriptedPlatform sp;
    Global g;
    useCodeTable(g, kCodes);
    loadSlot(g, {{"Ta", 0}, {"-500", 200000}});
    ScratchFolder scratch;
    const std::string file = (scratch.path() / "kid.SBS").string();
    writeBytes(file, "the old file\r\n");
    const std::vector<std::int16_t> groups = {2};
    QuietStatus status;
    {
        rlimit before{};
        ::getrlimit(RLIMIT_FSIZE, &before);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = before;
        small.rlim_cur = 64 * 1024;
        ::setrlimit(RLIMIT_FSIZE, &small);
        int error = 0;
        try {
            WriteSecBySecFile(g, sp.platform, status, file, {groups, nullptr});
        } catch (const textfile::RunError& e) {
            error = e.number();
        }
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldHandler);
        EXPECT_EQ(error, textfile::kPathFileAccessError);
    }
    EXPECT_EQ(readBytes(file), "the old file\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.path()), {}), 1);

    loadSlot(g, {{"Ta", 0}, {"-500", 1}});
    const std::string link = (scratch.path() / "link.SBS").string();
    std::filesystem::create_symlink("kid.SBS", link);
    EXPECT_TRUE(WriteSecBySecFile(g, sp.platform, status, link, {groups, nullptr}));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readBytes(file), crlfLines({R"( 0 ,"Ta")", R"( 1 ,"Ta")"}));
}

TEST(SecBySec, ARecordOutsideTheCombinationsIsNotCounted) {
    // An empty code drops out of the record's text, which then names no combination.
    testsupport::ScriptedPlatform sp;
    Global g;
    MultilevModel tree = builtTree(g, {{"", "Nothing", 1}, {"A", "", 1}, {"B", "", 2}});
    tree.nodes[0].checked = tree.nodes[1].checked = true;
    CodeCombinations combos;
    ASSERT_FALSE(MakeCodeCombinations(g, tree, sp.dialogs, combos));
    SecBySecCounter counter(combos, g);
    const std::string empty, a = "A", b = "B";
    EXPECT_TRUE(counter.count({&a, &b}, combos.ComboCounts));
    EXPECT_FALSE(counter.count({&empty, &b}, combos.ComboCounts));
    EXPECT_EQ(std::accumulate(combos.ComboCounts.begin() + 1, combos.ComboCounts.end(), 0), 1);
}

// The joined-text way a record names its combination: the chosen groups' texts of the
// record joined by "/", empty ones left out, the first equal name. Counts unit by unit.
struct JoinedTextCounts {
    std::vector<std::int32_t> counts;
    bool broken = false;
};

JoinedTextCounts countByJoinedText(Global& g, const CodeCombinations& combos, const MultilevModel& tree) {
    testsupport::ScriptedPlatform sp;
    QuietStatus status;
    JoinedTextCounts out{std::vector<std::int32_t>(combos.ComboCounts.size(), 0), false};
    const std::span<const std::int16_t> groups(combos.CodeGroups.data() + 1,
                                               static_cast<std::size_t>(combos.CodeGroupCount));
    EXPECT_TRUE(WalkSecBySecStates(
        g, sp.platform, status, {groups, &tree}, [&](std::int32_t, const SecBySecStates& states) {
            std::string text;
            for (std::size_t c = 0; c < groups.size(); ++c) {
                for (int k = 1; k <= combos.SelectedGroups[0]; ++k) {
                    if (combos.SelectedGroups[static_cast<std::size_t>(k)] == groups[c] &&
                        !states[c]->empty()) {
                        text += "/" + *states[c];
                    }
                }
            }
            if (!text.empty()) {
                text.erase(0, 1);
            }
            for (int i = 1; i <= combos.count(); ++i) {
                if (combos.ComboNames[static_cast<std::size_t>(i)] == text) {
                    ++out.counts[static_cast<std::size_t>(i)];
                    return;
                }
            }
            out.broken = true;
        }));
    return out;
}

// The index of a record's combination, made of its codes' places in their groups, counts what
// the joined texts count: over random sessions and code sets with codes that hold "/", a code
// named "None", an empty code and codes outside the set, some groups frequency-only.
TEST(SecBySec, TheCombinationIndexCountsAsTheJoinedTexts) {
    const std::vector<std::vector<CodeRow>> codeSets = {
        kCodes,
        {{"A", "", 1},
         {"B/C", "", 1},
         {"B", "", 2},
         {"C", "", 2},
         {"None", "", 3},
         {"D", "", 3},
         {"E", "", 0}},
        {{"", "Nothing", 1}, {"A", "", 1}, {"B", "", 2}, {"A/B", "", 4}, {"X", "", 4}},
    };
    std::mt19937 random(20261211);
    for (std::size_t set = 0; set < codeSets.size(); ++set) {
        std::vector<std::string> codes = {"Q"}; // a code outside the set
        for (const CodeRow& row : codeSets[set]) {
            codes.push_back(row.code);
        }
        for (int session = 0; session < 40; ++session) {
            SCOPED_TRACE("code set " + std::to_string(set) + ", session " + std::to_string(session));
            Global g;
            MultilevModel tree = builtTree(g, codeSets[set]);
            for (MultilevNode& node : tree.nodes) {
                if (isGroupText(node.text)) {
                    node.checked = random() % 3 != 0;
                    if (random() % 4 == 0) {
                        node.text += "*";
                    }
                }
            }
            testsupport::ScriptedPlatform sp;
            CodeCombinations combos;
            if (MakeCodeCombinations(g, tree, sp.dialogs, combos)) {
                continue; // no group ticked
            }
            std::vector<std::pair<std::string, int>> events;
            int time = static_cast<int>(random() % 5);
            for (int e = 0, n = static_cast<int>(random() % 60); e < n; ++e) {
                events.emplace_back(codes[random() % codes.size()], time);
                time += static_cast<int>(random() % 4);
            }
            events.emplace_back("-500", time + static_cast<int>(random() % 3));
            loadSlot(g, events);
            const JoinedTextCounts expected = countByJoinedText(g, combos, tree);

            SecBySecCounter counter(combos, g);
            QuietStatus status;
            bool broken = false;
            const std::span<const std::int16_t> groups(combos.CodeGroups.data() + 1,
                                                       static_cast<std::size_t>(combos.CodeGroupCount));
            ASSERT_TRUE(WalkSecBySecStretches(
                g, sp.platform, status, {groups, &tree},
                [&](std::int32_t, std::int32_t units, const SecBySecStates& states,
                    const SecBySecRows& rows) {
                    broken = !counter.count(states, rows, combos.ComboCounts, units) || broken;
                }));
            EXPECT_EQ(broken, expected.broken);
            combos.ComboCounts[0] = 0;
            EXPECT_EQ(combos.ComboCounts, expected.counts);
        }
    }
}

struct GraphCase {
    const char* name;
    std::vector<std::string> codes;
    std::int32_t units;
    std::vector<SecBySecRecord> records;
    std::vector<testsupport::RecordingCanvas::Line> strokes; // after the axes and ticks
    std::vector<std::string> timeLabels;
};

// Every ticked code gets a band, in tree order, a code named like a group too.
TEST(Graph, TickedCodesInTreeOrder) {
    Global g;
    MultilevModel tree = builtTree(g, {{"Ta", "", 2}, {"GROUP", "Plays in a group", 2}, {"Lo", "", 5}});
    for (MultilevNode& node : tree.nodes) {
        node.checked = node.key != "C_Lo";
    }
    EXPECT_EQ(tickedGraphCodes(tree), (std::vector<std::string>{"Ta", "GROUP"}));
}

TEST(Graph, BandsStrokesAndLabels) {
    const std::vector<GraphCase> cases = {
        {"one code",
         {"Ta"},
         10,
         {{0, {"Ta", "None"}}, {1, {"None", "Lo"}}, {5, {"Ta", "Ta"}}},
         {{0, 300, 0, 700, 1}, {500, 300, 500, 700, 1}, {500, 300, 500, 700, 1}},
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
        {"never on",
         {"Ta", "Lo"},
         20,
         {{0, {"None"}}},
         {},
         {"2", "4", "6", "8", "10", "12", "14", "16", "18", "20"}},
        {"under five units",
         {"Ta"},
         4,
         {{0, {"Ta"}}},
         {{0, 300, 0, 700, 1}},
         {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}},
        {"no code", {}, 10, {{0, {"Ta"}}}, {}, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
    };
    for (const GraphCase& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::RecordingCanvas canvas;
        setPictureScale(canvas);
        DrawGraph(canvas, {"s.SBS", c.codes, c.units, c.records});
        ASSERT_GE(canvas.lines.size(), 2 + c.codes.size());
        EXPECT_EQ(canvas.lines[0], (testsupport::RecordingCanvas::Line{0, 1000, 0, 0, 1}));
        EXPECT_EQ(canvas.lines[1], (testsupport::RecordingCanvas::Line{1000, 0, 0, 0, 1}));
        const double h = 1000.0 / (static_cast<double>(c.codes.size()) + 1);
        for (std::size_t k = 1; k <= c.codes.size(); ++k) {
            EXPECT_EQ(canvas.lines[1 + k], (testsupport::RecordingCanvas::Line{0, k * h, -10, k * h, 1}));
            // Labels end 15 units left of the axis and centre on their tick (heights are negative).
            const auto& label = canvas.texts[k];
            EXPECT_EQ(label.text, c.codes[k - 1]);
            EXPECT_DOUBLE_EQ(label.x, -15 - 9.0 * static_cast<double>(c.codes[k - 1].size()));
            EXPECT_DOUBLE_EQ(label.y, k * h + 9);
        }
        const std::vector<testsupport::RecordingCanvas::Line> strokes(
            canvas.lines.begin() + 2 + static_cast<long>(c.codes.size()), canvas.lines.end());
        EXPECT_EQ(strokes, c.strokes);
        EXPECT_EQ(canvas.texts[0].text, "s.SBS");
        EXPECT_DOUBLE_EQ(canvas.texts[0].x, 625 - 5 * 12 / 2.0 - 150);
        EXPECT_DOUBLE_EQ(canvas.texts[0].y, 1080);
        std::vector<std::string> labels;
        for (std::size_t t = 1 + c.codes.size(); t < canvas.texts.size(); ++t) {
            labels.push_back(canvas.texts[t].text);
            EXPECT_DOUBLE_EQ(canvas.texts[t].y, -10);
        }
        EXPECT_EQ(labels, c.timeLabels);
    }
}

} // namespace
} // namespace ws
