#pragma once
// Stand-ins for the subsystems the window engine calls: each call is written to one log in the
// order made, and the answers are set by the test.
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/EngineLinks.hpp"

namespace umbrix::engine::testing {

class RecordingEngineLinks final : public OwnWindows,
                                   public PanicButton,
                                   public TrayIcon,
                                   public Lockdown,
                                   public AudioMute,
                                   public ForegroundHistory,
                                   public EngineDialogs,
                                   public HideJournal {
public:
    EngineLinks links() { return EngineLinks{*this, *this, *this, *this, *this, *this, *this, *this}; }

    // Answers.
    std::string caption = "UBX 7 for Office (Portable)";
    bool mainWindowVisible = false;
    bool passwordPromptShown = false;
    bool aboutWindowShown = false;
    platform::WindowId panicHandle;
    platform::WindowId lastActive;
    bool administrator = false;
    bool answerYes = true;
    std::optional<std::string> browsedFile;
    // The call with this log name throws instead of answering.
    std::string failingCall;
    // Runs while the Yes/No question is open, as a hotkey pressed then would.
    std::function<void()> whileAsking;
    // Runs before each caption read; may throw to fail it.
    std::function<void()> beforeCaption;
    // Runs when a hide announces its windows, with the list and the handles announced.
    std::function<void(const HiddenWindowList&, const std::vector<std::string>&)> whileAnnouncing;

    // What was called, in order.
    std::vector<std::string> log;
    std::vector<FileDialogRequest> fileDialogs;
    std::vector<std::pair<std::string, std::string>> questions;
    // The handles each hide announced, one entry per announcement (kept out of `log`).
    std::vector<std::vector<std::string>> announcedHides;

    int count(const std::string& call) const {
        int n = 0;
        for (const auto& entry : log) n += entry == call ? 1 : 0;
        return n;
    }

    std::string mainWindowCaption() override {
        if (beforeCaption) beforeCaption();
        return caption;
    }
    bool isMainWindowVisible() override { return mainWindowVisible; }
    void closeMainWindow() override {
        note("closeMainWindow");
        mainWindowVisible = false;
    }
    bool isPasswordPromptShown() override { return passwordPromptShown; }
    void closeAndDestroyPasswordPrompt() override {
        note("closeAndDestroyPasswordPrompt");
        passwordPromptShown = false;
    }
    bool isAboutWindowShown() override { return aboutWindowShown; }
    void closeAboutWindow() override {
        note("closeAboutWindow");
        aboutWindowShown = false;
    }
    platform::WindowId panicWindowHandle() override { return panicHandle; }
    bool isPanicWindowShown() override { return static_cast<bool>(panicHandle); }
    void closePanicWindow() override { note("closePanicWindow"); }
    void removeTrayIcon() override { note("removeTrayIcon"); }
    void showTrayIcon() override { note("showTrayIcon"); }
    bool hasAdministratorRights() override { return administrator; }
    void setTaskManagerDisabled(bool disabled) override {
        note(disabled ? "setTaskManagerDisabled(true)" : "setTaskManagerDisabled(false)");
    }
    void liftCtrlAltDelRestrictions() override { note("liftCtrlAltDelRestrictions"); }
    void switchMuteOff() override { note("switchMuteOff"); }
    platform::WindowId lastActiveHandle() override { return lastActive; }
    bool askYesNo(const std::string& text, const std::string& boxCaption) override {
        note("askYesNo");
        questions.emplace_back(text, boxCaption);
        if (whileAsking) whileAsking();
        return answerYes;
    }
    std::optional<std::string> browseForFile(const FileDialogRequest& request) override {
        note("browseForFile");
        fileDialogs.push_back(request);
        return browsedFile;
    }

    void setWaitCursor(bool waiting) override { note(waiting ? "waitCursor" : "arrowCursor"); }

    void aboutToHide(const HiddenWindowList& hidden, const std::vector<HiddenWindowEntry>& toHide) override {
        std::vector<std::string> handleTexts;
        for (const HiddenWindowEntry& entry : toHide) handleTexts.push_back(entry.handleText);
        announcedHides.push_back(handleTexts);
        if (whileAnnouncing) whileAnnouncing(hidden, handleTexts);
    }
    void record(const HiddenWindowList& hidden) override { recordedLists.push_back(hidden.size()); }
    std::vector<std::size_t> recordedLists;  // the size of the list at each record

private:
    void note(const std::string& call) {
        if (call == failingCall) throw std::runtime_error(call + " failed");
        log.push_back(call);
    }
};

}  // namespace umbrix::engine::testing
