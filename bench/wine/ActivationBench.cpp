// How long Umbrix.exe takes, under Wine, from its hide hotkey (Ctrl+Space) to the moment the
// last of 50 windows of another process is hidden, next to a bare loop of ShowWindow(SW_HIDE)
// over the same windows; the same for the unhide hotkey (Ctrl+Backspace) and SW_SHOW. Prints
// medians and minimums side by side, and where Umbrix's time goes: the hotkey's delivery, the
// way to the first hidden window (preparation and inventory), the hides themselves, and the
// rest of the dispatch (the extras) until Umbrix answers messages again.
//
//   activation_bench.exe [--rounds N] [--warmup N] [--windows N]
//
// Umbrix.exe must be running in the same Wine session, with its default hotkeys and the
// hide-all action (a fresh settings file gives both); run-activation-bench.sh sets that up.
// This process hosts the windows (another application to Umbrix) on a thread of its own with a
// message loop; the bare loop runs in a third process (BareLoop.hpp), so that both callers'
// ShowWindow cross processes and wait for the windows' thread to answer.
// Exit code: 0 after printing the figures, 1 when Umbrix does not act in time, 2 for a command
// line it does not understand.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "BareLoop.hpp"
#include "BenchWindows.hpp"
#include "Keys.hpp"  // the end-to-end tests' chord presser (tests/e2e/tools)

namespace umbrix::bench {
namespace {

constexpr wchar_t kControllerClass[] = L"UmbrixController";
constexpr DWORD kActionTimeoutMs = 10000;
constexpr ULONGLONG kReadyTimeoutMs = 60000;
constexpr DWORD kRetryPressMs = 3000;
// Every timed action starts from a settled desktop, as a real press would: the windows have
// painted and Wine has caught up with the display. Right after a show, a hide costs three
// times as much, and the figures would depend on how quickly the rounds follow each other.
constexpr DWORD kSettleMs = 300;
// The bench's own hotkey, far from any Umbrix uses.
constexpr BenchWindows::TestHotkey kTestHotkey{MOD_CONTROL | MOD_SHIFT, VK_F9};
constexpr wchar_t kTestHotkeyChord[] = L"ctrl+shift+f9";

struct Options {
    int rounds = 15;
    int warmup = 2;
    int windows = 50;
};

// One round's figures, in milliseconds.
struct Round {
    double hotkeyDelivery = -1;  // negative: the test hotkey could not be registered
    double hideToFirst = 0;
    double hideFirstToLast = 0;
    double hideTotal = 0;
    double hideRest = 0;
    double hideInWindows = 0;  // per window after the first: in the windows' thread
    double hideBetween = 0;  // per window after the first: between two hides
    double unhideTotal = 0;
    double unhideRest = 0;
    double bareHide = 0;
    double bareHideInWindows = 0;
    double bareHideBetween = 0;
    double bareShow = 0;
};

class Clock {
public:
    Clock() { QueryPerformanceFrequency(&frequency_); }
    static LONGLONG now() {
        LARGE_INTEGER ticks;
        QueryPerformanceCounter(&ticks);
        return ticks.QuadPart;
    }
    double ms(LONGLONG ticks) const { return ms(0, ticks); }
    double ms(LONGLONG from, LONGLONG to) const {
        return static_cast<double>(to - from) * 1000.0 / static_cast<double>(frequency_.QuadPart);
    }

private:
    LARGE_INTEGER frequency_;
};

class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void press(const wchar_t* chord) {
    std::wstring error;
    if (!wintool::pressChord(chord, error)) throw Failure("cannot press a key: SendInput failed");
}

HWND waitForController() {
    const ULONGLONG deadline = GetTickCount64() + kReadyTimeoutMs;
    while (GetTickCount64() < deadline) {
        if (HWND controller = FindWindowW(kControllerClass, nullptr)) return controller;
        Sleep(100);
    }
    throw Failure("Umbrix's controller window did not appear within 60 s: is Umbrix.exe running?");
}

// Returns once the controller answers: the dispatch that was running has ended.
LONGLONG waitUntilAnswering(HWND controller) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(controller, WM_NULL, 0, 0, SMTO_NORMAL, kActionTimeoutMs, &result))
        throw Failure("Umbrix did not answer a message within 10 s");
    return Clock::now();
}

std::string seenText(const BenchWindows& host) {
    return std::to_string(host.visibleCount()) + " of " + std::to_string(host.windows().size()) + " windows visible";
}

class ActivationBench {
public:
    ActivationBench(BenchWindows& host, BareLoopProcess& bareLoop, HWND controller)
        : host_(host), bareLoop_(bareLoop), controller_(controller) {}

