// The video coder's data-file reader on any bytes. A file it takes is saved; that text read
// and saved again must come out byte for byte the same (a save is where cells settle).
#include "FuzzSupport.h"

#include "textfile/RunError.h"
#include "videocoder/core/DataFile.h"

#include <array>
#include <string>

namespace {

struct Read {
    vc::DataTable data;
    std::array<std::string, vc::kHeaderFields> header;
};

bool readInto(const std::string& bytes, Read& read) {
    try {
        vc::DataFileReader reader(bytes);
        read.data.gDataType = reader.readType();
        reader.readHeader(read.header);
        reader.readBody(read.data.gDataType, read.data);
        return true;
    } catch (const textfile::RunError&) {
        if (read.data.gRowCount.asNumber() != read.data.gData.rows()) {
            fuzz::propertyFailed("a failed read left a row count that is not the rows held");
        }
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Read first;
    if (!readInto(std::string(fuzz::bytesOf(data, size)), first)) {
        return 0;
    }
    std::string saved;
    try {
        saved = vc::dataFileText(first.data, first.header);
    } catch (const textfile::RunError&) {
        fuzz::propertyFailed("a data file that was read could not be written");
    }
    Read second;
    if (!readInto(saved, second)) {
        fuzz::propertyFailed("a saved data file was refused");
    }
    if (vc::dataFileText(second.data, second.header) != saved) {
        fuzz::propertyFailed("a saved data file reads back and saves differently");
    }
    return 0;
}
