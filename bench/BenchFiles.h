#pragma once
// What the benchmarks over generated files share: a scratch folder of their own, the honest
// baseline an operation is held against, and the contest that times the two side by side.
//
// The baseline rule, one for every contest: the operation's input files are read with one
// read() each into a buffer kept from round to round; where the operation writes files or a
// report, the same number of bytes is written with one write() to a new file beside each of
// them. Neither side syncs, except where the operation is a save (its durability is the
// point): then the baseline syncs each file and its folder, as a save does.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <system_error>
#include <type_traits>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {

// A folder of its own under the system's temporary folder, made with a name no other process
// or folder of this one holds, and removed with its contents at the end.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name) {
        std::string pattern = (std::filesystem::temp_directory_path() / (name + "-XXXXXX")).string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror(pattern.c_str());
            std::abort();
        }
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// Set-up only: writes a generated file.
inline void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Seconds that one call of pass takes; a pass that returns a double has timed the part of
// itself that counts, and that is its time.
template <class Pass> double timedPass(Pass&& pass) {
    if constexpr (std::is_same_v<std::invoke_result_t<Pass&>, double>) {
        return pass();
    } else {
        const auto start = std::chrono::steady_clock::now();
        pass();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
}

// The bytes of the file with one read() into a buffer that keeps its size between calls.
inline std::size_t readOnce(const std::string& path, std::string& buffer) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        std::perror(path.c_str());
        std::abort();
    }
    if (buffer.size() < static_cast<std::size_t>(info.st_size)) {
        buffer.resize(static_cast<std::size_t>(info.st_size));
    }
    const ssize_t n = ::read(fd, buffer.data(), static_cast<std::size_t>(info.st_size));
    ::close(fd);
    benchmark::DoNotOptimize(buffer.data());
    return n < 0 ? 0 : static_cast<std::size_t>(n);
}

// Flushes the folder that holds path to the disk, as a save does after its rename.
inline void syncFolderOf(const std::filesystem::path& path) {
    const int fd = ::open(path.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// bytes written with one write() to a new file at path; with `durably`, the file and its
// folder synced. An old file of that name is removed first, so that no write replaces
// bytes still waiting in the page cache.
inline void writeOnce(const std::filesystem::path& path, const std::string& bytes, bool durably) {
    ::unlink(path.c_str());
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        std::perror(path.c_str());
        std::abort();
    }
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            std::perror(path.c_str());
            std::abort();
        }
        done += static_cast<std::size_t>(n);
    }
    if (durably) {
        ::fsync(fd);
    }
    ::close(fd);
    if (durably) {
        syncFolderOf(path);
    }
}

// The bytes the files hold together; a missing file counts 0.
inline std::size_t sizeOf(const std::vector<std::string>& files) {
    std::size_t total = 0;
    for (const std::string& file : files) {
        std::error_code missing;
        const auto size = std::filesystem::file_size(file, missing);
        total += missing ? 0 : static_cast<std::size_t>(size);
    }
    return total;
}

// A size in plain words: kB below a megabyte, MB from there.
inline std::string sizeText(std::size_t bytes) {
    char text[32];
    if (bytes < 1'000'000) {
        std::snprintf(text, sizeof text, "%.0f kB", static_cast<double>(bytes) / 1e3);
    } else {
        std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / 1e6);
    }
    return text;
}

// Whether a baseline's write is synced: only where the operation's own write is a save.
enum class Sync { No, AsASave };

// The honest baseline of one operation (the rule at the top of this file). What it writes is
// sized on its first run, which a contest makes after the operation's warm-up, so a size can
// be taken from the files the operation wrote.
class Baseline {
public:
    // The input files, each read once per run.
    Baseline& reads(std::vector<std::string> files) {
        inputs_.insert(inputs_.end(), files.begin(), files.end());
        return *this;
    }
    // One file of this many bytes written at path per run.
    Baseline& writes(std::filesystem::path path, std::size_t bytes, Sync sync = Sync::No) {
        outputs_.push_back({std::move(path), [bytes] { return bytes; }, sync, {}});
        return *this;
    }
    // One file at path per run, as large as the files `like` names are once the operation has
    // run (asked on the first run).
    Baseline& writesAsMuchAs(std::filesystem::path path, std::function<std::vector<std::string>()> like,
                             Sync sync = Sync::No) {
        outputs_.push_back({std::move(path), [like = std::move(like)] { return sizeOf(like()); }, sync, {}});
        return *this;
    }

    void operator()() {
        for (const std::string& file : inputs_) {
            readOnce(file, buffer_);
        }
        for (Output& output : outputs_) {
            if (output.size) {
                output.bytes.assign(output.size(), 'x');
                output.size = nullptr;
            }
            writeOnce(output.path, output.bytes, output.sync == Sync::AsASave);
        }
    }

    // Removes what the last run wrote, so that the next one writes new files again.
    void clear() const {
        for (const Output& output : outputs_) {
            ::unlink(output.path.c_str());
        }
    }

    // The baseline in plain words, as the contest's line shows it.
    std::string describe() const {
        std::vector<std::string> parts;
        if (!inputs_.empty()) {
            parts.push_back("read() of " + count(inputs_.size(), "file") + " (" + sizeText(sizeOf(inputs_)) +
                            ")");
        }
        for (const Sync sync : {Sync::No, Sync::AsASave}) {
            std::size_t files = 0;
            std::size_t bytes = 0;
            for (const Output& output : outputs_) {
                if (output.sync == sync) {
                    ++files;
                    bytes += output.bytes.size();
                }
            }
            if (files > 0) {
                parts.push_back("write() of " + count(files, "new file") + " (" + sizeText(bytes) + ")" +
                                (sync == Sync::AsASave ? " synced with the folder" : ""));
            }
        }
        std::string text;
        for (const std::string& part : parts) {
            text += (text.empty() ? "" : " + ") + part;
        }
        return text;
    }

private:
    struct Output {
        std::filesystem::path path;
        std::function<std::size_t()> size; // asked once, on the first run
        Sync sync;
        std::string bytes;
    };

