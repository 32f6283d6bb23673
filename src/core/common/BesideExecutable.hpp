#pragma once
// The program keeps its files in its own folder: the folder part of the executable's full path,
// with its trailing separator, followed by the file's name.
#include <string>
#include <string_view>

namespace umbrix {

inline std::string fileBesideExecutable(std::string_view executablePath, std::string_view fileName) {
    const std::size_t separator = executablePath.find_last_of("\\/");
    std::string path(separator == std::string_view::npos ? std::string_view{}
                                                         : executablePath.substr(0, separator + 1));
    return path.append(fileName);
}

}  // namespace umbrix
