#pragma once
#include "platform/DialogPort.hpp"

namespace umbrix::win32 {

class Win32Dialogs final : public platform::DialogPort {
public:
    platform::DialogButton messageBox(const platform::MessageBoxRequest& request) override;
};

}  // namespace umbrix::win32
