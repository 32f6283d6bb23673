#pragma once
// What every fuzz target shares: the libFuzzer entry point it defines, the check that ends the
// run when a property fails, and the splitting of one input into parts.
//
// A target is built twice: with libFuzzer (the `fuzz` preset, clang) to search for failing
// inputs, and with FuzzReplay.cpp (every other build) to run its saved inputs as a test.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace umbrix::fuzz {

// A failed property is a crash to libFuzzer: it saves the input and stops, and the replay test
// fails with the same message.
[[noreturn]] inline void propertyFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property failed: %s\n", file, line, condition);
    std::abort();
}

// Parts of one input, separated by the byte 0x1E (the ASCII record separator), so that seeds can
// be written by hand. The rest, taken last, may hold any byte.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

    std::string_view part() {
        const std::size_t end = rest_.find('\x1E');
        const std::string_view part = rest_.substr(0, end);
        rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
        return part;
    }

    std::string_view rest() {
        const std::string_view rest = rest_;
        rest_ = {};
        return rest;
    }

private:
    std::string_view rest_;
};

}  // namespace umbrix::fuzz

#define FUZZ_CHECK(condition) \
    ((condition) ? static_cast<void>(0) : ::umbrix::fuzz::propertyFailed(#condition, __FILE__, __LINE__))
