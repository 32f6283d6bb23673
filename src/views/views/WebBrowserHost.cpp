#include "views/WebBrowserHost.hpp"

#include <exdispid.h>
#include <mshtmdid.h>
#include <mshtmhst.h>
#include <shlwapi.h>

#include <atomic>
#include <string>

#include "common/SystemError.hpp"

namespace umbrix::win32 {

namespace {

// The document drawn at `percent` of the size the control gives it by itself (the system's scale).
void zoom(IWebBrowser2& browser, int percent) {
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = percent;
    browser.ExecWB(OLECMDID_OPTICAL_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &value, nullptr);
}

void check(HRESULT result, const char* step) {
    if (FAILED(result))
        throw SystemError(std::string("the web-browser control ") + step, static_cast<std::uint32_t>(result));
}

}  // namespace

// The container's side, one COM object for every interface the control asks its site for. It
// keeps no pointer to the host: the control may hold it a little longer than the host lives,
// and after detach() it answers as a site without a window.
class WebBrowserHost::Site final : public IOleClientSite,
                                   public IOleInPlaceSite,
                                   public IOleInPlaceFrame,
                                   public IDocHostUIHandler,
                                   public IDispatch {
public:
    explicit Site(HWND parent) : parent_(parent) {}

    void setBounds(const RECT& bounds) { bounds_ = bounds; }
    // The zoom each document takes once it has loaded.
    void setZoom(int percent) { zoom_ = percent; }
    const RECT& bounds() const { return bounds_; }
    void detach() { parent_ = nullptr; }

    // IUnknown
    IFACEMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
            *object = static_cast<IOleClientSite*>(this);
        else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite))
            *object = static_cast<IOleInPlaceSite*>(this);
        else if (IsEqualIID(iid, IID_IOleInPlaceUIWindow) || IsEqualIID(iid, IID_IOleInPlaceFrame))
            *object = static_cast<IOleInPlaceFrame*>(this);
        else if (IsEqualIID(iid, IID_IDocHostUIHandler))
            *object = static_cast<IDocHostUIHandler*>(this);
        else if (IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, DIID_DWebBrowserEvents2))
            *object = static_cast<IDispatch*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    IFACEMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    IFACEMETHODIMP_(ULONG) Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // IOleClientSite
    IFACEMETHODIMP SaveObject() override { return E_NOTIMPL; }
    IFACEMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
        if (moniker) *moniker = nullptr;
        return E_NOTIMPL;
    }
    IFACEMETHODIMP GetContainer(IOleContainer** container) override {
        if (container) *container = nullptr;
        return E_NOINTERFACE;
    }
    IFACEMETHODIMP ShowObject() override { return S_OK; }
    IFACEMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    IFACEMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow, for the in-place site and the frame alike: the area the control lives in.
    IFACEMETHODIMP GetWindow(HWND* window) override {
        if (!window) return E_POINTER;
        *window = parent_;
        return parent_ ? S_OK : E_FAIL;
    }
    IFACEMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    IFACEMETHODIMP CanInPlaceActivate() override { return parent_ ? S_OK : S_FALSE; }
    IFACEMETHODIMP OnInPlaceActivate() override { return S_OK; }
    IFACEMETHODIMP OnUIActivate() override { return S_OK; }
    IFACEMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                    LPRECT clip, LPOLEINPLACEFRAMEINFO info) override {
        if (!frame || !document || !position || !clip || !info) return E_POINTER;
        *frame = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
        *document = nullptr;
        *position = bounds_;
        *clip = bounds_;
        info->fMDIApp = FALSE;
        info->hwndFrame = parent_ ? GetAncestor(parent_, GA_ROOT) : nullptr;
        info->haccel = nullptr;
        info->cAccelEntries = 0;
        return S_OK;
    }
    IFACEMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    IFACEMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    IFACEMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    IFACEMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    IFACEMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    // The host places the control itself.
    IFACEMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow and IOleInPlaceFrame: no tool space, menus or status line to share.
    IFACEMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    IFACEMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    IFACEMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    IFACEMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    IFACEMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    IFACEMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    IFACEMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    IFACEMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    IFACEMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    IFACEMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

    // IDocHostUIHandler: the document without a browser's trimmings, scaled with the screen.
    IFACEMETHODIMP ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) override { return S_OK; }
    IFACEMETHODIMP GetHostInfo(DOCHOSTUIINFO* info) override {
        if (!info || info->cbSize < sizeof(DOCHOSTUIINFO)) return E_INVALIDARG;
        info->dwFlags =
            DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_DISABLE_HELP_MENU | DOCHOSTUIFLAG_THEME | DOCHOSTUIFLAG_DPI_AWARE;
        info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
        info->pchHostCss = nullptr;
        info->pchHostNS = nullptr;
        return S_OK;
    }
    IFACEMETHODIMP ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                          IOleInPlaceUIWindow*) override {
        return S_OK;
    }
    IFACEMETHODIMP HideUI() override { return S_OK; }
    IFACEMETHODIMP UpdateUI() override { return S_OK; }
    IFACEMETHODIMP OnDocWindowActivate(BOOL) override { return S_OK; }
    IFACEMETHODIMP OnFrameWindowActivate(BOOL) override { return S_OK; }
    IFACEMETHODIMP ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
    IFACEMETHODIMP TranslateAccelerator(LPMSG, const GUID*, DWORD) override { return S_FALSE; }
    IFACEMETHODIMP GetOptionKeyPath(LPOLESTR* key, DWORD) override {
        if (key) *key = nullptr;
        return E_NOTIMPL;
    }
    IFACEMETHODIMP GetDropTarget(IDropTarget*, IDropTarget** target) override {
        if (target) *target = nullptr;
        return E_NOTIMPL;
    }
    IFACEMETHODIMP GetExternal(IDispatch** external) override {
        if (external) *external = nullptr;
        return S_FALSE;
    }
    IFACEMETHODIMP TranslateUrl(DWORD, LPWSTR, LPWSTR* translated) override {
        if (translated) *translated = nullptr;
        return S_FALSE;
    }
    IFACEMETHODIMP FilterDataObject(IDataObject*, IDataObject** filtered) override {
        if (filtered) *filtered = nullptr;
        return S_FALSE;
    }

    // IDispatch: the ambient properties the control reads from its site, and the control's
    // events. The page needs its images and nothing that runs: no scripts, ActiveX, Java, and no
    // dialog boxes. A loaded document takes the zoom of the window's monitor.
    IFACEMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (count) *count = 0;
        return S_OK;
    }
    IFACEMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return E_NOTIMPL;
    }
    IFACEMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    IFACEMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* arguments, VARIANT* result, EXCEPINFO*,
                          UINT*) override {
        if (member == DISPID_DOCUMENTCOMPLETE) {
            // DocumentComplete(IDispatch* browser, VARIANT* url): the arguments come last first.
            if (arguments && arguments->cArgs == 2 && arguments->rgvarg[1].vt == VT_DISPATCH &&
                arguments->rgvarg[1].pdispVal) {
                Microsoft::WRL::ComPtr<IWebBrowser2> browser;
                if (SUCCEEDED(arguments->rgvarg[1].pdispVal->QueryInterface(
                        IID_IWebBrowser2, reinterpret_cast<void**>(browser.GetAddressOf()))))
                    zoom(*browser.Get(), zoom_);
            }
            return S_OK;
        }
        if (member != DISPID_AMBIENT_DLCONTROL || !result) return DISP_E_MEMBERNOTFOUND;
        VariantInit(result);
        result->vt = VT_I4;
        result->lVal = DLCTL_DLIMAGES | DLCTL_NO_SCRIPTS | DLCTL_NO_JAVA | DLCTL_NO_RUNACTIVEXCTLS |
                       DLCTL_NO_DLACTIVEXCTLS | DLCTL_NO_BEHAVIORS | DLCTL_NO_CLIENTPULL | DLCTL_SILENT;
        return S_OK;
    }

