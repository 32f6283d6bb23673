#pragma once
// What the application shell's contract cases run against: processes of the program that claim
// the instance mutex, the program's hidden windows, and the outside world that reaches them
// (another program's named object, a WM_CLOSE, the end of the session).
#include <memory>
#include <string>

#include "platform/ApplicationPort.hpp"
#include "platform/InstancePort.hpp"

namespace umbrix::contract {

class AppWorld {
public:
    virtual ~AppWorld() = default;

    // A new process of the program; destroying it ends the process and closes its handles.
    virtual std::unique_ptr<platform::InstancePort> startProcess() = 0;
    // Another program's event object under `name`, alive as long as this world.
    virtual void createForeignObject(const std::string& name) = 0;

    // This process's hidden windows.
    virtual platform::ApplicationPort& application() = 0;
    virtual bool applicationWindowExists() = 0;
    virtual bool controllerWindowExists() = 0;
    virtual bool applicationWindowIsToolWindow() = 0;
    // PostMessageW(controller, WM_CLOSE) from outside.
    virtual void postCloseToController() = 0;
    // WM_QUERYENDSESSION, then WM_ENDSESSION with the outcome; returns whether it ended.
    virtual bool endSession(bool anotherProgramRefuses) = 0;
};

std::unique_ptr<AppWorld> makeAppWorld();

}  // namespace umbrix::contract