    // The first hide also proves Umbrix ready: its hotkeys join the dispatch a moment after the
    // controller window exists, so the key is pressed again until the windows go.
    void firstHide() {
        const ULONGLONG deadline = GetTickCount64() + kReadyTimeoutMs;
        host_.expectAllHidden();
        Transition seen;
        for (;;) {
            press(L"ctrl+space");
            if (host_.wait(kRetryPressMs, seen)) break;
            if (GetTickCount64() >= deadline)
                throw Failure("Ctrl+Space hid nothing within 60 s (" + seenText(host_) + ")");
        }
        waitUntilAnswering(controller_);
        unhide();
        waitUntilAnswering(controller_);
        showWithBareLoop();
    }

    Round round() {
        Round r;
        if (host_.hasTestHotkey()) r.hotkeyDelivery = hotkeyDelivery();
        hide(r);
        Sleep(kSettleMs);
        const LONGLONG unhideStart = Clock::now();
        const Transition shown = unhide();
        r.unhideTotal = clock_.ms(unhideStart, shown.last);
        r.unhideRest = clock_.ms(shown.last, waitUntilAnswering(controller_));
        bareLoop(r);
        return r;
    }

private:
    double hotkeyDelivery() {
        // Wine reads the modifier keys back from the display while it still settles the last
        // round's windows; a chord pressed then can lose its modifiers.
        Sleep(kSettleMs);
        host_.expectHotkey();
        const LONGLONG start = Clock::now();
        press(kTestHotkeyChord);
        LONGLONG arrived = 0;
        if (!host_.waitHotkey(kActionTimeoutMs, arrived)) throw Failure("the bench's own hotkey did not arrive");
        return clock_.ms(start, arrived);
    }

    // Every hide starts the same way: the desktop is settled and the user works in the top
    // window. Wine can take the foreground back a moment later, when the display reports where
    // its input focus went after the last show: hence the check after the settling.
    void prepareHide() {
        for (int attempt = 0; attempt < 5; ++attempt) {
            Sleep(kSettleMs);
            HWND top = host_.activateTopWindow();
            Sleep(kSettleMs);
            if (top && GetForegroundWindow() == top) return;
        }
        throw Failure("cannot keep the top bench window in the foreground");
    }

    void hide(Round& r) {
        prepareHide();
        host_.expectAllHidden();
        const LONGLONG start = Clock::now();
        press(L"ctrl+space");
        Transition seen;
        if (!host_.wait(kActionTimeoutMs, seen))
            throw Failure("Ctrl+Space did not hide every window within 10 s (" + seenText(host_) + ")");
        const LONGLONG answering = waitUntilAnswering(controller_);
        r.hideToFirst = clock_.ms(start, seen.first);
        r.hideFirstToLast = clock_.ms(seen.first, seen.last);
        r.hideTotal = clock_.ms(start, seen.last);
        r.hideRest = clock_.ms(seen.last, answering);
        split(seen, r.hideInWindows, r.hideBetween);
    }

    Transition unhide() {
        host_.expectAllShown();
        press(L"ctrl+backspace");
        Transition seen;
        if (!host_.wait(kActionTimeoutMs, seen))
            throw Failure("Ctrl+Backspace did not bring every window back within 10 s (" + seenText(host_) + ")");
        return seen;
    }

    void split(const Transition& seen, double& inWindows, double& between) const {
        const double after = static_cast<double>(std::max<std::size_t>(host_.windows().size() - 1, 1));
        inWindows = clock_.ms(seen.busy) / after;
        between = clock_.ms(seen.last - seen.first - seen.busy) / after;
    }

    // Wine leaves the activation in another state after Umbrix's unhide than after a bare
    // show: a hide that follows then hands the activation on from window to window or not,
    // which triples its cost. So every timed hide, Umbrix's and the bare loop's, follows a bare
    // show: this untimed hide and show after each unhide by Umbrix.
    void showWithBareLoop() {
        Transition seen;
        Sleep(kSettleMs);
        bareHideAll(seen);
        Sleep(kSettleMs);
        bareShowAll(seen);
    }

    // The same windows in the same order as Umbrix (BareLoop.hpp).
    void bareLoop(Round& r) {
        Transition seen;
        showWithBareLoop();
        prepareHide();
        const LONGLONG hideStart = bareHideAll(seen);
        r.bareHide = clock_.ms(hideStart, seen.last);
        split(seen, r.bareHideInWindows, r.bareHideBetween);
        Sleep(kSettleMs);
        const LONGLONG showStart = bareShowAll(seen);
        r.bareShow = clock_.ms(showStart, seen.last);
    }

    // Each returns the tick just before the loop's first call.
    LONGLONG bareHideAll(Transition& seen) {
        host_.expectAllHidden();
        const LONGLONG start = bareLoop_.hideAll();
        if (!host_.wait(kActionTimeoutMs, seen)) throw Failure("the bare loop left windows visible");
        return start;
    }

    LONGLONG bareShowAll(Transition& seen) {
        host_.expectAllShown();
        const LONGLONG start = bareLoop_.showAll();
        if (!host_.wait(kActionTimeoutMs, seen)) throw Failure("the bare loop left windows hidden");
        return start;
    }

