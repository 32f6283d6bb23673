#include "common/AtomicFile.hpp"

namespace umbrix {

std::string temporaryPathFor(std::string_view path) { return std::string(path) + ".new"; }

platform::IoResult writeFileAtomically(platform::FilePort& files, std::string_view path, std::string_view bytes) {
    const std::string temporary = temporaryPathFor(path);
    platform::IoResult result = files.writeFileThrough(temporary, bytes);
    if (result) result = files.replaceFile(temporary, path);
    if (!result && files.fileExists(temporary)) {
        // The failure is already being reported; a leftover temporary file is overwritten next time.
        (void)files.deleteFile(temporary);
    }
    return result;
}

}  // namespace umbrix
