#pragma once
// The log of the errors the program drops ("Umbrix.log" beside the settings): one line per
// dropped error with the local time, the operation it ended and the Win32 error code, so that a
// user's report that something did not work has something to go on. The same line goes to the
// debugger output. What goes in is the program's own text only: the operation's name, the
// error's message (which names no window, no typed text, no password) and numbers.
// The log is the last resort: a failure to write it is swallowed here.
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

#include "platform/ClockPort.hpp"
#include "platform/FilePort.hpp"
#include "platform/SystemPort.hpp"

namespace umbrix::app {

inline constexpr std::string_view kDroppedErrorLogName = "Umbrix.log";
// Past this size the log becomes "Umbrix.log.1" (replacing the one before) and starts anew, so
// the two together never hold much more than twice this.
inline constexpr std::uint64_t kDroppedErrorLogCap = 64 * 1024;

class DroppedErrorLog {
public:
    DroppedErrorLog(platform::FilePort& files, platform::ClockPort& clock, platform::SystemPort& system);
    DroppedErrorLog(const DroppedErrorLog&) = delete;
    DroppedErrorLog& operator=(const DroppedErrorLog&) = delete;

    // Writes the line of one dropped error. Throws no std::exception (what is not one, such as
    // the sim's crash, is the program's death and goes on).
    void record(std::string_view place, const std::exception& error);

    // "2024-03-09 14:05:07.000 [place] Win32 error 5: message" and CR LF; without a Win32
    // code the "Win32 error" part is left out. Control characters in the message become blanks
    // and a long message is cut, so that one error is always one line.
    static std::string formatLine(const platform::LocalTime& time, std::string_view place, std::string_view message,
                                  std::uint32_t code);

private:
    void append(const std::string& line);

    platform::FilePort& files_;
    platform::ClockPort& clock_;
    platform::SystemPort& system_;
};

}  // namespace umbrix::app
