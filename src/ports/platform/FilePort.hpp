#pragma once
// Files and folders, by full Windows path (UTF-8 in the core).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/IoResult.hpp"

namespace umbrix::platform {

class FilePort {
public:
    FilePort() = default;
    FilePort(const FilePort&) = delete;
    FilePort& operator=(const FilePort&) = delete;
    virtual ~FilePort() = default;

    // CreateFileW(OPEN_EXISTING) + ReadFile: the whole file as bytes; nullopt when it
    // does not exist or cannot be read.
    virtual std::optional<std::string> readFile(std::string_view path) = 0;

    // CreateFileW(CREATE_ALWAYS) + WriteFile + FlushFileBuffers: the bytes are on disk
    // when this returns ok. A failure may leave a partial file behind.
    virtual IoResult writeFileThrough(std::string_view path, std::string_view bytes) = 0;

    // CreateFileW(OPEN_ALWAYS, FILE_APPEND_DATA) + WriteFile: adds the bytes at the end of the
    // file, creating it when it is missing. A failure may leave part of the bytes behind.
    virtual IoResult appendFile(std::string_view path, std::string_view bytes) = 0;

    // GetFileAttributesExW: the size of a file in bytes; nullopt when there is no such file.
    virtual std::optional<std::uint64_t> fileSize(std::string_view path) = 0;

    // MoveFileExW(MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH): puts `from` in
    // place of `to` in one step; `to` is either the old file or the new one, never a mix.
    virtual IoResult replaceFile(std::string_view from, std::string_view to) = 0;

    // DeleteFileW.
    virtual IoResult deleteFile(std::string_view path) = 0;

    // GetFileAttributesW: exists and is not a folder / is a folder.
    virtual bool fileExists(std::string_view path) = 0;
    virtual bool directoryExists(std::string_view path) = 0;

    // CreateDirectoryW of one folder whose parent exists.
    virtual IoResult createDirectory(std::string_view path) = 0;
};

}  // namespace umbrix::platform
