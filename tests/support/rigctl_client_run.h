#pragma once

// hamlib's own client, rigctl with the NET rigctl backend (model 2), run against a server this
// thread serves meanwhile, as the program's event loop would. Header-only: the support library
// links the core alone, and only tests that link the POSIX layer use this.

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <string>
#include <vector>

#include "platform/posix/tcp_remote_server.h"
#include "support/remote_server_turn.h"
#include "support/temp_dir.h"

extern char** environ;

inline constexpr const char* kRigctl = "/usr/bin/rigctl";
// A guard against a client that hangs, not a measurement.
inline constexpr auto kGiveUpAfter = std::chrono::seconds(60);

struct ClientRun {
    bool finished = false;
    int exitStatus = -1;
    std::string output;  // standard output and standard error
};

// Runs rigctl with args while this thread serves its connection, so the server and the
// radio stay on one thread as they do in the program.
inline ClientRun RunClient(TcpRemoteServer& server, const std::vector<std::string>& args) {
    ClientRun run;
    TempDir home;
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return run;
    std::vector<std::string> arguments = {kRigctl, "-m", "2", "-r",
                                          "127.0.0.1:" + std::to_string(server.Port())};
    arguments.insert(arguments.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    // Its own home, so no settings file of the user's is read or written.
    std::string homeVariable = "HOME=" + home.Path();
    std::vector<char*> environment = {homeVariable.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    pid_t pid = -1;
    const int spawned =
        posix_spawn(&pid, kRigctl, &actions, nullptr, argv.data(), environment.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (spawned != 0) {
        ::close(pipeFds[0]);
        return run;
    }

    const auto giveUp = std::chrono::steady_clock::now() + kGiveUpAfter;
    bool outputOpen = true;
    while (outputOpen && std::chrono::steady_clock::now() < giveUp) {
        if (!(ServeOneTurn(server, 100, pipeFds[0]) & (POLLIN | POLLHUP))) continue;
        char buffer[4096];
        const ssize_t count = ::read(pipeFds[0], buffer, sizeof buffer);
        if (count > 0) run.output.append(buffer, static_cast<std::size_t>(count));
        if (count == 0) outputOpen = false;
    }
    ::close(pipeFds[0]);
    if (outputOpen) ::kill(pid, SIGKILL);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    run.finished = !outputOpen;
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}
