#include "window/ChildProcess.h"

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(5);

// Descriptors are moved this high in the child before the fixed ones (0 to 3)
// are laid out, so that laying them out never overwrites one still needed.
constexpr int kSafeDescriptor = 100;

std::vector<std::string>
mergedEnvironment(const std::map<std::string, std::optional<std::string>>& changes) {
    std::vector<std::string> merged;
    for (char** entry = environ; *entry; ++entry) {
        const std::string variable = *entry;
        const std::string name = variable.substr(0, variable.find('='));
        if (changes.count(name) == 0)
            merged.push_back(variable);
    }
    for (const auto& [name, value] : changes)
        if (value)
            merged.push_back(name + "=" + *value);
    return merged;
}

std::vector<char*> pointersTo(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& text : strings)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

int openOutput(const std::string& path) {
    if (path.empty())
        return open("/dev/null", O_WRONLY | O_CLOEXEC);
    return open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
}

// Only async-signal-safe calls from here on: the child of a fork.
[[noreturn]] void failInChild(int errorPipe) {
    const int error = errno;
    [[maybe_unused]] const ssize_t written = write(errorPipe, &error, sizeof error);
    _exit(127);
}

[[noreturn]] void runChild(const ChildProcess::Launch& launch, pid_t parent, char** argv,
                           char** envp, int output, int error, int errorPipe) {
    setpgid(0, 0);
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent)
        _exit(127);

    errorPipe = fcntl(errorPipe, F_DUPFD_CLOEXEC, kSafeDescriptor);
    output = fcntl(output, F_DUPFD_CLOEXEC, kSafeDescriptor);
    error = fcntl(error, F_DUPFD_CLOEXEC, kSafeDescriptor);
    const int passed = launch.passedDescriptor < 0
                           ? -1
                           : fcntl(launch.passedDescriptor, F_DUPFD_CLOEXEC, kSafeDescriptor);
    if (errorPipe < 0 || output < 0 || error < 0)
        _exit(127);

    const int input = open("/dev/null", O_RDONLY);
    if (input < 0 || dup2(input, STDIN_FILENO) < 0 || dup2(output, STDOUT_FILENO) < 0 ||
        dup2(error, STDERR_FILENO) < 0)
        failInChild(errorPipe);
    if (passed >= 0 && dup2(passed, 3) < 0)
        failInChild(errorPipe);
    // Nothing else of the test's (its X connection, its files) reaches the child.
    close_range(passed >= 0 ? 4 : 3, kSafeDescriptor - 1, 0);

    if (!launch.workingDirectory.empty() && chdir(launch.workingDirectory.c_str()) != 0)
        failInChild(errorPipe);
    execvpe(argv[0], argv, envp);
    failInChild(errorPipe);
}

} // namespace

ChildProcess::ChildProcess(const Launch& launch) : programName(launch.command.at(0)) {
    std::vector<std::string> arguments = launch.command;
    std::vector<std::string> variables = mergedEnvironment(launch.environment);
    std::vector<char*> argv = pointersTo(arguments);
    std::vector<char*> envp = pointersTo(variables);

    const int output = openOutput(launch.outputPath);
    const int error = openOutput(launch.errorPath);
    int errorPipe[2];
    if (output < 0 || error < 0 || pipe2(errorPipe, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot prepare to run " + programName + ": " +
                                 std::strerror(errno));

    const pid_t parent = getpid();
    processId = fork();
    if (processId == 0)
        runChild(launch, parent, argv.data(), envp.data(), output, error, errorPipe[1]);

    const int forkError = errno;
    close(output);
    close(error);
    close(errorPipe[1]);
    if (processId < 0) {
        close(errorPipe[0]);
        throw std::runtime_error("cannot fork to run " + programName + ": " +
                                 std::strerror(forkError));
    }

    // The pipe closes unread when exec succeeds; otherwise it carries errno.
    int childError = 0;
    const ssize_t got = read(errorPipe[0], &childError, sizeof childError);
    close(errorPipe[0]);
    if (got == static_cast<ssize_t>(sizeof childError)) {
        reap(0);
        throw std::runtime_error("cannot run " + programName + ": " + std::strerror(childError) +
                                 " (is it installed?)");
    }
}

ChildProcess::~ChildProcess() {
    stop();
}

bool ChildProcess::reap(int options) {
    if (exitStatus)
        return true;
    int status = 0;
    pid_t result;
    do
        result = waitpid(processId, &status, options);
    while (result < 0 && errno == EINTR);
    if (result != processId)
        return false;
    exitStatus = WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
    return true;
}

bool ChildProcess::running() {
    return !reap(WNOHANG);
}

std::optional<int> ChildProcess::waitForExit(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!reap(WNOHANG)) {
        if (std::chrono::steady_clock::now() >= deadline)
            return std::nullopt;
        std::this_thread::sleep_for(kPollInterval);
    }
    return exitStatus;
}

void ChildProcess::stop(std::chrono::milliseconds grace) {
    if (!running())
        return;
    // The group, not only the leader: Xvfb runs xkbcomp, a sanitized game may
    // run a symbolizer. The leader is not reaped yet, so the group id is still ours.
    if (grace.count() > 0) {
        kill(-processId, SIGTERM);
        if (waitForExit(grace))
            return;
    }
    kill(-processId, SIGKILL);
    reap(0);
}
