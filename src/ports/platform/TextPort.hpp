#pragma once
// Text rules that belong to the user's locale and the system's code page.
#include <string>
#include <string_view>

namespace umbrix::platform {

class TextPort {
public:
    TextPort() = default;
    TextPort(const TextPort&) = delete;
    TextPort& operator=(const TextPort&) = delete;
    virtual ~TextPort() = default;

    // CharUpperBuffW: upper-cases with the user's locale rules (UTF-8 in and out).
    virtual std::string upperCase(std::string_view utf8) = 0;

    // WideCharToMultiByte(CP_ACP): UTF-8 to the system's 8-bit code page. Characters the
    // code page lacks become '?', as the profile functions write them.
    virtual std::string toCodePage(std::string_view utf8) = 0;

    // MultiByteToWideChar(CP_ACP): the system's 8-bit code page to UTF-8.
    virtual std::string fromCodePage(std::string_view bytes) = 0;
};

}  // namespace umbrix::platform
