// The bare loop the activation benchmark compares Umbrix with: ShowWindow over the same windows,
// one call after another, from a process of its own, so that its calls cross processes exactly
// as Umbrix's do. The benchmark starts itself a second time for it ("--bare-loop HANDLE...") and
// drives it through its standard input and output: a line "hide" or "show" runs the loop once,
// and the answer is the QueryPerformanceCounter tick taken just before the first call.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace umbrix::bench {

constexpr char kBareLoopOption[] = "--bare-loop";

class BareLoopProcess {
public:
    // Starts the loop's process for `windows`. It hides them top of the Z order first and shows
    // them again in the order of hiding, as Umbrix does. Throws std::runtime_error when it
    // cannot be started.
    explicit BareLoopProcess(const std::vector<HWND>& windows);
    ~BareLoopProcess();
    BareLoopProcess(const BareLoopProcess&) = delete;
    BareLoopProcess& operator=(const BareLoopProcess&) = delete;

    // Runs ShowWindow(SW_HIDE) or ShowWindow(SW_SHOW) over every window; returns the tick just
    // before the first call. Throws std::runtime_error when the process does not answer.
    LONGLONG hideAll() { return run("hide"); }
    LONGLONG showAll() { return run("show"); }

private:
    LONGLONG run(const std::string& command);

    HANDLE process_ = nullptr;
    HANDLE toLoop_ = nullptr;
    HANDLE fromLoop_ = nullptr;
};

// The loop's side: `handles` as given after kBareLoopOption. Returns the exit code.
int runBareLoop(const std::vector<std::string>& handles);

}  // namespace umbrix::bench
