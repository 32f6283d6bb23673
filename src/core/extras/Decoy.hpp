#pragma once
// The decoy: an application or document of the user's choice put on the screen after a hide
// or close action, opened as a double-click would open it. Each activation opens it anew.
//
// The latest decoy is followed through the process the shell started for it. Its window is
// the first visible, titled, unowned window that process shows; it is looked for whenever the
// decoy is asked about and kept once found. Once that window is gone (or the process ends)
// the decoy is over: another window of the same program is never taken for it, so a window
// the user opened later is hidden like any other.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/ShellPort.hpp"

namespace umbrix::extras {

struct DecoyOptions {
    bool useDecoy = false;  // "Launch an application or open a document"
    std::string decoyProgram;  // the program or document, exactly as entered
};

class Decoy {
public:
    explicit Decoy(platform::ShellPort& shell);

    // After a hide or close action: nothing unless UseDecoy is checked and DecoyApp is not
    // empty. Otherwise DecoyApp is opened, a new instance each time, the shell's answer is
    // recorded in decoyAppHandle, and the decoy this launch started is the one followed.
    void launchDecoy(const DecoyOptions& options);

    // The shell's answer to the latest launch: above 32 when it accepted the request,
    // otherwise its error code (2 file not found, 5 access denied, 31 no association...);
    // 0 before any launch.
    std::uint32_t decoyAppHandle() const { return decoyAppHandle_; }

    // A launch was recorded since the main window was created.
    bool decoyActive() const { return decoyActive_; }

    // The decoy's window, which hide and close actions leave alone; nullopt when there is
    // none. Looks for it while it has not shown yet, so ask once per inventory refresh.
    std::optional<std::uint64_t> decoyWindow();

private:
    void forget();

    platform::ShellPort& shell_;
    std::uint32_t decoyAppHandle_ = 0;
    bool decoyActive_ = false;
    std::unique_ptr<platform::StartedProcess> process_;
    std::optional<std::uint64_t> window_;
};

}  // namespace umbrix::extras
