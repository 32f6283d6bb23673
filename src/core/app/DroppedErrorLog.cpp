#include "app/DroppedErrorLog.hpp"

#include <cstdio>

#include "common/BesideExecutable.hpp"
#include "common/SystemError.hpp"

namespace umbrix::app {

namespace {

constexpr std::size_t kMessageLimit = 300;  // bytes of a message kept in its line

// Cut at a character's start, never inside a UTF-8 sequence.
std::string_view cutAtCharacter(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) return text;
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}

std::string oneLine(std::string_view message) {
    std::string line(cutAtCharacter(message, kMessageLimit));
    for (char& c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) c = ' ';
    }
    if (line.size() < message.size()) line += "...";
    return line;
}

std::uint32_t win32CodeOf(const std::exception& error) {
    const auto* system = dynamic_cast<const SystemError*>(&error);
    return system ? system->code() : 0;
}

}  // namespace

DroppedErrorLog::DroppedErrorLog(platform::FilePort& files, platform::ClockPort& clock, platform::SystemPort& system)
    : files_(files), clock_(clock), system_(system) {}

std::string DroppedErrorLog::formatLine(const platform::LocalTime& time, std::string_view place,
                                        std::string_view message, std::uint32_t code) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d.%03d", time.year, time.month, time.day, time.hour,
                  time.minute, time.second, time.milliseconds);
    std::string line = std::string(stamp) + " [" + oneLine(place) + "] ";
    if (code != 0) line += "Win32 error " + std::to_string(code) + ": ";
    return line + oneLine(message) + "\r\n";
}

void DroppedErrorLog::record(std::string_view place, const std::exception& error) {
    try {
        const std::string line = formatLine(clock_.localTime(), place, error.what(), win32CodeOf(error));
        system_.writeDebugOutput(line);
        append(line);
    } catch (const std::exception&) {
        // Nowhere left to tell: the program goes on without this line.
    }
}

void DroppedErrorLog::append(const std::string& line) {
    const std::string path = fileBesideExecutable(system_.executablePath(), kDroppedErrorLogName);
    const std::optional<std::uint64_t> size = files_.fileSize(path);
    if (size && *size + line.size() > kDroppedErrorLogCap) {
        // The older half goes; a log that can neither be set aside nor removed is not added to,
        // so it never grows without bound.
        if (!files_.replaceFile(path, path + ".1") && !files_.deleteFile(path)) return;
    }
    (void)files_.appendFile(path, line);
}

}  // namespace umbrix::app
