// The version file the update server publishes: any bytes are read as one, or refused with an
// error that names a line and quotes the server's text safely.
#include <string>

#include "FuzzTarget.hpp"
#include "text/Utf8.hpp"
#include "update/VersionFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace umbrix;
    using namespace umbrix::update;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const Version content = readVersionFile(bytes, "x86");
        // No placeholder is left in an address.
        FUZZ_CHECK(content.installerUrl.find(kPlatformPlaceholder) == std::string::npos);
        FUZZ_CHECK(content.installerUrl2.find(kPlatformPlaceholder) == std::string::npos);
    } catch (const VersionFileError& error) {
        FUZZ_CHECK(error.line() >= 1 && error.line() <= 5);
        // The message is well-formed UTF-8 without a control character, and short whatever the
        // file holds.
        const std::string message = error.what();
        FUZZ_CHECK(utf8::encode(utf8::decode(message)) == message);
        for (char32_t c : utf8::decode(message)) FUZZ_CHECK(c >= 0x20 && !(c >= 0x7F && c <= 0x9F));
        FUZZ_CHECK(message.size() < 400);
    }
    return 0;
}