private:
    ~Site() = default;

    std::atomic<ULONG> references_{1};
    HWND parent_;
    RECT bounds_{};
    int zoom_ = 100;
};

WebBrowserHost::WebBrowserHost(HWND parent) : site_(new Site(parent)) {
    try {
        check(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                               reinterpret_cast<void**>(object_.GetAddressOf())),
              "cannot be created");
        check(object_->SetClientSite(site_), "refuses its site");
        // Embedded: the control keeps itself alive only while it is active.
        OleSetContainedObject(object_.Get(), TRUE);
        RECT bounds = site_->bounds();
        check(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_, 0, parent, &bounds),
              "cannot be activated in place");
        check(object_.As(&browser_), "has no browser interface");
        // Whatever the document does, the control shows no dialog box of its own, and a file
        // dropped onto it does not replace the page.
        check(browser_->put_Silent(VARIANT_TRUE), "cannot be silenced");
        browser_->put_RegisterAsDropTarget(VARIANT_FALSE);
        // Its events tell when a document has loaded; without them the document keeps the
        // system's scale.
        Microsoft::WRL::ComPtr<IConnectionPointContainer> points;
        if (SUCCEEDED(browser_.As(&points)) &&
            SUCCEEDED(points->FindConnectionPoint(DIID_DWebBrowserEvents2, &events_)) &&
            FAILED(events_->Advise(static_cast<IDispatch*>(site_), &eventsCookie_)))
            events_.Reset();
        Microsoft::WRL::ComPtr<IOleInPlaceObject> inPlace;
        check(object_.As(&inPlace), "is not in place");
        check(inPlace->GetWindow(&control_), "has no window");
        ShowWindow(control_, SW_HIDE);
    } catch (...) {
        close();
        throw;
    }
}

