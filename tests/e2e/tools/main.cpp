// wintool: what the end-to-end tests need to see and do inside Wine. Prints UTF-8 on stdout.
// Exit codes: 0 done, 1 nothing matched, 2 wrong usage.
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <commctrl.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "Keys.hpp"
#include "MessageBoxes.hpp"
#include "Windows.hpp"

namespace {

using namespace wintool;

const char kUsage[] =
    "usage:\n"
    "  wintool list [--all] [--class C] [--title T] [--pid P]   visible (or all) top-level windows\n"
    "  wintool find [--visible] [--class C] [--title T] [--pid P]\n"
    "  wintool close HANDLE | [--class C] [--title T] [--pid P]   posts WM_CLOSE to each match\n"
    "  wintool endsession [--cancel] HANDLE | [--class C] ...\n"
    "        WM_QUERYENDSESSION, then WM_ENDSESSION with its answer (FALSE with --cancel: another\n"
    "        program refused)\n"
    "  wintool msgbox [--caption C] [--pid P]        prints a message box's text\n"
    "  wintool press BUTTON [--caption C] [--pid P]  presses a message box's button\n"
    "  wintool keys CHORD...                         e.g. ctrl+space, with SendInput\n"
    "  wintool processes                             pid and executable of every process\n"
    "  wintool geometry HANDLE                       style (hex), window and client size in pixels\n"
    "  wintool controls HANDLE                       the window's child controls: class, text, visible\n"
    "  wintool click HANDLE CLASS [N]                a left click (SendInput) on the middle of the window's\n"
    "                                                Nth (0: first) child control of that class\n"
    "  wintool rows HANDLE CLASS [N]                 each row of the Nth list view of that class: its\n"
    "                                                columns' texts, tab-separated\n"
    "  wintool clickrow HANDLE CLASS N ROW           a left click on a row of the Nth list view\n"
    "  wintool focus                                 class and text of the control with the focus\n"
    "  wintool show HANDLE | hide HANDLE             ShowWindow SW_SHOWNOACTIVATE or SW_HIDE\n"
    "  wintool foreground [HANDLE]                   SetForegroundWindow, then prints the foreground\n"
    "                                                window's handle (0: none)\n"
    "  wintool alpha HANDLE                          the layered window's opacity (alpha N), or\n"
    "                                                alpha none when it is not layered\n"
    "  wintool rightclick HANDLE CLASS [N]           a right click on the Nth child control of that class\n"
    "  wintool hover HANDLE CLASS [N]                the mouse moved over the Nth child control\n"
    "  wintool move HANDLE X Y                       SetWindowPos to that place, size and Z order kept\n"
    "  wintool drag X1 Y1 X2 Y2                      the left button pressed at one point of the screen,\n"
    "                                                moved in steps and released at the other\n"
    "  wintool answering HANDLE [MS]                 exit code 0 when the window's thread answers a\n"
    "                                                message within MS milliseconds (5000), else 1\n"
    "Window lines: handle, class, title, pid, visible, extended style, tab-separated.\n";

void out(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

struct Arguments {
    std::wstring command;
    std::vector<std::wstring> positional;
    WindowFilter filter;
    std::wstring caption;
    bool all = false;
    bool cancel = false;
    bool ok = true;
};

Arguments parse(int argc, wchar_t** argv) {
    Arguments args;
    if (argc < 2) {
        args.ok = false;
        return args;
    }
    args.command = argv[1];
    for (int i = 2; i < argc; ++i) {
        std::wstring a = argv[i];
        auto value = [&](std::wstring& into) {
            if (i + 1 >= argc)
                args.ok = false;
            else
                into = argv[++i];
        };
        std::wstring number;
        if (a == L"--class")
            value(args.filter.className);
        else if (a == L"--title")
            value(args.filter.title);
        else if (a == L"--caption")
            value(args.caption);
        else if (a == L"--pid") {
            value(number);
            args.filter.processId = static_cast<DWORD>(_wtoi(number.c_str()));
        } else if (a == L"--all")
            args.all = true;
        else if (a == L"--cancel")
            args.cancel = true;
        else if (a == L"--visible")
            args.filter.visibleOnly = true;
        else if (a.rfind(L"--", 0) == 0)
            args.ok = false;
        else
            args.positional.push_back(a);
    }
    return args;
}

// A handle given by number, or every window that matches the filter.
std::vector<HWND> targets(const Arguments& args) {
    std::vector<HWND> windows;
    if (!args.positional.empty()) {
        HWND handle =
            reinterpret_cast<HWND>(static_cast<std::uintptr_t>(_wcstoui64(args.positional[0].c_str(), nullptr, 0)));
        if (IsWindow(handle)) windows.push_back(handle);
        return windows;
    }
    for (const auto& w : topLevelWindows(args.filter)) windows.push_back(w.handle);
    return windows;
}

int listWindows(Arguments args, bool requireOne) {
    int count = 0;
    for (const auto& window : topLevelWindows(args.filter)) {
        out(describe(window));
        ++count;
    }
    return requireOne && count == 0 ? 1 : 0;
}

int closeWindows(const Arguments& args) {
    auto windows = targets(args);
    for (HWND window : windows) PostMessageW(window, WM_CLOSE, 0, 0);
    return windows.empty() ? 1 : 0;
}

int endSession(const Arguments& args) {
    auto windows = targets(args);
    for (HWND window : windows) {
        DWORD_PTR allowed = 0;
        SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &allowed);
        out("query " + std::to_string(reinterpret_cast<std::uintptr_t>(window)) + " " + (allowed ? "1" : "0"));
        DWORD_PTR ignored = 0;
        bool ends = allowed && !args.cancel;
        SendMessageTimeoutW(window, WM_ENDSESSION, ends ? TRUE : FALSE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000,
                            &ignored);
    }
    return windows.empty() ? 1 : 0;
}

int readMessageBox(const Arguments& args) {
    auto box = findMessageBox(args.caption, args.filter.processId);
    if (!box) return 1;
    out(toUtf8(messageBoxText(*box)));
    return 0;
}

int pressMessageBoxButton(const Arguments& args) {
    if (args.positional.empty()) return 2;
    auto box = findMessageBox(args.caption, args.filter.processId);
    if (!box) return 1;
    return pressButton(*box, args.positional[0]) ? 0 : 1;
}

int pressKeys(const Arguments& args) {
    if (args.positional.empty()) return 2;
    for (const auto& chord : args.positional) {
        std::wstring error;
        if (!pressChord(chord, error)) {
            std::fprintf(stderr, "%s\n", toUtf8(error).c_str());
            return 2;
        }
    }
    return 0;
}

int listProcesses() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 1;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        out(std::to_string(entry.th32ProcessID) + "\t" + escaped(entry.szExeFile));
    CloseHandle(snapshot);
    return 0;
}

