#include "textfile/RunError.h"

namespace textfile {

RunError::RunError(int number, const std::string& description)
    : std::runtime_error(description), number_(number), description_(description) {}

RunError::RunError(int number) : RunError(number, describeError(number)) {}

RunError::RunError(int number, const std::string& description, const std::string& reason)
    : RunError(number, description) {
    reason_ = reason;
}

std::string describeError(int number) {
    switch (number) {
    case kInvalidArgument:
        return "Invalid procedure call or argument";
    case kOverflow:
        return "Overflow";
    case kOutOfMemory:
        return "Out of memory";
    case kSubscriptOutOfRange:
        return "Subscript out of range";
    case kTypeMismatch:
        return "Type mismatch";
    case kFileNotFound:
        return "File not found";
    case kInputPastEndOfFile:
        return "Input past end of file";
    case kPathFileAccessError:
        return "Path/File access error";
    default:
        return "Application-defined or object-defined error";
    }
}

} // namespace textfile
