#include "sim/SimFileSystem.hpp"

#include <algorithm>
#include <cctype>

namespace umbrix::sim {

using platform::IoResult;
namespace errors = platform::errors;

namespace {
constexpr std::uint32_t kDirNotEmpty = 145;  // ERROR_DIR_NOT_EMPTY
}

SimFileSystem::SimFileSystem() = default;

std::string SimFileSystem::key(std::string_view path) {
    std::string k(path);
    std::replace(k.begin(), k.end(), '/', '\\');
    while (k.size() > 3 && k.back() == '\\') k.pop_back();  // "C:\" keeps its separator
    for (char& c : k) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return k;
}

std::string SimFileSystem::parentOf(std::string_view path) {
    std::string k = key(path);
    auto cut = k.find_last_of('\\');
    if (cut == std::string::npos) return {};
    if (cut == 2 && k.size() > 1 && k[1] == ':') return k.substr(0, 3);
    return k.substr(0, cut);
}

bool SimFileSystem::writable(std::string_view path) const {
    std::string folder = parentOf(path);
    for (const auto& ro : readOnly_) {
        if (folder == ro || folder.rfind(ro + "\\", 0) == 0) return false;
    }
    return true;
}

SimFileSystem::Fault SimFileSystem::nextMutation(std::uint32_t& error) {
    auto it = faults_.find(mutationCount_++);
    if (it == faults_.end()) return Fault::None;
    error = it->second.second;
    Fault f = it->second.first;
    faults_.erase(it);
    return f;
}

std::optional<std::string> SimFileSystem::readFile(std::string_view path) {
    ++readCount_;
    if (heldOpen_.count(key(path))) return std::nullopt;
    auto it = files_.find(key(path));
    if (it == files_.end()) return std::nullopt;
    return it->second.bytes;
}

IoResult SimFileSystem::writeFileThrough(std::string_view path, std::string_view bytes) {
    return writeBytes(path, bytes, /*append=*/false);
}

IoResult SimFileSystem::appendFile(std::string_view path, std::string_view bytes) {
    return writeBytes(path, bytes, /*append=*/true);
}

IoResult SimFileSystem::writeBytes(std::string_view path, std::string_view bytes, bool append) {
    std::uint32_t error = 0;
    Fault fault = nextMutation(error);
    if (!directoryExists(parentOf(path))) return IoResult::failure(errors::kPathNotFound);
    if (!writable(path) || directoryExists(path)) return IoResult::failure(errors::kAccessDenied);
    if (heldOpen_.count(key(path))) return IoResult::failure(errors::kSharingViolation);
    auto& entry = files_[key(path)];
    if (entry.path.empty()) entry.path = std::string(path);
    // CREATE_ALWAYS truncates the file first; a failing write leaves only part of the data.
    if (!append) entry.bytes.clear();
    if (fault == Fault::None) {
        entry.bytes.append(bytes);
        return IoResult::success();
    }
    entry.bytes.append(bytes.substr(0, bytes.size() / 2));
    if (fault == Fault::Crash) throw SimCrash();
    return IoResult::failure(error);
}

std::optional<std::uint64_t> SimFileSystem::fileSize(std::string_view path) {
    auto it = files_.find(key(path));
    if (it == files_.end()) return std::nullopt;
    return it->second.bytes.size();
}

IoResult SimFileSystem::replaceFile(std::string_view from, std::string_view to) {
    std::uint32_t error = 0;
    Fault fault = nextMutation(error);
    if (fault == Fault::Crash) throw SimCrash();  // the rename is atomic: nothing changed
    if (fault == Fault::Fail) return IoResult::failure(error);
    auto it = files_.find(key(from));
    if (it == files_.end()) return IoResult::failure(errors::kFileNotFound);
    if (!writable(to) || !writable(from) || directoryExists(to)) return IoResult::failure(errors::kAccessDenied);
    if (heldOpen_.count(key(from)) || heldOpen_.count(key(to))) return IoResult::failure(errors::kSharingViolation);
    if (!directoryExists(parentOf(to))) return IoResult::failure(errors::kPathNotFound);
    Entry moved = it->second;
    files_.erase(it);
    auto old = files_.find(key(to));
    moved.path = old != files_.end() ? old->second.path : std::string(to);
    files_[key(to)] = std::move(moved);
    return IoResult::success();
}

IoResult SimFileSystem::deleteFile(std::string_view path) {
    std::uint32_t error = 0;
    Fault fault = nextMutation(error);
    if (fault == Fault::Crash) throw SimCrash();
    if (fault == Fault::Fail) return IoResult::failure(error);
    auto it = files_.find(key(path));
    if (it == files_.end()) return IoResult::failure(errors::kFileNotFound);
    if (!writable(path)) return IoResult::failure(errors::kAccessDenied);
    if (heldOpen_.count(key(path))) return IoResult::failure(errors::kSharingViolation);
    files_.erase(it);
    return IoResult::success();
}

bool SimFileSystem::fileExists(std::string_view path) { return files_.count(key(path)) != 0; }

bool SimFileSystem::directoryExists(std::string_view path) { return directories_.count(key(path)) != 0; }

IoResult SimFileSystem::createDirectory(std::string_view path) {
    std::uint32_t error = 0;
    Fault fault = nextMutation(error);
    if (fault == Fault::Crash) throw SimCrash();
    if (fault == Fault::Fail) return IoResult::failure(error);
    if (directoryExists(path) || fileExists(path)) return IoResult::failure(errors::kAlreadyExists);
    if (!directoryExists(parentOf(path))) return IoResult::failure(errors::kPathNotFound);
    if (!writable(path)) return IoResult::failure(errors::kAccessDenied);
    directories_.insert(key(path));
    return IoResult::success();
}

void SimFileSystem::putFile(std::string_view path, std::string_view bytes) {
    makeDirectories(parentOf(path));
    files_[key(path)] = Entry{std::string(path), std::string(bytes)};
}

void SimFileSystem::makeDirectories(std::string_view path) {
    std::string k = key(path);
    if (k.empty()) return;
    for (std::size_t pos = k.find('\\'); pos != std::string::npos; pos = k.find('\\', pos + 1)) {
        directories_.insert(pos == 2 ? k.substr(0, 3) : k.substr(0, pos));
    }
    directories_.insert(k);
}

void SimFileSystem::setReadOnly(std::string_view folder, bool readOnly) {
    if (readOnly)
        readOnly_.insert(key(folder));
    else
        readOnly_.erase(key(folder));
}

void SimFileSystem::holdOpen(std::string_view path, bool held) {
    if (held)
        heldOpen_.insert(key(path));
    else
        heldOpen_.erase(key(path));
}

void SimFileSystem::failMutation(int index, std::uint32_t error) {
    faults_[mutationCount_ + index] = {Fault::Fail, error};
}

void SimFileSystem::crashAtMutation(int index) { faults_[mutationCount_ + index] = {Fault::Crash, 0}; }

void SimFileSystem::clearFaults() { faults_.clear(); }

std::set<std::string> SimFileSystem::filesIn(std::string_view folder) const {
    std::set<std::string> names;
    std::string prefix = key(folder) + "\\";
    for (const auto& [k, entry] : files_) {
        if (k.rfind(prefix, 0) == 0 && k.find('\\', prefix.size()) == std::string::npos) {
            names.insert(entry.path.substr(entry.path.find_last_of("\\/") + 1));
        }
    }
    return names;
}

std::set<std::string> SimFileSystem::foldersIn(std::string_view folder) const {
    std::set<std::string> names;
    std::string prefix = key(folder) + "\\";
    for (const auto& k : directories_) {
        if (k.size() > prefix.size() && k.rfind(prefix, 0) == 0 && k.find('\\', prefix.size()) == std::string::npos) {
            names.insert(k.substr(prefix.size()));
        }
    }
    return names;
}

IoResult SimFileSystem::removeDirectory(std::string_view path) {
    std::uint32_t error = 0;
    Fault fault = nextMutation(error);
    if (fault == Fault::Crash) throw SimCrash();
    if (fault == Fault::Fail) return IoResult::failure(error);
    if (!directoryExists(path)) return IoResult::failure(errors::kFileNotFound);
    if (!writable(path)) return IoResult::failure(errors::kAccessDenied);
    if (!filesIn(path).empty() || !foldersIn(path).empty()) return IoResult::failure(kDirNotEmpty);
    directories_.erase(key(path));
    return IoResult::success();
}

}  // namespace umbrix::sim
