#pragma once
#include "platform/FilePort.hpp"

namespace umbrix::win32 {

class Win32FileSystem final : public platform::FilePort {
public:
    std::optional<std::string> readFile(std::string_view path) override;
    platform::IoResult writeFileThrough(std::string_view path, std::string_view bytes) override;
    platform::IoResult appendFile(std::string_view path, std::string_view bytes) override;
    std::optional<std::uint64_t> fileSize(std::string_view path) override;
    platform::IoResult replaceFile(std::string_view from, std::string_view to) override;
    platform::IoResult deleteFile(std::string_view path) override;
    bool fileExists(std::string_view path) override;
    bool directoryExists(std::string_view path) override;
    platform::IoResult createDirectory(std::string_view path) override;
};

}  // namespace umbrix::win32
