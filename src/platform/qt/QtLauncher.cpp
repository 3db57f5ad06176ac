#include "platform/qt/QtLauncher.h"

#include "platform/qt/TextBridge.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

namespace platform::qt {
namespace {

// How long after its start a program's failure still counts as not having shown the file.
constexpr qint64 kMomentMs = 3000;

} // namespace

bool QtLauncher::start(const std::vector<std::string>& argv, const QuickFailure& onQuickFailure) {
    if (argv.empty() || argv.front().empty()) {
        return false;
    }
    QStringList arguments;
    for (std::size_t i = 1; i < argv.size(); ++i) {
        arguments << toPath(argv[i]);
    }
    // Watched rather than detached, to hear of a quick failure. With its streams on the null
    // device the program outlives this one as a detached one would; the object goes when it ends.
    auto* process = new QProcess;
    process->setProgram(toPath(argv.front()));
    process->setArguments(arguments);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer sinceStart;
    sinceStart.start();
    QObject::connect(process, &QProcess::finished, process,
                     [process, sinceStart, onQuickFailure](int exitCode, QProcess::ExitStatus status) {
                         const bool failed = status != QProcess::NormalExit || exitCode != 0;
                         if (failed && sinceStart.elapsed() <= kMomentMs && onQuickFailure) {
                             onQuickFailure(exitCode);
                         }
                         process->deleteLater();
                     });
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    return true;
}

} // namespace platform::qt
