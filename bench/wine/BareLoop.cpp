#include "BareLoop.hpp"

#include <cstdint>
#include <iterator>
#include <algorithm>
#include <stdexcept>

namespace umbrix::bench {

namespace {

void writeLine(HANDLE to, const std::string& line) {
    const std::string text = line + "\n";
    DWORD written = 0;
    if (!WriteFile(to, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) || written != text.size())
        throw std::runtime_error("cannot write to the bare loop's pipe");
}

// One line without its end; false at the end of the input.
bool readLine(HANDLE from, std::string& line) {
    line.clear();
    char c = 0;
    DWORD read = 0;
    while (ReadFile(from, &c, 1, &read, nullptr) && read == 1) {
        if (c == '\n') return true;
        if (c != '\r') line += c;
    }
    return false;
}

std::wstring ownPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// The given windows in the current Z order, top first: the order a hide-all walks them in.
// Each hide of the active window hands the activation on to the next one, and that costs.
std::vector<HWND> inZOrder(const std::vector<HWND>& windows) {
    struct Walk {
        const std::vector<HWND>& wanted;
        std::vector<HWND> found;
    } walk{windows, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& w = *reinterpret_cast<Walk*>(data);
            if (std::find(w.wanted.begin(), w.wanted.end(), window) != w.wanted.end()) w.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&walk));
    return walk.found;
}

}  // namespace

BareLoopProcess::BareLoopProcess(const std::vector<HWND>& windows) {
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE loopInput = nullptr, loopOutput = nullptr;
    if (!CreatePipe(&loopInput, &toLoop_, &inheritable, 0) || !CreatePipe(&fromLoop_, &loopOutput, &inheritable, 0))
        throw std::runtime_error("cannot create the bare loop's pipes");
    SetHandleInformation(toLoop_, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(fromLoop_, HANDLE_FLAG_INHERIT, 0);

    std::wstring commandLine =
        L"\"" + ownPath() + L"\" " + std::wstring(std::begin(kBareLoopOption), std::end(kBareLoopOption) - 1);
    for (HWND window : windows)
        commandLine +=
            L" " + std::to_wstring(static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(window)));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = loopInput;
    startup.hStdOutput = loopOutput;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION started{};
    const BOOL created =
        CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &started);
    CloseHandle(loopInput);
    CloseHandle(loopOutput);
    if (!created) {
        CloseHandle(toLoop_);
        CloseHandle(fromLoop_);
        throw std::runtime_error("cannot start the bare loop's process");
    }
    CloseHandle(started.hThread);
    process_ = started.hProcess;
}

BareLoopProcess::~BareLoopProcess() {
    CloseHandle(toLoop_);  // the end of its input ends the loop's process
    if (WaitForSingleObject(process_, 10000) != WAIT_OBJECT_0) TerminateProcess(process_, 1);
    CloseHandle(process_);
    CloseHandle(fromLoop_);
}

LONGLONG BareLoopProcess::run(const std::string& command) {
    writeLine(toLoop_, command);
    std::string answer;
    if (!readLine(fromLoop_, answer) || answer.empty())
        throw std::runtime_error("the bare loop's process did not answer \"" + command + "\"");
    return std::stoll(answer);
}

int runBareLoop(const std::vector<std::string>& handles) {
    std::vector<HWND> windows;
    for (const std::string& handle : handles)
        windows.push_back(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(std::stoull(handle))));
    const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    // Hidden top of the Z order first, shown again in the order of hiding, as Umbrix does.
    std::vector<HWND> order = windows;
    std::string command;
    while (readLine(in, command)) {
        int show = 0;
        if (command == "hide") {
            show = SW_HIDE;
            order = inZOrder(windows);
        } else if (command == "show") {
            show = SW_SHOW;
        } else {
            return 2;
        }
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        for (HWND window : order) ShowWindow(window, show);
        writeLine(out, std::to_string(start.QuadPart));
    }
    return 0;
}

}  // namespace umbrix::bench
