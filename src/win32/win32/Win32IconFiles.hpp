#pragma once
#include <windows.h>

#include <functional>

#include "platform/IconFilePort.hpp"

namespace umbrix::win32 {

class Win32IconFiles final : public platform::IconFilePort {
public:
    // The window that owns the picker: the program's application window, which exists only once
    // the program has started; until then, and without this, the picker has no owner.
    void setOwnerWindow(std::function<HWND()> owner) { owner_ = std::move(owner); }

    // Throws when shell32.dll offers no icon picker.
    std::optional<platform::IconLocation> pickIcon(const platform::IconLocation& start) override;
    int iconCount(std::string_view file) override;
    std::optional<platform::IconSize> extractIcon(std::string_view file, int index) override;

private:
    std::function<HWND()> owner_;
};

}  // namespace umbrix::win32
