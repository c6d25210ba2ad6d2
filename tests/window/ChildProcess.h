#pragma once

#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

// A program started by a test, in a process group of its own, that dies with
// the test program: when a test fails, hangs or is killed by ctest, nothing it
// started may live on and hold a display or a processor.
class ChildProcess {
  public:
    // What to run and where.
    struct Launch {
        // The program, looked up on PATH, then its arguments.
        std::vector<std::string> command;
        // Empty: the test's own working directory.
        std::string workingDirectory;
        // Changes to the test's environment: a value sets the variable, none
        // removes it.
        std::map<std::string, std::optional<std::string>> environment;
        // Files that receive the output streams; empty: thrown away.
        std::string outputPath;
        std::string errorPath;
        // A descriptor of the test's that the child receives as descriptor 3.
        int passedDescriptor = -1;
    };

    // Throws std::runtime_error when the program cannot be started (not
    // installed, say), so that a missing tool fails the test.
    explicit ChildProcess(const Launch& launch);
    ~ChildProcess();

    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return processId; }
    const std::string& name() const { return programName; }

    bool running();

    // The exit status once the process has ended (128 + the signal number
    // when a signal ended it), or none if it is still running at the timeout.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);

    // Asks the whole process group to end (SIGTERM), then kills what is left
    // after the grace period. Returns at once when the process has ended.
    void stop(std::chrono::milliseconds grace = std::chrono::milliseconds(0));

  private:
    bool reap(int options);

    std::string programName;
    pid_t processId = -1;
    std::optional<int> exitStatus;
};
