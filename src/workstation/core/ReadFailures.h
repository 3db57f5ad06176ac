#pragma once
// Every data-file reader turns an error that stops it into the result's failure, so the
// caller's read-error entry names the record the reader had reached.

#include "textfile/RunError.h"
#include "workstation/core/DataFileRead.h"

#include <exception>

namespace ws {

// A failure outside the classic run-time errors still needs a number for the entry.
inline constexpr int kInternalReadError = 51;

// Runs body(result) and, when it throws, leaves the failure in the result with nothing read.
template <class Body> EventReadResult readCatchingFailures(Body body) {
    EventReadResult result;
    try {
        body(result);
        return result;
    } catch (const textfile::RunError& error) {
        result.failure = ReadFailure{error.number(), error.description()};
    } catch (const std::exception&) {
        result.failure = ReadFailure{kInternalReadError, textfile::describeError(kInternalReadError)};
    }
    result.endRecordRead = false;
    result.clean = false;
    return result;
}

} // namespace ws
