#include <windows.h>

#include <stdexcept>
#include <string>

#include "DesktopProbe.hpp"
#include "ShowItself.hpp"
#include "StopAnswering.hpp"
#include "win32/UniqueHandle.hpp"
#include "win32/Utf16.hpp"
#include "win32/WindowHandle.hpp"

namespace umbrix::contract {

namespace {

// probe.exe's path as this program sees it: the build tree under Wine's Z: drive.
std::wstring probePath() {
    std::wstring path = win32::widen(UMBRIX_PROBE_EXE);
    for (wchar_t& c : path) {
        if (c == L'/') c = L'\\';
    }
    if (!path.empty() && path[0] == L'\\') path = L"Z:" + path;
    return path;
}

// One argument as CommandLineToArgvW reads it back.
std::wstring quoted(const std::wstring& argument) {
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        if (c == L'"')
            out.append(backslashes * 2 + 1, L'\\');
        else
            out.append(backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}

class Win32DesktopProbe final : public DesktopProbe {
public:
    explicit Win32DesktopProbe(const std::vector<ProbeWindow>& requests) {
        std::wstring commandLine = quoted(probePath());
        for (const ProbeWindow& request : requests) {
            if (request.hidden) commandLine += L" --hidden";
            if (request.minimized) commandLine += L" --minimized";
            if (request.refuseClose) commandLine += L" --refuse-close";
            if (request.modalDialog) commandLine += L" --modal-dialog";
            commandLine += L" " + quoted(win32::widen(request.title));
        }

        SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        HANDLE readEnd = nullptr;
        HANDLE writeEnd = nullptr;
        if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) throw std::runtime_error("CreatePipe failed");
        output_ = win32::UniqueHandle(readEnd);
        win32::UniqueHandle childOutput(writeEnd);
        SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = writeEnd;
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                            &startup, &started))
            throw std::runtime_error("probe.exe could not be started: error " + std::to_string(GetLastError()));
        process_ = win32::UniqueHandle(started.hProcess);
        CloseHandle(started.hThread);
        processId_ = platform::ProcessId{static_cast<std::uint32_t>(started.dwProcessId)};
        childOutput.reset();
        readReport(requests.size());
    }

    ~Win32DesktopProbe() override {
        if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.get(), 0);
            WaitForSingleObject(process_.get(), 5000);
        }
    }

    platform::ProcessId processId() const override { return processId_; }
    const std::vector<platform::WindowId>& windows() const override { return windows_; }
    platform::WindowId sink() const override { return sink_; }
    void letItRun() override {
        // Window events reach this thread's hooks only while it handles its messages.
        const ULONGLONG until = GetTickCount64() + 50;
        for (ULONGLONG now = GetTickCount64(); now < until; now = GetTickCount64()) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(until - now), QS_ALLINPUT);
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        }
    }
    void showItself(std::size_t index) override {
        PostMessageW(win32::toHwnd(windows_.at(index)), wintool::kShowItselfMessage, 0, 0);
    }
    void stopAnswering() override {
        // Long enough for the system to count it hung (five seconds) and for a case to act on
        // it; short enough for the case to see it answer again.
        if (!wintool::makeProbeStopAnswering(win32::toHwnd(sink_), 9000, 20000))
            throw std::runtime_error("probe.exe was never counted hung");
    }
    bool answering() override { return IsHungAppWindow(win32::toHwnd(sink_)) == FALSE; }

    bool hasEnded() override {
        if (!process_) return true;
        if (WaitForSingleObject(process_.get(), 0) != WAIT_OBJECT_0) return false;
        process_.reset();  // nothing keeps the ended process's object alive any more
        return true;
    }

private:
    // "sink H", "window H TITLE"... "ready PID", within a deadline.
    void readReport(std::size_t expectedWindows) {
        std::string text;
        const ULONGLONG deadline = GetTickCount64() + 20000;
        while (text.find("ready ") == std::string::npos || text.back() != '\n') {
            DWORD available = 0;
            if (!PeekNamedPipe(output_.get(), nullptr, 0, nullptr, &available, nullptr))
                throw std::runtime_error("probe.exe ended early: " + text);
            if (available == 0) {
                if (GetTickCount64() > deadline) throw std::runtime_error("probe.exe did not get ready: " + text);
                Sleep(20);
                continue;
            }
            std::string chunk(available, '\0');
            DWORD got = 0;
            ReadFile(output_.get(), chunk.data(), available, &got, nullptr);
            text.append(chunk, 0, got);
        }
        std::size_t at = 0;
        while (at < text.size()) {
            std::size_t end = text.find('\n', at);
            std::string line = text.substr(at, end - at);
            at = end + 1;
            auto handleAfter = [&](std::size_t prefix) {
                return platform::WindowId{std::stoull(line.substr(prefix, line.find(' ', prefix) - prefix))};
            };
            if (line.rfind("sink ", 0) == 0)
                sink_ = handleAfter(5);
            else if (line.rfind("window ", 0) == 0)
                windows_.push_back(handleAfter(7));
        }
        if (windows_.size() != expectedWindows) throw std::runtime_error("probe.exe opened other windows: " + text);
    }

    win32::UniqueHandle process_;
    win32::UniqueHandle output_;
    platform::ProcessId processId_;
    platform::WindowId sink_;
    std::vector<platform::WindowId> windows_;
};

}  // namespace

std::unique_ptr<DesktopProbe> startProbe(ContractEnvironment&, const std::vector<ProbeWindow>& windows) {
    return std::make_unique<Win32DesktopProbe>(windows);
}

}  // namespace umbrix::contract
