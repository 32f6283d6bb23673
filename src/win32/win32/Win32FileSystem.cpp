#include "win32/Win32FileSystem.hpp"

#include <windows.h>

#include "win32/UniqueHandle.hpp"
#include "win32/Utf16.hpp"

namespace umbrix::win32 {

using platform::IoResult;

namespace {
IoResult lastError() { return IoResult::failure(GetLastError()); }

IoResult writeAll(HANDLE file, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD wrote = 0;
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        if (!WriteFile(file, bytes.data() + done, chunk, &wrote, nullptr)) return lastError();
        done += wrote;
    }
    return IoResult::success();
}
}  // namespace

std::optional<std::string> Win32FileSystem::readFile(std::string_view path) {
    UniqueHandle file(CreateFileW(widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    std::string bytes;
    char buffer[64 * 1024];
    DWORD got = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    return bytes;
}

IoResult Win32FileSystem::writeFileThrough(std::string_view path, std::string_view bytes) {
    UniqueHandle file(
        CreateFileW(widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return lastError();
    if (IoResult written = writeAll(file.get(), bytes); !written) return written;
    if (!FlushFileBuffers(file.get())) return lastError();
    return IoResult::success();
}

IoResult Win32FileSystem::appendFile(std::string_view path, std::string_view bytes) {
    UniqueHandle file(CreateFileW(widen(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return lastError();
    return writeAll(file.get(), bytes);
}

std::optional<std::uint64_t> Win32FileSystem::fileSize(std::string_view path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(widen(path).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

IoResult Win32FileSystem::replaceFile(std::string_view from, std::string_view to) {
    if (!MoveFileExW(widen(from).c_str(), widen(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return lastError();
    return IoResult::success();
}

IoResult Win32FileSystem::deleteFile(std::string_view path) {
    if (!DeleteFileW(widen(path).c_str())) return lastError();
    return IoResult::success();
}

bool Win32FileSystem::fileExists(std::string_view path) {
    DWORD attributes = GetFileAttributesW(widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::directoryExists(std::string_view path) {
    DWORD attributes = GetFileAttributesW(widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

IoResult Win32FileSystem::createDirectory(std::string_view path) {
    if (!CreateDirectoryW(widen(path).c_str(), nullptr)) return lastError();
    return IoResult::success();
}

}  // namespace umbrix::win32
