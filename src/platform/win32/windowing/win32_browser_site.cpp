#include "platform/win32/windowing/win32_browser_site.h"

#include <exdisp.h>
#include <exdispid.h>

#include <new>

#include "platform/win32/callback_guard.h"
#include "platform/win32/text_conversion.h"

namespace curfew::platform::win32 {
namespace {

// The program's window as the embedded object's frame: it offers no menus, tool space or
// accelerators of its own.
class BrowserFrame final : public IOleInPlaceFrame {
 public:
  explicit BrowserFrame(HWND window) : window_(window) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (id == IID_IUnknown || id == IID_IOleWindow || id == IID_IOleInPlaceUIWindow || id == IID_IOleInPlaceFrame)
      *object = static_cast<IOleInPlaceFrame*>(this);
    if (!*object) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
    if (!window) return E_POINTER;
    *window = window_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetBorder(RECT*) override { return INPLACE_E_NOTOOLSPACE; }
  HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
  HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*, WORD) override { return S_FALSE; }

 private:
  ~BrowserFrame() = default;
  std::atomic<ULONG> references_ = 1;
  HWND window_;
};

// Event arguments come last to first.
const VARIANT* Argument(const DISPPARAMS& parameters, UINT fromFirst) {
  if (fromFirst >= parameters.cArgs) return nullptr;
  return &parameters.rgvarg[parameters.cArgs - 1 - fromFirst];
}

std::string TextOf(const VARIANT* value) {
  if (!value) return {};
  const BSTR text = value->vt == VT_BSTR                                   ? value->bstrVal
                    : value->vt == (VT_BSTR | VT_BYREF) && value->pbstrVal ? *value->pbstrVal
                                                                           : nullptr;
  return text ? WideToUtf8(text) : std::string();
}

long NumberOf(const VARIANT* value) {
  if (!value) return 0;
  if (value->vt == VT_I4) return value->lVal;
  if (value->vt == (VT_I4 | VT_BYREF) && value->plVal) return *value->plVal;
  return 0;
}

}  // namespace

HRESULT BrowserSite::QueryInterface(REFIID id, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (id == IID_IUnknown || id == IID_IOleClientSite)
    *object = static_cast<IOleClientSite*>(this);
  else if (id == IID_IOleWindow || id == IID_IOleInPlaceSite)
    *object = static_cast<IOleInPlaceSite*>(this);
  else if (id == IID_IDispatch || id == DIID_DWebBrowserEvents2)
    *object = static_cast<IDispatch*>(this);
  if (!*object) return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG BrowserSite::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT BrowserSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

HRESULT BrowserSite::GetContainer(IOleContainer** container) {
  if (container) *container = nullptr;
  return E_NOINTERFACE;
}

HRESULT BrowserSite::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = host_;
  return S_OK;
}

HRESULT BrowserSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, RECT* position,
                                      RECT* clip, OLEINPLACEFRAMEINFO* frameInfo) {
  if (!frame || !document || !position || !clip || !frameInfo) return E_POINTER;
  *document = nullptr;
  *frame = new (std::nothrow) BrowserFrame(frame_);  // nothing may be thrown back to the object
  if (!*frame) return E_OUTOFMEMORY;
  GetClientRect(host_, position);
  *clip = *position;
  frameInfo->fMDIApp = FALSE;
  frameInfo->hwndFrame = frame_;
  frameInfo->haccel = nullptr;
  frameInfo->cAccelEntries = 0;
  return S_OK;
}

HRESULT BrowserSite::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT BrowserSite::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT* result, EXCEPINFO*,
                            UINT*) {
  if (result) VariantInit(result);
  switch (member) {
    case DISPID_STATUSTEXTCHANGE:
    case DISPID_PROGRESSCHANGE:
    case DISPID_DOWNLOADBEGIN:
    case DISPID_DOWNLOADCOMPLETE:
      if (parameters && control_)
        Guarded(0, [&] {
          HandOn(member, *parameters);
          return 0;
        });
      return S_OK;
    default: return DISP_E_MEMBERNOTFOUND;
  }
}

void BrowserSite::HandOn(DISPID member, const DISPPARAMS& parameters) const {
  switch (member) {
    case DISPID_STATUSTEXTCHANGE: control_->EngineStatusTextChange(TextOf(Argument(parameters, 0))); break;
    case DISPID_PROGRESSCHANGE:
      control_->EngineProgressChange(NumberOf(Argument(parameters, 0)), NumberOf(Argument(parameters, 1)));
      break;
    case DISPID_DOWNLOADBEGIN: control_->EngineDownloadBegin(); break;
    case DISPID_DOWNLOADCOMPLETE: control_->EngineDownloadComplete(); break;
    default: break;
  }
}

}  // namespace curfew::platform::win32
