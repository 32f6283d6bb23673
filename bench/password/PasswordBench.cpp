// What checking a password costs, and that the digest comparison takes as long whether the
// first or the last byte differs (a plain == stops at the first difference).
#include <chrono>
#include <cstdio>
#include <string>

#include "hotkeys/HotkeyText.hpp"
#include "crypto/Pbkdf2.hpp"
#include "password/Secrets.hpp"
#include "sim/SimMachine.hpp"

namespace {

using Clock = std::chrono::steady_clock;

template <class Work>
double secondsOf(int rounds, Work&& work) {
    auto start = Clock::now();
    for (int i = 0; i < rounds; ++i) work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

volatile bool sink;

}  // namespace

int main() {
    using namespace umbrix;

    const double derivation =
        secondsOf(1, [] { (void)crypto::pbkdf2HmacSha256("Secret", "0123456789abcdef", 600000, 32); });
    std::printf("portable PBKDF2-HMAC-SHA256, 600000 iterations: %.3f s per password check\n", derivation);

    // Long strings make the difference between early and late mismatches measurable.
    const std::string digest(1 << 20, '\x5a');
    std::string early = digest, late = digest;
    early.front() ^= 1;
    late.back() ^= 1;
    constexpr int kRounds = 200;
    const double constantEarly = secondsOf(kRounds, [&] { sink = password::constantTimeEquals(digest, early); });
    const double constantLate = secondsOf(kRounds, [&] { sink = password::constantTimeEquals(digest, late); });
    const double plainEarly = secondsOf(kRounds, [&] { sink = digest == early; });
    const double plainLate = secondsOf(kRounds, [&] { sink = digest == late; });
    std::printf("comparison, late / early mismatch: constant-time %.2f, plain == %.2f\n", constantLate / constantEarly,
                plainLate / plainEarly);

    // parseHotkeyText names every key from 0x08 up until one matches: the layout's names cost
    // one port call each.
    sim::SimMachine machine;
    hotkeys::HotkeyText text(machine.hotkeys, machine.text);
    for (const char* input : {"Ctrl+H", "Ctrl+;", "CTRL+BACKSPACE"}) {
        const int before = machine.hotkeys.keyNameCalls;
        (void)text.parseHotkeyText(input);
        std::printf("ParseHotKeyText(\"%s\"): %d key name lookups\n", input, machine.hotkeys.keyNameCalls - before);
    }
    return 0;
}
