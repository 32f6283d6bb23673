#pragma once
// The system's web-browser control in a child area of a window of the program: a small OLE
// container (client site, in-place site and frame, the document host's interface) that activates
// the control in place and shows one local document with nothing else of a browser: no context
// menu, no 3-D border, no dialog boxes, no scripts, ActiveX or Java, no files dropped onto it.
#include <windows.h>
// After windows.h, which they need.
#include <exdisp.h>
#include <ocidl.h>
#include <ole2.h>
#include <wrl/client.h>

#include <string>

namespace umbrix::win32 {

class WebBrowserHost {
public:
    // The control, active in place in `parent`'s client area and hidden until shown. Throws
    // SystemError with the HRESULT of the step that failed, with nothing left behind.
    explicit WebBrowserHost(HWND parent);
    // The control is closed and released here: this must run before `parent` is destroyed. A
    // navigation still under way is stopped first.
    ~WebBrowserHost();
    WebBrowserHost(const WebBrowserHost&) = delete;
    WebBrowserHost& operator=(const WebBrowserHost&) = delete;

    // Opens `url`; a document that is not there shows as the control's own error page. Throws
    // SystemError when the control refuses the navigation.
    void navigate(const std::wstring& url);
    // Where it shows, in the parent's client coordinates.
    void place(const RECT& bounds);
    void show(bool visible);
    // The document is drawn at the scale of a monitor of `dpi`.
    void setDpi(int dpi);

private:
    class Site;
    void close() noexcept;
    void applyZoom() noexcept;

    Site* site_ = nullptr;  // one reference, released last
    Microsoft::WRL::ComPtr<IOleObject> object_;
    Microsoft::WRL::ComPtr<IWebBrowser2> browser_;
    Microsoft::WRL::ComPtr<IConnectionPoint> events_;  // the control's events, delivered to the site
    DWORD eventsCookie_ = 0;
    HWND control_ = nullptr;  // the control's own window, the parent's child
    int dpi_ = 0;  // none given yet: the system's scale
};

// The file: URL of a full Windows path, as the control opens it.
std::wstring fileUrl(const std::wstring& path);

}  // namespace umbrix::win32
