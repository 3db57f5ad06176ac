#pragma once
// The one runner of fixture cases: a family is a folder under tests/fixtures with one
// folder per case (input files, a case.txt of key=value lines, the expected bytes).
// Every case runs as its own parameterised test, and a byte difference names the first
// line where the two sides part.

#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

// The folder of a family of cases: tests/fixtures/<family>.
std::filesystem::path fixtureFamily(const std::string& family);
// The key=value lines of a case file (CR LF or LF lines; other lines are ignored).
std::map<std::string, std::string> readCaseSettings(const std::filesystem::path& file);
// A text of a case file with each "\r" (backslash, r) turned into a carriage return, as
// message texts hold them.
std::string caseText(const std::string& text);
// A case that ends in a message box names it with the keys message= and title=; any other
// case shows none.
::testing::AssertionResult boxesAsCaseSays(const std::vector<ShownBox>& boxes,
                                           const std::map<std::string, std::string>& settings);
// A failing case may stop before its report exists: an empty expected file stands for that.
bool reportAbsentAsExpected(const std::filesystem::path& report, const std::filesystem::path& expectedFile);
// The names of the case folders below root, sorted.
std::vector<std::string> caseFolderNames(const std::filesystem::path& root);
// A case folder's name as a test name ("list-csv" becomes "list_csv").
std::string caseTestName(const ::testing::TestParamInfo<std::string>& info);

// Success when the bytes are equal; otherwise the first differing line (1-based) as each
// side has it, with CR and other control bytes made visible.
::testing::AssertionResult sameBytes(std::string_view actual, std::string_view expected);
// sameBytes against the whole of an expected file.
::testing::AssertionResult sameAsFile(std::string_view actual, const std::filesystem::path& expectedFile);

// The base of a family's test: the case's folder and its case.txt.
class FixtureCase : public ::testing::TestWithParam<std::string> {
protected:
    virtual std::filesystem::path family() const = 0;
    std::filesystem::path folder() const { return family() / GetParam(); }
    std::map<std::string, std::string> caseSettings() const {
        return readCaseSettings(folder() / "case.txt");
    }
};

} // namespace testsupport

// Runs test suite `Suite` (derived from FixtureCase) once per case folder of `family`.
#define SUITE_FIXTURE_CASES(Suite, family)                                                                   \
    INSTANTIATE_TEST_SUITE_P(                                                                                \
        Fixtures, Suite,                                                                                     \
        ::testing::ValuesIn(testsupport::caseFolderNames(testsupport::fixtureFamily(family))),               \
        testsupport::caseTestName)