int showGeometry(const Arguments& args) {
    auto windows = targets(args);
    if (args.positional.empty() || windows.empty()) return args.positional.empty() ? 2 : 1;
    HWND window = windows.front();
    RECT frame{}, client{};
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    char style[32];
    wsprintfA(style, "0x%08lX", static_cast<unsigned long>(GetWindowLongPtrW(window, GWL_STYLE)));
    out(std::string("style ") + style + " window " + std::to_string(frame.right - frame.left) + "x" +
        std::to_string(frame.bottom - frame.top) + " at " + std::to_string(frame.left) + "," +
        std::to_string(frame.top) + " client " + std::to_string(client.right) + "x" + std::to_string(client.bottom));
    return 0;
}

int listControls(const Arguments& args) {
    auto windows = targets(args);
    if (args.positional.empty() || windows.empty()) return args.positional.empty() ? 2 : 1;
    for (HWND child : childWindows(windows.front()))
        out(escaped(windowClass(child)) + "\t" + escaped(windowText(child)) + "\t" +
            (IsWindowVisible(child) ? "1" : "0"));
    return 0;
}

// The control with the keyboard focus in the foreground window's thread: its class and text.
int showFocus(const Arguments&) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(0, &info) || !info.hwndFocus) return 1;
    // WM_GETTEXT, not GetWindowTextW: across processes that reads only the caption the control
    // was created with, and an edit field keeps what it shows itself.
    wchar_t text[512]{};
    SendMessageTimeoutW(info.hwndFocus, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, nullptr);
    out(escaped(windowClass(info.hwndFocus)) + "\t" + escaped(text));
    return 0;
}

// The mouse moves over the control and clicks it, as a user's hand would.
// The window's `wanted`th (0: first) child control of the class; null when it has none.
HWND nthControl(HWND parent, const std::wstring& className, int wanted) {
    for (HWND child : childWindows(parent)) {
        if (lstrcmpiW(windowClass(child).c_str(), className.c_str()) != 0) continue;
        if (wanted-- == 0) return child;
    }
    return nullptr;
}

