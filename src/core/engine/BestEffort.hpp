#pragma once
// The window actions are best effort and silent: an unexpected failure ends an action where it
// was, keeps what it had done and recorded, and is answered with false. This is the one place
// where the engine absorbs such a failure.
#include <exception>
#include <utility>

namespace umbrix::engine {

// Runs `body`; true when it ran to its end.
template <class Body>
bool runBestEffort(Body&& body) {
    try {
        std::forward<Body>(body)();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// Runs `body` for its answer; on a failure runs `recover` and answers false.
template <class Body, class Recover>
bool runBestEffort(Body&& body, Recover&& recover) {
    try {
        return std::forward<Body>(body)();
    } catch (const std::exception&) {
        std::forward<Recover>(recover)();
        return false;
    }
}

}  // namespace umbrix::engine
