#pragma once
// Run-time failures carry the classic error numbers, because some reports
// write the number itself (" ERR Number: 62").

#include <stdexcept>
#include <string>

namespace textfile {

enum ErrorNumber : int {
    kInvalidArgument = 5,
    kOverflow = 6,
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
    int number() const { return number_; }
    const std::string& description() const { return description_; }

private:
    int number_;
    std::string description_;
};

// Our own wording for each number above ("Input past end of file", ...).
std::string describeError(int number);

} // namespace textfile