INPUT mouseTo(int x, int y) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65535, width - 1);
    input.mi.dy = MulDiv(y, 65535, height - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

INPUT mouseButton(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

// A click (SendInput) at a point of the screen, with the left or the right button.
int clickAt(int x, int y, bool right = false) {
    INPUT inputs[3] = {mouseTo(x, y), mouseButton(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN),
                       mouseButton(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP)};
    return SendInput(3, inputs, sizeof(INPUT)) == 3 ? 0 : 1;
}

enum class Pointer { LeftClick, RightClick, Hover };

int pointAtControl(const Arguments& args, Pointer pointer) {
    auto windows = targets(args);
    if (args.positional.size() < 2 || windows.empty()) return args.positional.size() < 2 ? 2 : 1;
    HWND control = nthControl(windows.front(), args.positional[1],
                              args.positional.size() > 2 ? _wtoi(args.positional[2].c_str()) : 0);
    if (!control) return 1;
    RECT rect{};
    GetWindowRect(control, &rect);
    const int x = (rect.left + rect.right) / 2, y = (rect.top + rect.bottom) / 2;
    if (pointer == Pointer::Hover) {
        INPUT move = mouseTo(x, y);
        return SendInput(1, &move, sizeof(INPUT)) == 1 ? 0 : 1;
    }
    return clickAt(x, y, pointer == Pointer::RightClick);
}

// A drag as a hand makes it: press, a few moves with pauses so that the window's move loop
// follows, release.
int drag(const Arguments& args) {
    if (args.positional.size() < 4) return 2;
    const int x1 = _wtoi(args.positional[0].c_str()), y1 = _wtoi(args.positional[1].c_str());
    const int x2 = _wtoi(args.positional[2].c_str()), y2 = _wtoi(args.positional[3].c_str());
    INPUT start[2] = {mouseTo(x1, y1), mouseButton(MOUSEEVENTF_LEFTDOWN)};
    if (SendInput(2, start, sizeof(INPUT)) != 2) return 1;
    constexpr int kSteps = 10;
    for (int step = 1; step <= kSteps; ++step) {
        Sleep(30);
        INPUT move = mouseTo(x1 + (x2 - x1) * step / kSteps, y1 + (y2 - y1) * step / kSteps);
        SendInput(1, &move, sizeof(INPUT));
    }
    Sleep(100);
    INPUT release = mouseButton(MOUSEEVENTF_LEFTUP);
    return SendInput(1, &release, sizeof(INPUT)) == 1 ? 0 : 1;
}

int layeredAlpha(const Arguments& args) {
    auto windows = targets(args);
    if (args.positional.empty() || windows.empty()) return args.positional.empty() ? 2 : 1;
    HWND window = windows.front();
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) ||
        !GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA)) {
        out("alpha none");
        return 0;
    }
    out("alpha " + std::to_string(alpha));
    return 0;
}

// Memory in the list view's process: a list view of another program reads and writes its
// structures there.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, SIZE_T size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteBuffer() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    bool ok() const { return address_ != nullptr; }
    void* at(SIZE_T offset) const { return static_cast<char*>(address_) + offset; }
    bool write(SIZE_T offset, const void* data, SIZE_T size) {
        return WriteProcessMemory(process_, at(offset), data, size, nullptr);
    }
    bool read(SIZE_T offset, void* data, SIZE_T size) {
        return ReadProcessMemory(process_, at(offset), data, size, nullptr);
    }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

// The text of each row of a list view in report mode, its columns tab-separated.
int listRows(const Arguments& args) {
    auto windows = targets(args);
    if (args.positional.size() < 2 || windows.empty()) return args.positional.size() < 2 ? 2 : 1;
    HWND list = nthControl(windows.front(), args.positional[1],
                           args.positional.size() > 2 ? _wtoi(args.positional[2].c_str()) : 0);
    if (!list) return 1;
    constexpr int kTextLength = 512;
    RemoteBuffer remote(list, sizeof(LVITEMW) + kTextLength * sizeof(wchar_t));
    if (!remote.ok()) return 1;
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int columns = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) {
        std::string line;
        for (int column = 0; column < std::max(columns, 1); ++column) {
            LVITEMW item{};
            item.iSubItem = column;
            item.pszText = static_cast<wchar_t*>(remote.at(sizeof(LVITEMW)));
            item.cchTextMax = kTextLength;
            wchar_t text[kTextLength]{};
            if (!remote.write(0, &item, sizeof item) ||
                SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote.at(0))) < 0 ||
                !remote.read(sizeof(LVITEMW), text, sizeof text))
                return 1;
            text[kTextLength - 1] = 0;
            if (column) line += '\t';
            line += escaped(text);
        }
        out(line);
    }
    return 0;
}

