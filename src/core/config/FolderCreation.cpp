#include "config/FolderCreation.hpp"

#include <string>
#include <vector>

namespace umbrix::config {

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// "C:\a\b\" -> "C:\a\b"; a drive root keeps its separator.
std::string_view withoutTrailingSeparators(std::string_view path) {
    while (path.size() > 1 && isSeparator(path.back()) && !(path.size() == 3 && path[1] == ':')) {
        path.remove_suffix(1);
    }
    return path;
}

// "C:\a\b" -> "C:\a", "C:\a" -> "C:\", and empty when there is no parent.
std::string_view parentOf(std::string_view path) {
    std::size_t cut = path.find_last_of("\\/");
    if (cut == std::string_view::npos || cut + 1 == path.size()) return {};
    if (cut == 2 && path[1] == ':') return path.substr(0, 3);
    return withoutTrailingSeparators(path.substr(0, cut));
}

}  // namespace

platform::IoResult createFolderWithParents(platform::FilePort& files, std::string_view folder) {
    if (withoutTrailingSeparators(folder).empty()) return platform::IoResult::failure(platform::errors::kPathNotFound);
    std::vector<std::string_view> missing;  // deepest first
    for (std::string_view current = withoutTrailingSeparators(folder);
         !current.empty() && !files.directoryExists(current); current = parentOf(current)) {
        missing.push_back(current);
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        auto created = files.createDirectory(*it);
        // Someone else may have made it in the meantime; a file of that name is no folder.
        if (!created && !(created.error == platform::errors::kAlreadyExists && files.directoryExists(*it))) {
            return created;
        }
    }
    return platform::IoResult::success();
}

}  // namespace umbrix::config
