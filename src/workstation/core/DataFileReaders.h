#pragma once
// One table of data-file readers, by the value of gFileFormat: 0 the native event file,
// 1 video-coder data, 2 ODF text, 3 DORU transcript.

#include "workstation/core/DataFileRead.h"

namespace ws {

using DataFileReader = EventReadResult (*)(const DataFileRead& read);

// The reader of a format, or nullptr for a value that names none.
DataFileReader readerForFormat(int fileFormat);

} // namespace ws
