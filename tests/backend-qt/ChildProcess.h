#pragma once

#include <sys/types.h>

#include <initializer_list>
#include <string>
#include <vector>

// A helper program the tests run beside themselves (an X server, a tray); it is ended when
// the object goes. Its output goes to /dev/null; `inheritedFd` stays open in it.
class ChildProcess {
public:
    explicit ChildProcess(const std::vector<std::string>& argv, int inheritedFd = -1);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return m_pid > 0; }
    // Waits up to `timeoutMs` for the program to end by itself and returns its exit code; -1
    // when it is still running then (it is ended when the object goes) or ended by a signal.
    int WaitForExit(int timeoutMs);

private:
    pid_t m_pid = -1;
};

// Whether a program of that name is on PATH.
bool ProgramOnPath(const std::string& name);
// The first of the programs that is not on PATH, or an empty name when all are.
std::string FirstMissingProgram(std::initializer_list<const char*> names);
