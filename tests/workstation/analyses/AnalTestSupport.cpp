#include "AnalTestSupport.h"

#include "textfile/Files.h"

#include <fstream>
#include <random>

namespace analtest {

void useCodeTable(ws::Global& g, const std::vector<CodeRow>& rows, const std::string& codeFile) {
    g.Code_File = codeFile;
    g.NumCodes = static_cast<std::int16_t>(rows.size());
    g.CodeTable.resize(rows.empty() ? 1 : static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        g.CodeTable(1, row) = textfile::Value::ofText(rows[i].code);
        g.CodeTable(2, row) = textfile::Value::ofText(rows[i].description);
        g.CodeTable(3, row) = textfile::Value::ofNumber(rows[i].group);
    }
}

} // namespace analtest
