#include "platform/qt/QtLauncher.h"

#include "platform/qt/TextBridge.h"

#include <QProcess>
#include <QStringList>

namespace platform::qt {

bool QtLauncher::start(const std::vector<std::string>& argv) {
    if (argv.empty() || argv.front().empty()) {
        return false;
    }
    QStringList arguments;
    for (std::size_t i = 1; i < argv.size(); ++i) {
        arguments << toPath(argv[i]);
    }
    return QProcess::startDetached(toPath(argv.front()), arguments);
}

} // namespace platform::qt
