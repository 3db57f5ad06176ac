#pragma once
// The bytes of the files an import reads go into one buffer kept from file to file (per
// thread, as reads may run side by side), so that a run over a list reads every file without
// allocating and filling a buffer for it. A read takes the buffer and hands it back when it is
// done, however it ends; a read begun meanwhile (from a box the first shows) finds none and
// makes its own.

#include "textfile/FieldReader.h"

#include <string>
#include <utility>

namespace ws {

inline std::string& spareReadBuffer() {
    thread_local std::string buffer;
    return buffer;
}

// A reader of a whole file over the spare buffer.
class SpareBufferReader {
public:
    explicit SpareBufferReader(const std::string& path)
        : reader_(textfile::FieldReader::fromFile(path, std::move(spareReadBuffer()))) {}
    ~SpareBufferReader() { spareReadBuffer() = reader_.takeBytes(); }
    SpareBufferReader(const SpareBufferReader&) = delete;
    SpareBufferReader& operator=(const SpareBufferReader&) = delete;

    textfile::FieldReader& get() { return reader_; }

private:
    textfile::FieldReader reader_;
};

} // namespace ws
