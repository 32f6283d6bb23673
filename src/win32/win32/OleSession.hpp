#pragma once
// OLE on the user-interface thread for the program's whole run: the thread is a single-threaded
// apartment, as the controls the program hosts (the welcome page's web browser) and the shell's
// dialogs require. Started before anything else that uses COM, ended after everything else.
#include <windows.h>
// After windows.h, which it needs.
#include <ole2.h>

namespace umbrix::win32 {

class OleSession {
public:
    // OleInitialize counts: on a thread where OLE already runs it answers S_FALSE and still
    // needs its OleUninitialize. On a thread already in the multithreaded apartment it fails;
    // the thread then goes on without OLE, and what needs it shows its fallback.
    OleSession() : result_(OleInitialize(nullptr)) {}
    ~OleSession() {
        if (SUCCEEDED(result_)) OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

    bool started() const { return SUCCEEDED(result_); }

private:
    HRESULT result_;
};

}  // namespace umbrix::win32
