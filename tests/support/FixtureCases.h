#pragma once
// Table-driven fixture cases: one folder per case, with a case.txt of key=value lines.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace testsupport {

// The key=value lines of a case file (CR LF or LF lines; other lines are ignored).
std::map<std::string, std::string> readCaseSettings(const std::filesystem::path& file);
// The names of the case folders below root, sorted.
std::vector<std::string> caseFolderNames(const std::filesystem::path& root);
// A case folder's name as a test name ("list-csv" becomes "list_csv").
std::string caseTestName(const ::testing::TestParamInfo<std::string>& info);

} // namespace testsupport
