#include "platform/CommandLine.h"

#include "platform/TextBridge.h"

#include <QProcess>
#include <QStringList>

namespace platform {

std::vector<std::string> splitCommandLine(const std::string& commandLine) {
    std::vector<std::string> words;
    for (const QString& word : QProcess::splitCommand(toPath(commandLine))) {
        words.push_back(fromPath(word));
    }
    return words;
}

} // namespace platform
