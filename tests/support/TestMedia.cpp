#include "support/TestMedia.h"

#include "support/ScratchFolder.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <map>

namespace testsupport {

namespace {

constexpr int kWebmFrames = 250;
constexpr int kDvdFrames = 120;
constexpr int kLongClipFrames = 2098; // 70 s at 30000/1001
// The variable-rate clip: 60 frames at 30 fps, 30 at 15 fps, 120 at 60 fps.
constexpr int kVariableFrames = 210;
const char* const kVariableTimes = "if(lt(N,60),N/30,if(lt(N,90),2+(N-60)/15,4+(N-90)/60))/TB";

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

QStringList videoSource(const char* rate) {
    return {"-f", "lavfi", "-i", QString("testsrc=size=320x240:rate=%1").arg(rate)};
}

QStringList toneSource(double seconds) {
    return {"-f", "lavfi", "-i", QString("sine=frequency=440:sample_rate=48000:duration=%1").arg(seconds)};
}

std::string made(const std::string& path, const QStringList& arguments) {
    return run("ffmpeg",
               QStringList{"-v", "error", "-y"} + arguments + QStringList{QString::fromStdString(path)})
               ? path
               : std::string();
}

std::string makeH264(const std::string& name, int frames) {
    return made(folder().file(name),
                videoSource("30000/1001") + toneSource(frames * 1001 / 30000.0) +
                    QStringList{"-frames:v", QString::number(frames), "-vf", frameNumberFilter(), "-c:v",
                                "libx264", "-g", "30", "-pix_fmt", "yuv420p", "-crf", "18", "-c:a", "aac"});
}

std::string makeClip() {
    return makeH264("clip.mp4", TestClip::kFrames);
}

std::string makeWebm() {
    return made(folder().file("clip.webm"),
                videoSource("25") + toneSource(10.1) +
                    QStringList{"-frames:v", QString::number(kWebmFrames), "-vf",
                                frameNumberFilter() + ",setpts=PTS-STARTPTS+0.014/TB", "-c:v", "libvpx-vp9",
                                "-deadline", "realtime", "-cpu-used", "8", "-b:v", "400k", "-g", "50", "-c:a",
                                "libopus"});
}

std::string makeVariableRate() {
    return made(folder().file("variable.mp4"),
                videoSource("30") +
                    QStringList{"-frames:v", QString::number(kVariableFrames), "-vf",
                                frameNumberFilter() + QString(",settb=1/600,setpts='%1'").arg(kVariableTimes),
                                "-fps_mode", "passthrough", "-enc_time_base", "1/600",
                                "-video_track_timescale", "600", "-c:v", "libx264", "-g", "30", "-pix_fmt",
                                "yuv420p", "-crf", "18"});
}

std::string makeProgramStream() {
    return made(folder().file("program.mpg"),
                videoSource("30000/1001") + toneSource(10.01) +
                    QStringList{"-frames:v", QString::number(TestClip::kFrames), "-vf", frameNumberFilter(),
                                "-c:v", "mpeg2video", "-g", "60", "-bf", "2", "-q:v", "3", "-c:a", "mp2",
                                "-f", "vob"});
}

std::string makeDvd() {
    const std::string program = folder().file("dvd.mpg");
    const std::string dvd = folder().file("dvd");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("VIDEO_FORMAT", "NTSC");
    const bool madeProgram =
        !made(program,
              videoSource("30000/1001") +
                  QStringList{"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=48000", "-frames:v",
                              QString::number(kDvdFrames), "-vf", frameNumberFilter() + ",scale=720:480",
                              "-aspect", "4:3", "-target", "ntsc-dvd", "-shortest"})
             .empty();
    const bool authored =
        madeProgram &&
        run("dvdauthor", {"-o", QString::fromStdString(dvd), "-t", QString::fromStdString(program)},
            environment) &&
        run("dvdauthor", {"-o", QString::fromStdString(dvd), "-T"}, environment);
    return authored ? dvd : std::string();
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

std::optional<GeneratedMedia> generatedMedium(std::size_t which) {
    static std::map<std::size_t, GeneratedMedia> made;
    if (!made.count(which)) {
        switch (which) {
        case 0:
            made[which] = {"H.264 .mp4", generatedClip(), false, TestClip::kFrames};
            break;
        case 1:
            made[which] = {"VP9 .webm", makeWebm(), false, kWebmFrames};
            break;
        case 2:
            made[which] = {"variable-rate .mp4", makeVariableRate(), false, kVariableFrames};
            break;
        case 3:
            made[which] = {"MPEG-2 .mpg", makeProgramStream(), false, TestClip::kFrames};
            break;
        case 4:
            made[which] = {"DVD", generatedDvd(), true, kDvdFrames};
            break;
        default:
            return std::nullopt;
        }
    }
    if (made[which].path.empty()) {
        return std::nullopt;
    }
    return made[which];
}

std::optional<GeneratedMedia> generatedLongClip() {
    static const std::string path = makeH264("long.mp4", kLongClipFrames);
    if (path.empty()) {
        return std::nullopt;
    }
    return GeneratedMedia{"H.264 .mp4, 70 s", path, false, kLongClipFrames};
}

std::vector<GeneratedMedia> generatedMedia() {
    std::vector<GeneratedMedia> all;
    for (std::size_t which = 0; which < kGeneratedKinds; ++which) {
        if (const auto clip = generatedMedium(which)) {
            all.push_back(*clip);
        }
    }
    return all;
}

} // namespace testsupport
