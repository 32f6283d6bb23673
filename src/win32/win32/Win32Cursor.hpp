#pragma once
#include "platform/CursorPort.hpp"

namespace umbrix::win32 {

class Win32Cursor final : public platform::CursorPort {
public:
    void showBusy(bool busy) override;
};

}  // namespace umbrix::win32