    static std::string count(std::size_t n, const char* what) {
        return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
    }

    std::vector<std::string> inputs_;
    std::vector<Output> outputs_;
    std::string buffer_;
};

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The least number of timed rounds a contest takes.
inline constexpr int kLeastRounds = 5;

// The counters and label that suite_bench's table shows as one contest line.
inline void reportContest(benchmark::State& state, const std::string& baseline, double items,
                          const std::vector<double>& operationSeconds,
                          const std::vector<double>& baselineSeconds) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < operationSeconds.size(); ++i) {
        ratios.push_back(operationSeconds[i] / baselineSeconds[i]);
    }
    state.SetLabel(baseline);
    state.counters["rounds"] = static_cast<double>(ratios.size());
    state.counters["ratio_median"] = median(ratios);
    state.counters["ratio_min"] = *std::min_element(ratios.begin(), ratios.end());
    state.counters["op_ms"] = median(operationSeconds) * 1e3;
    state.counters["base_ms"] = median(baselineSeconds) * 1e3;
    state.counters["ns_per_item"] = median(operationSeconds) / items * 1e9;
}

// False, with the benchmark marked, when it was given fewer rounds than a contest needs
// (register it with ->Iterations(n), n at least kLeastRounds).
inline bool enoughRounds(benchmark::State& state) {
    if (state.max_iterations < kLeastRounds) {
        state.SkipWithError("a contest needs ->Iterations(5) or more");
        return false;
    }
    return true;
}

// The rounds of a contest: a warm-up of both sides (files in the page cache, buffers at
// their size), then one round per iteration of the state, each preparing (untimed) and
// timing the two sides in turn, their order alternating from round to round. A side's
// timer gives its seconds, NaN when it could not be timed.
template <class Prepare, class TimeOperation, class TimeBase>
void timeRounds(benchmark::State& state, const std::string& baseline, double items, Prepare&& prepare,
                TimeOperation&& timeOperation, TimeBase&& timeBase) {
    if (!enoughRounds(state)) {
        return;
    }
    prepare();
    timeOperation();
    timeBase();
    std::vector<double> operationSeconds;
    std::vector<double> baselineSeconds;
    for (auto _ : state) {
        prepare();
        if (operationSeconds.size() % 2 == 0) {
            operationSeconds.push_back(timeOperation());
            baselineSeconds.push_back(timeBase());
        } else {
            baselineSeconds.push_back(timeBase());
            operationSeconds.push_back(timeOperation());
        }
        if (std::isnan(operationSeconds.back()) || std::isnan(baselineSeconds.back())) {
            state.SkipWithError("a side of the contest could not be timed");
            return;
        }
    }
    reportContest(state, baseline, items, operationSeconds, baselineSeconds);
}

// An operation against its baseline in one process, interleaved (timeRounds). `baseline`
// names the baseline in plain words; items sets the time per item shown.
template <class Prepare, class Operation, class Base>
void contest(benchmark::State& state, const std::string& baseline, double items, Prepare&& prepare,
             Operation&& operation, Base&& base) {
    timeRounds(
        state, baseline, items, prepare, [&] { return timedPass(operation); },
        [&] { return timedPass(base); });
}

// contest() against the honest baseline; each round's preparing also removes what the
// baseline wrote in the round before.
template <class Prepare, class Operation>
void contest(benchmark::State& state, double items, Prepare&& prepare, Operation&& operation,
             Baseline& baseline) {
    // Named after its first run, when the sizes of what it writes are known.
    std::string name;
    contest(
        state, "", items,
        [&] {
            baseline.clear();
            prepare();
        },
        operation,
        [&] {
            baseline();
            if (name.empty()) {
                name = baseline.describe();
            }
        });
    state.SetLabel(name);
}

// contest() against one read() of `file`.
template <class Operation>
void contestAgainstRead(benchmark::State& state, const std::string& file, double items, Operation operation) {
    Baseline baseline;
    baseline.reads({file});
    contest(
        state, items, [] {}, operation, baseline);
}

// Seconds that pass takes in a new child process whose freed memory has been handed back to
// the system first, so that what it allocates comes as fresh pages, as in a program just
// started: a first (cold) open. NaN when the child did not report.
//
// The child is a fork of this process: pass must not need another thread of it (no Qt event
// loop, no player).
template <class Pass> double secondsInFreshProcess(Pass&& pass) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        return std::nan("");
    }
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        ::malloc_trim(0);
        const double seconds = timedPass(pass);
        const bool sent = ::write(pipeEnds[1], &seconds, sizeof seconds) == sizeof seconds;
        ::_exit(sent ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    double seconds = std::nan("");
    if (child < 0 || ::read(pipeEnds[0], &seconds, sizeof seconds) != sizeof seconds) {
        seconds = std::nan("");
    }
    ::close(pipeEnds[0]);
    int status = 0;
    if (child > 0) {
        ::waitpid(child, &status, 0);
    }
    return seconds;
}

// contest() with each side's every run a first run: each in a fresh child process
// (secondsInFreshProcess), so the figure is a cold one. prepare runs in this process.
template <class Prepare, class Operation, class Base>
void coldContest(benchmark::State& state, const std::string& baseline, double items, Prepare&& prepare,
                 Operation&& operation, Base&& base) {
    timeRounds(
        state, baseline, items, prepare, [&] { return secondsInFreshProcess(operation); },
        [&] { return secondsInFreshProcess(base); });
}

} // namespace bench