    BenchWindows& host_;
    BareLoopProcess& bareLoop_;
    HWND controller_;
    Clock clock_;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

template <class Field>
std::vector<double> column(const std::vector<Round>& rounds, Field field) {
    std::vector<double> values;
    for (const Round& r : rounds) values.push_back(field(r));
    return values;
}

void printRow(const char* name, const std::vector<double>& values) {
    std::printf("  %-56s %9.2f %9.2f\n", name, median(values), *std::min_element(values.begin(), values.end()));
}

void printRatio(const char* name, const std::vector<double>& ours, const std::vector<double>& bare) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < ours.size(); ++i) ratios.push_back(ours[i] / std::max(bare[i], 1e-3));
    std::printf("  %-56s %8.1fx   (ratio of the medians %.1fx)\n", name, median(ratios), median(ours) / median(bare));
}

void printTable(const Options& options, const std::vector<Round>& rounds) {
    const int n = options.windows;
    std::printf("Umbrix.exe under Wine: %d windows of another process, %zu rounds after %d warm-up rounds\n\n", n,
                rounds.size(), options.warmup);
    std::printf("  %-56s %9s %9s\n", "milliseconds", "median", "min");
    const auto hideTotal = column(rounds, [](const Round& r) { return r.hideTotal; });
    const auto bareHide = column(rounds, [](const Round& r) { return r.bareHide; });
    printRow("Umbrix: Ctrl+Space to the last window hidden", hideTotal);
    printRow("  Ctrl+Space to the first window hidden", column(rounds, [](const Round& r) { return r.hideToFirst; }));
    printRow("  first to last window hidden", column(rounds, [](const Round& r) { return r.hideFirstToLast; }));
    printRow("    per window: in the windows' thread", column(rounds, [](const Round& r) { return r.hideInWindows; }));
    printRow("    per window: between two hides", column(rounds, [](const Round& r) { return r.hideBetween; }));
    printRow("  then until Umbrix answers messages again (extras)",
             column(rounds, [](const Round& r) { return r.hideRest; }));
    printRow(("bare loop: ShowWindow(SW_HIDE) x " + std::to_string(n)).c_str(), bareHide);
    printRow("    per window: in the windows' thread",
             column(rounds, [](const Round& r) { return r.bareHideInWindows; }));
    printRow("    per window: between two hides", column(rounds, [](const Round& r) { return r.bareHideBetween; }));
    printRatio("hide ratio Umbrix / bare loop (median of rounds)", hideTotal, bareHide);
    if (rounds.front().hotkeyDelivery >= 0)
        printRow("hotkey delivery alone (SendInput to WM_HOTKEY)",
                 column(rounds, [](const Round& r) { return r.hotkeyDelivery; }));
    std::printf("\n");
    const auto unhideTotal = column(rounds, [](const Round& r) { return r.unhideTotal; });
    const auto bareShow = column(rounds, [](const Round& r) { return r.bareShow; });
    printRow("Umbrix: Ctrl+Backspace to the last window shown", unhideTotal);
    printRow("  then until Umbrix answers messages again (extras)",
             column(rounds, [](const Round& r) { return r.unhideRest; }));
    printRow(("bare loop: ShowWindow(SW_SHOW) x " + std::to_string(n)).c_str(), bareShow);
    printRatio("unhide ratio Umbrix / bare loop (median of rounds)", unhideTotal, bareShow);
    std::fflush(stdout);
}

int run(const Options& options) {
    BenchWindows host(options.windows, L"Bench Window", kTestHotkey);
    HWND controller = waitForController();
    BareLoopProcess bareLoop(host.windows());
    ActivationBench bench(host, bareLoop, controller);
    bench.firstHide();
    for (int i = 1; i < options.warmup; ++i) bench.round();
    std::vector<Round> rounds;
    for (int i = 0; i < options.rounds; ++i) rounds.push_back(bench.round());
    printTable(options, rounds);
    return 0;
}

bool readOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        if (i + 1 >= argc) return false;
        const int value = std::atoi(argv[i + 1]);
        if (std::strcmp(argv[i], "--rounds") == 0 && value >= 1)
            options.rounds = value;
        else if (std::strcmp(argv[i], "--warmup") == 0 && value >= 1)
            options.warmup = value;
        else if (std::strcmp(argv[i], "--windows") == 0 && value >= 1 && value <= 500)
            options.windows = value;
        else
            return false;
        ++i;
    }
    return true;
}

}  // namespace
}  // namespace umbrix::bench

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], umbrix::bench::kBareLoopOption) == 0) {
        try {
            return umbrix::bench::runBareLoop(std::vector<std::string>(argv + 2, argv + argc));
        } catch (const std::exception& error) {
            std::fprintf(stderr, "activation_bench (bare loop): %s\n", error.what());
            return 1;
        }
    }
    umbrix::bench::Options options;
    if (!umbrix::bench::readOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: activation_bench.exe [--rounds N] [--warmup N] [--windows N]\n");
        return 2;
    }
    try {
        return umbrix::bench::run(options);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "activation_bench: %s\n", error.what());
        return 1;
    }
}
