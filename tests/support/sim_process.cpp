#include "support/sim_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

extern char** environ;

namespace {

// Generous: the simulator starts under the sanitizers on a shared machine.
constexpr int kStartTimeoutMs = 20000;
constexpr int kStopTimeoutMs = 10000;
constexpr int kControlTimeoutMs = 5000;
constexpr auto kPollInterval = std::chrono::milliseconds(5);
const std::string kDevicePrefix = "DEVICE ";

using Clock = std::chrono::steady_clock;

// "12.345 -- power on": the marker follows the time.
bool IsEventLine(const std::string& line) {
    const std::size_t afterTime = line.find(' ');
    return afterTime != std::string::npos && line.compare(afterTime + 1, 3, "-- ") == 0;
}

// Reads standard output up to the first line end, within the time-out.
std::string ReadFirstLine(int fd, int timeoutMs) {
    std::string line;
    const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Clock::now() < end) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        pollfd ready{fd, POLLIN, 0};
        const int polled = ::poll(&ready, 1, static_cast<int>(left) + 1);
        if (polled < 0 && errno == EINTR) continue;
        if (polled <= 0) break;
        char c = 0;
        const ssize_t got = ::read(fd, &c, 1);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;  // the simulator ended before saying where its device is
        if (c == '\n') return line;
        line += c;
    }
    return {};
}

template <class Condition>
bool WaitUntil(int timeoutMs, Condition condition) {
    const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (condition()) return true;
        if (Clock::now() >= end) return false;
        std::this_thread::sleep_for(kPollInterval);
    }
}

}  // namespace

SimProcess::SimProcess(const std::string& simulatorPath, const std::vector<std::string>& args) {
    std::vector<std::string> argv = {simulatorPath};
    argv.insert(argv.end(), args.begin(), args.end());
    argv.insert(argv.end(), {"--log", LogPath(), "--control", dir_.File("control")});
    std::vector<char*> pointers;
    for (std::string& arg : argv) pointers.push_back(arg.data());
    pointers.push_back(nullptr);

    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
    pid_t pid = -1;
    const int spawned =
        posix_spawn(&pid, simulatorPath.c_str(), &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    stdoutFd_ = pipeFds[0];
    if (spawned != 0) return;
    pid_ = pid;

    const std::string first = ReadFirstLine(stdoutFd_, kStartTimeoutMs);
    if (first.rfind(kDevicePrefix, 0) == 0 && first.size() > kDevicePrefix.size()) {
        devicePath_ = first.substr(kDevicePrefix.size());
    } else {
        Stop();
    }
}

SimProcess::~SimProcess() {
    Stop();
}

std::vector<std::string> SimProcess::LogLines() const {
    const std::string text = ReadWholeFile(LogPath());
    std::vector<std::string> lines;
    std::size_t start = 0;
    // Only whole lines: the simulator may be half-way through writing the last one.
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

std::vector<std::string> SimProcess::CommandLines() const {
    std::vector<std::string> commands;
    for (const std::string& line : LogLines()) {
        if (!IsEventLine(line)) commands.push_back(line);
    }
    return commands;
}

bool SimProcess::WaitForLogLines(std::size_t count, int timeoutMs) const {
    return WaitUntil(timeoutMs, [&] { return LogLines().size() >= count; });
}

bool SimProcess::WaitForCommandLines(std::size_t count, int timeoutMs) const {
    return WaitUntil(timeoutMs, [&] { return CommandLines().size() >= count; });
}

std::string SimProcess::WaitForLogLine(const std::string& text, int timeoutMs,
                                       std::size_t occurrence) const {
    std::string found;
    WaitUntil(timeoutMs, [&] {
        std::size_t seen = 0;
        for (const std::string& line : LogLines()) {
            if (line.find(text) != std::string::npos && ++seen == occurrence) {
                found = line;
                return true;
            }
        }
        return false;
    });
    return found;
}

std::size_t SimProcess::CountLogLines(const std::string& text) const {
    std::size_t count = 0;
    for (const std::string& line : LogLines()) {
        if (line.find(text) != std::string::npos) ++count;
    }
    return count;
}

bool SimProcess::Control(const std::string& line) const {
    // The simulator holds the FIFO's read end, so a non-blocking open for writing succeeds
    // at once while it runs and fails (ENXIO) instead of hanging when it does not.
    const std::string acknowledgement = "-- control \"" + line + "\"";
    const std::size_t earlier = CountLogLines(acknowledgement);
    const int fd = ::open(dir_.File("control").c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    const std::string text = line + "\n";
    const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    if (!written) return false;
    const std::string answer = WaitForLogLine(acknowledgement, kControlTimeoutMs, earlier + 1);
    return !answer.empty() && answer.find("rejected") == std::string::npos;
}

std::string SimProcess::LogHex(const std::vector<std::uint8_t>& bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t byte : bytes) {
        if (!text.empty()) text += ' ';
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

bool SimProcess::Running() {
    if (pid_ <= 0) return false;
    int status = 0;
    const pid_t done = ::waitpid(pid_, &status, WNOHANG);
    if (done == pid_) Reap(status);
    return pid_ > 0;
}

bool SimProcess::WaitForExit(int timeoutMs) {
    return WaitUntil(timeoutMs, [&] { return !Running(); });
}

int SimProcess::Stop() {
    if (Running()) {
        ::kill(pid_, SIGTERM);
        if (!WaitForExit(kStopTimeoutMs)) {
            ::kill(pid_, SIGKILL);
            int status = 0;
            while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
            }
            Reap(status);
        }
    }
    if (stdoutFd_ >= 0) ::close(stdoutFd_);
    stdoutFd_ = -1;
    return exitStatus_;
}

void SimProcess::Reap(int waitStatus) {
    exitStatus_ = WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1;
    pid_ = -1;
}
