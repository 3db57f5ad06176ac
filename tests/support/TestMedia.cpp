#include "support/TestMedia.h"

#include "support/ScratchFolder.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace testsupport {

namespace {

ScratchFolder& folder() {
    static ScratchFolder media;
    return media;
}

bool run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment = {}) {
    QProcess process;
    if (!environment.isEmpty()) {
        process.setProcessEnvironment(environment);
    }
    process.start(program, arguments);
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

QString frameNumberFilter() {
    QString filter = "drawbox=x=0:y=0:w=iw:h=24:color=black:t=fill";
    for (int bit = 0; bit < 10; ++bit) {
        filter += QString(",drawbox=x=%1:y=0:w=32:h=16:color=white:t=fill:enable='mod(floor(n/%2),2)'")
                      .arg(32 * bit)
                      .arg(1 << bit);
    }
    return filter +
           ",drawtext=text='%{frame_num}':x=90:y=90:fontsize=64:fontcolor=white:box=1:boxcolor=black";
}

std::string makeClip() {
    const std::string path = folder().file("clip.mp4");
    const bool made = run("ffmpeg", {"-v",
                                     "error",
                                     "-y",
                                     "-f",
                                     "lavfi",
                                     "-i",
                                     "testsrc=size=320x240:rate=30000/1001",
                                     "-f",
                                     "lavfi",
                                     "-i",
                                     "sine=frequency=440:sample_rate=48000:duration=10.01",
                                     "-frames:v",
                                     QString::number(TestClip::kFrames),
                                     "-vf",
                                     frameNumberFilter(),
                                     "-c:v",
                                     "libx264",
                                     "-g",
                                     "30",
                                     "-pix_fmt",
                                     "yuv420p",
                                     "-crf",
                                     "18",
                                     "-c:a",
                                     "aac",
                                     QString::fromStdString(path)});
    return made ? path : std::string();
}

std::string makeDvd() {
    const std::string program = folder().file("dvd.mpg");
    const std::string dvd = folder().file("dvd");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("VIDEO_FORMAT", "NTSC");
    const bool made =
        run("ffmpeg",
            {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=720x480:rate=30000/1001", "-f", "lavfi",
             "-i", "sine=frequency=440:sample_rate=48000", "-t", "4", "-vf",
             "drawtext=text='%{frame_num}':x=200:y=200:fontsize=96:fontcolor=white:box=1:boxcolor=black",
             "-target", "ntsc-dvd", QString::fromStdString(program)}) &&
        run("dvdauthor", {"-o", QString::fromStdString(dvd), "-t", QString::fromStdString(program)},
            environment) &&
        run("dvdauthor", {"-o", QString::fromStdString(dvd), "-T"}, environment);
    return made ? dvd : std::string();
}

} // namespace

const std::string& generatedClip() {
    static const std::string path = makeClip();
    return path;
}

const std::string& generatedDvd() {
    static const std::string path = makeDvd();
    return path;
}

} // namespace testsupport
