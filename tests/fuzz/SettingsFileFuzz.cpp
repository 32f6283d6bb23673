// The settings file read and saved through the simulated Windows: any "QZ.ini" is loaded the way
// the main window and the panic window load it, saved in full, and loaded again.
#include <string>

#include "FuzzTarget.hpp"
#include "SettingsProperties.hpp"
#include "sim/SimFileSystem.hpp"
#include "sim/SimText.hpp"
#include "settings/ProfileText.hpp"
#include "settings/SettingsKeys.hpp"
#include "settings/SettingsLoad.hpp"
#include "settings/SettingsSave.hpp"

namespace {

using namespace umbrix;
using namespace umbrix::settings;

constexpr std::string_view kPath = "C:\\Program Files\\Umbrix\\QZ.ini";
constexpr platform::ScreenPoint kDesktopOrigin{-1280, -200};

Options load(SettingsFile& file) {
    Options selections;
    loadMainWindowSelections(file, selections);
    loadPanicWindowSelections(file, selections, kDesktopOrigin);
    return selections;
}

// A text that reading gives back as written: no blank or quote at either end (reading trims
// blanks and takes off a pair of quotes), no line break or NUL (written as spaces), and short.
bool readsBackUnchanged(std::string_view text) {
    if (fuzz::asWritten(text) != text || trimProfileBlanks(text) != text) return false;
    if (text.size() > kMaxProfileValueLength) return false;  // UTF-16 units never outnumber UTF-8 bytes
    return text.empty() || (text.front() != '"' && text.front() != '\'' && text.back() != '"' && text.back() != '\'');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sim::SimFileSystem files;
    sim::SimText codePage;
    files.putFile(kPath, std::string_view(reinterpret_cast<const char*>(data), size));
    SettingsFile file(files, codePage, std::string(kPath));

    const Options loaded = load(file);
    writeOptions(file, loaded);
    const Options reloaded = load(file);

    // Every number and switch comes back as saved, and every text that reading gives back as
    // written; any other text comes back as a part of what was written.
    for (const SettingsKey& key : settingsKeyTable()) {
        if (!key.loaded) continue;
        if (const auto* field = std::get_if<BoolField>(&key.field)) {
            FUZZ_CHECK(reloaded.**field == loaded.**field);
        } else if (const auto* number = std::get_if<IntegerField>(&key.field)) {
            FUZZ_CHECK(reloaded.**number == loaded.**number);
        } else {
            const StringField text = std::get<StringField>(key.field);
            const std::string &before = loaded.*text, &after = reloaded.*text;
            const bool same = before == after;
            const bool part = fuzz::asWritten(before).find(after) != std::string::npos;
            if (!same)
                std::fprintf(stderr, "%s: \"%s\" reads back as \"%s\"\n", key.key.data(), before.c_str(),
                             after.c_str());
            FUZZ_CHECK(same || (!readsBackUnchanged(before) && part));
        }
    }

    // Saving what was just loaded from the saved file writes nothing when nothing changed.
    if (reloaded == loaded) {
        const int mutations = files.mutations();
        writeOptions(file, reloaded);
        FUZZ_CHECK(files.mutations() == mutations);
    }
    return 0;
}
