#pragma once
// An in-memory file system with Windows path rules (case-insensitive, "\" separators) and
// fault injection: a failing or a crashing step at any chosen mutation, read-only folders,
// files another program holds open.
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "platform/FilePort.hpp"

namespace umbrix::sim {

// Thrown by the sim when a scripted crash kills the program in the middle of an operation.
// Deliberately not a std::exception: no guard of the program may survive its own death.
struct SimCrash {};

class SimFileSystem final : public platform::FilePort {
public:
    SimFileSystem();

    std::optional<std::string> readFile(std::string_view path) override;
    platform::IoResult writeFileThrough(std::string_view path, std::string_view bytes) override;
    platform::IoResult appendFile(std::string_view path, std::string_view bytes) override;
    std::optional<std::uint64_t> fileSize(std::string_view path) override;
    platform::IoResult replaceFile(std::string_view from, std::string_view to) override;
    platform::IoResult deleteFile(std::string_view path) override;
    bool fileExists(std::string_view path) override;
    bool directoryExists(std::string_view path) override;
    platform::IoResult createDirectory(std::string_view path) override;

    // Set-up for tests: creates missing parent folders too.
    void putFile(std::string_view path, std::string_view bytes);
    void makeDirectories(std::string_view path);
    void setReadOnly(std::string_view folder, bool readOnly = true);
    // Another program holds the file open without sharing it (a backup or virus scanner, say):
    // until it lets go the file exists but cannot be read, written, replaced or deleted.
    void holdOpen(std::string_view path, bool held = true);

    // The `index`-th mutation from now (0 = the next one) fails with `error`; a failing
    // write leaves the first half of its bytes behind, as a full disk would.
    void failMutation(int index, std::uint32_t error = platform::errors::kDiskFull);
    // The `index`-th mutation from now dies half-way (a write leaves half its bytes) and
    // throws SimCrash.
    void crashAtMutation(int index);
    void clearFaults();

    // What happened so far.
    int mutations() const { return mutationCount_; }
    int reads() const { return readCount_; }
    std::set<std::string> filesIn(std::string_view folder) const;
    std::set<std::string> foldersIn(std::string_view folder) const;

    // RemoveDirectoryW of an empty folder; a folder that still holds something is refused.
    platform::IoResult removeDirectory(std::string_view path);

private:
    struct Entry {
        std::string path;  // as first written
        std::string bytes;
    };
    enum class Fault { None, Fail, Crash };

    static std::string key(std::string_view path);
    static std::string parentOf(std::string_view path);
    bool writable(std::string_view path) const;
    // CreateFileW(CREATE_ALWAYS) or (OPEN_ALWAYS, FILE_APPEND_DATA), then WriteFile.
    platform::IoResult writeBytes(std::string_view path, std::string_view bytes, bool append);
    Fault nextMutation(std::uint32_t& error);

    std::map<std::string, Entry> files_;
    std::set<std::string> directories_;
    std::set<std::string> readOnly_;
    std::set<std::string> heldOpen_;
    std::map<int, std::pair<Fault, std::uint32_t>> faults_;  // by absolute mutation number
    int mutationCount_ = 0;
    int readCount_ = 0;
};

}  // namespace umbrix::sim