// A left click on the middle of a row's label in a list view.
int clickRow(const Arguments& args) {
    auto windows = targets(args);
    if (args.positional.size() < 4 || windows.empty()) return args.positional.size() < 4 ? 2 : 1;
    HWND list = nthControl(windows.front(), args.positional[1], _wtoi(args.positional[2].c_str()));
    if (!list) return 1;
    RemoteBuffer remote(list, sizeof(RECT));
    RECT rect{};
    rect.left = LVIR_LABEL;
    if (!remote.ok() || !remote.write(0, &rect, sizeof rect) ||
        !SendMessageW(list, LVM_GETITEMRECT, _wtoi(args.positional[3].c_str()),
                      reinterpret_cast<LPARAM>(remote.at(0))) ||
        !remote.read(0, &rect, sizeof rect))
        return 1;
    POINT middle{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(list, &middle);
    return clickAt(middle.x, middle.y);
}

int moveWindow(const Arguments& args) {
    auto windows = targets(args);
    if (args.positional.size() < 3 || windows.empty()) return args.positional.size() < 3 ? 2 : 1;
    SetWindowPos(windows.front(), nullptr, _wtoi(args.positional[1].c_str()), _wtoi(args.positional[2].c_str()), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

int showOrHide(const Arguments& args, bool show) {
    auto windows = targets(args);
    if (args.positional.empty() || windows.empty()) return args.positional.empty() ? 2 : 1;
    ShowWindow(windows.front(), show ? SW_SHOWNOACTIVATE : SW_HIDE);
    return 0;
}

int foreground(const Arguments& args) {
    if (!args.positional.empty()) {
        auto windows = targets(args);
        if (windows.empty()) return 1;
        SetForegroundWindow(windows.front());
    }
    out(std::to_string(reinterpret_cast<std::uintptr_t>(GetForegroundWindow())));
    return 0;
}

// SendMessageTimeout returns only once the window's thread has taken the message from its
// queue: a program that is busy or hung does not answer in time.
int answering(const Arguments& args) {
    auto windows = targets(args);
    if (args.positional.empty() || windows.empty()) return args.positional.empty() ? 2 : 1;
    const UINT timeout = args.positional.size() > 1 ? static_cast<UINT>(_wtoi(args.positional[1].c_str())) : 5000;
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(windows.front(), WM_NULL, 0, 0, SMTO_NORMAL, timeout, &ignored) ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    Arguments args = parse(argc, argv);
    int result = 2;
    if (!args.ok)
        result = 2;
    else if (args.command == L"list") {
        args.filter.visibleOnly = !args.all;
        result = listWindows(args, false);
    } else if (args.command == L"find")
        result = listWindows(args, true);
    else if (args.command == L"close")
        result = closeWindows(args);
    else if (args.command == L"endsession")
        result = endSession(args);
    else if (args.command == L"msgbox")
        result = readMessageBox(args);
    else if (args.command == L"press")
        result = pressMessageBoxButton(args);
    else if (args.command == L"keys")
        result = pressKeys(args);
    else if (args.command == L"processes")
        result = listProcesses();
    else if (args.command == L"geometry")
        result = showGeometry(args);
    else if (args.command == L"controls")
        result = listControls(args);
    else if (args.command == L"click")
        result = pointAtControl(args, Pointer::LeftClick);
    else if (args.command == L"focus")
        result = showFocus(args);
    else if (args.command == L"rows")
        result = listRows(args);
    else if (args.command == L"clickrow")
        result = clickRow(args);
    else if (args.command == L"show")
        result = showOrHide(args, true);
    else if (args.command == L"hide")
        result = showOrHide(args, false);
    else if (args.command == L"foreground")
        result = foreground(args);
    else if (args.command == L"answering")
        result = answering(args);
    else if (args.command == L"alpha")
        result = layeredAlpha(args);
    else if (args.command == L"rightclick")
        result = pointAtControl(args, Pointer::RightClick);
    else if (args.command == L"move")
        result = moveWindow(args);
    else if (args.command == L"hover")
        result = pointAtControl(args, Pointer::Hover);
    else if (args.command == L"drag")
        result = drag(args);
    if (result == 2) std::fputs(kUsage, stderr);
    std::fflush(stdout);
    return result;
}
