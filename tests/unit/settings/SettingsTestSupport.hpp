#pragma once
// A simulated machine with the settings file bound beside the executable.
#include <string>
#include <vector>

#include "sim/SimMachine.hpp"
#include "settings/ProfileText.hpp"
#include "settings/SettingsFile.hpp"

namespace umbrix::settings::testing {

inline const std::string kExeFolder = "C:\\Program Files\\Umbrix";
inline const std::string kSettingsPath = kExeFolder + "\\QZ.ini";

struct SettingsMachine {
    sim::SimMachine machine;
    SettingsFile file = SettingsFile::besideExecutable(machine.platform());

    // The file as text (it is written in the code page: Windows-1252 in the sim).
    std::string text() { return machine.text.fromCodePage(machine.files.readFile(kSettingsPath).value_or("")); }
    void putText(std::string_view text) { machine.files.putFile(kSettingsPath, machine.text.toCodePage(text)); }
    bool exists() { return machine.files.fileExists(kSettingsPath); }
};

// The key names of a file's lines in "StartUp", in file order.
inline std::vector<std::string> keysInOrder(std::string_view text) {
    std::vector<std::string> keys;
    bool inSection = false;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(begin, end - begin);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty() && line.front() == '[')
            inSection = asciiNamesEqual(line, "[StartUp]");
        else if (inSection && line.find('=') != std::string_view::npos)
            keys.emplace_back(line.substr(0, line.find('=')));
        begin = end + 1;
    }
    return keys;
}

}  // namespace umbrix::settings::testing
