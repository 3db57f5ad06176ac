#include "workstation/analyses/SecBySecReader.h"

#include "textfile/FieldReader.h"
#include "textfile/Files.h"

namespace ws {

std::vector<SecBySecRecord> ReadSecBySecBytes(std::string bytes, int groupCount) {
    textfile::FieldReader reader(std::move(bytes));
    std::vector<SecBySecRecord> records;
    while (!reader.atEnd()) {
        SecBySecRecord record;
        record.time = reader.readInt32();
        for (int g = 0; g < groupCount; ++g) {
            record.codes.push_back(reader.readText());
        }
        records.push_back(std::move(record));
    }
    return records;
}

std::vector<SecBySecRecord> ReadSecBySecFile(const std::string& path, int groupCount) {
    return ReadSecBySecBytes(textfile::readWholeFile(path), groupCount);
}

} // namespace ws
