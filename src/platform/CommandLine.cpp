#include "platform/CommandLine.h"

namespace platform {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

std::vector<std::string> splitCommandLine(const std::string& commandLine) {
    std::vector<std::string> words;
    std::string word;
    int quotes = 0; // double quotes in a row just read
    bool inQuotes = false;
    for (const char c : commandLine) {
        if (c == '"') {
            if (++quotes == 3) { // the third in a row stands for itself
                quotes = 0;
                word += c;
            }
            continue;
        }
        if (quotes == 1) {
            inQuotes = !inQuotes;
        }
        quotes = 0;
        if (!inQuotes && isBlank(c)) {
            if (!word.empty()) {
                words.push_back(word);
                word.clear();
            }
        } else {
            word += c;
        }
    }
    if (!word.empty()) {
        words.push_back(word);
    }
    return words;
}

} // namespace platform
