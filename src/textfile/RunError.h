#pragma once
// Run-time failures carry the classic error numbers, because some reports
// write the number itself (" ERR Number: 62").

#include <stdexcept>
#include <string>

namespace textfile {

enum ErrorNumber : int {
    kInvalidArgument = 5,
    kOverflow = 6,
    kOutOfMemory = 7,
    kSubscriptOutOfRange = 9,
    kTypeMismatch = 13,
    kFileNotFound = 53,
    kInputPastEndOfFile = 62,
    kPathFileAccessError = 75,
};

class RunError : public std::runtime_error {
public:
    RunError(int number, const std::string& description);
    explicit RunError(int number); // description from describeError(number)
    // With what lay behind the failure: the system's reason, or what in the input was wrong.
    RunError(int number, const std::string& description, const std::string& reason);
    int number() const { return number_; }
    const std::string& description() const { return description_; }
    // "" when nothing more is known than the description.
    const std::string& reason() const { return reason_; }

private:
    int number_;
    std::string description_;
    std::string reason_;
};

// Our own wording for each number above ("Input past end of file", ...).
std::string describeError(int number);

} // namespace textfile
