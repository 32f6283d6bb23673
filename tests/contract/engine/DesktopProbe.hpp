#pragma once
// Another application on the desktop: a process that opens top-level windows for a contract
// case to look at. Against Windows it is probe.exe, started and ended by the case; against the
// sim it is a simulated process that behaves the same way.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ContractEnvironment.hpp"
#include "platform/WindowId.hpp"

namespace umbrix::contract {

struct ProbeWindow {
    std::string title;
    bool hidden = false;
    bool minimized = false;
    bool refuseClose = false;  // answers WM_CLOSE by staying open
    bool modalDialog = false;  // a modal dialog owned by the window asked for before it
};

class DesktopProbe {
public:
    virtual ~DesktopProbe() = default;  // ends the process if it still runs

    virtual platform::ProcessId processId() const = 0;
    // The titled windows, in the order they were asked for (the last one ends on top).
    virtual const std::vector<platform::WindowId>& windows() const = 0;
    // The untitled focus sink it opens first.
    virtual platform::WindowId sink() const = 0;
    // Gives the probe a moment to handle what was posted to it, and this thread a moment to
    // handle its own messages (the window events it watches for arrive that way).
    virtual void letItRun() = 0;
    // The probe's program shows its window `index` of windows() again by itself, as a chat
    // window does on a new message.
    virtual void showItself(std::size_t index) = 0;
    virtual bool hasEnded() = 0;
    // Makes the probe stop answering messages, as a hung application does, and returns once
    // the system counts it hung. It answers again by itself a few seconds later.
    virtual void stopAnswering() = 0;
    virtual bool answering() = 0;

    // Lets the probe run until `condition` holds or a generous deadline passes; the result
    // is the condition's last answer.
    bool waitUntil(const std::function<bool()>& condition) {
        for (int round = 0; round < 200; ++round) {
            if (condition()) return true;
            letItRun();
        }
        return condition();
    }
};

inline constexpr const char* kProbeFileName = "probe.exe";

// Starts a probe with these windows (plus its focus sink) and waits until they all exist.
std::unique_ptr<DesktopProbe> startProbe(ContractEnvironment& env, const std::vector<ProbeWindow>& windows);

}  // namespace umbrix::contract