WebBrowserHost::~WebBrowserHost() { close(); }

void WebBrowserHost::close() noexcept {
    if (events_) events_->Unadvise(eventsCookie_);
    events_.Reset();
    if (browser_) browser_->Stop();
    if (object_) {
        Microsoft::WRL::ComPtr<IOleInPlaceObject> inPlace;
        if (SUCCEEDED(object_.As(&inPlace))) inPlace->InPlaceDeactivate();
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
    }
    browser_.Reset();
    object_.Reset();
    control_ = nullptr;
    if (site_) {
        site_->detach();
        site_->Release();
        site_ = nullptr;
    }
}

void WebBrowserHost::navigate(const std::wstring& url) {
    BSTR address = SysAllocStringLen(url.data(), static_cast<UINT>(url.size()));
    if (!address) throw SystemError("the web-browser control has no memory for the address", E_OUTOFMEMORY);
    VARIANT flags;
    VariantInit(&flags);
    flags.vt = VT_I4;
    flags.lVal = navNoHistory;
    VARIANT none;
    VariantInit(&none);
    const HRESULT result = browser_->Navigate(address, &flags, &none, &none, &none);
    SysFreeString(address);
    check(result, "refuses the document");
}

void WebBrowserHost::place(const RECT& bounds) {
    site_->setBounds(bounds);
    Microsoft::WRL::ComPtr<IOleInPlaceObject> inPlace;
    if (SUCCEEDED(object_.As(&inPlace))) inPlace->SetObjectRects(&bounds, &bounds);
}

void WebBrowserHost::show(bool visible) { ShowWindow(control_, visible ? SW_SHOWNA : SW_HIDE); }

void WebBrowserHost::setDpi(int dpi) {
    if (dpi == dpi_) return;
    dpi_ = dpi;
    applyZoom();
}

void WebBrowserHost::applyZoom() noexcept {
    // The document scales with the system's DPI by itself; on a monitor of another scale it is
    // zoomed to that monitor's: the document shown now at once, the next ones as they load.
    const int percent = MulDiv(100, dpi_, static_cast<int>(GetDpiForSystem()));
    site_->setZoom(percent);
    zoom(*browser_.Get(), percent);
}

std::wstring fileUrl(const std::wstring& path) {
    std::wstring url(2084, L'\0');  // the longest URL the control opens
    DWORD length = static_cast<DWORD>(url.size());
    if (FAILED(UrlCreateFromPathW(path.c_str(), url.data(), &length, 0))) return L"file:///" + path;
    url.resize(length);
    return url;
}

}  // namespace umbrix::win32
