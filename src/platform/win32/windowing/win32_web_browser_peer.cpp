// The web browser control: the system's WebBrowser object in a host window of its own.
#include <exdisp.h>
#include <ocidl.h>

#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/windowing/win32_browser_site.h"
#include "platform/win32/windowing/win32_control_peers.h"
#include "platform/win32/windowing/win32_form_peer.h"
#include "platform/win32/windowing/win32_runtime.h"

namespace curfew::platform::win32 {
namespace {

// The browser object renders in its engine's legacy mode unless told otherwise for the
// program's file name: the current standards mode (11001: Internet Explorer 11 edge mode).
// Written once for the process.
void UseStandardsMode() {
  static bool written = false;
  if (written) return;
  written = true;
  const std::wstring path = ModuleFileName(nullptr);
  const std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
  HKEY opened = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER,
                      L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION", 0,
                      nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr) != ERROR_SUCCESS)
    return;
  const KeyHandle key(opened);
  const DWORD mode = 11001;
  RegSetValueExW(key.get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&mode), sizeof(mode));
}

void Check(HRESULT result, const char* what) {
  if (FAILED(result)) throw ui::BrowserError(std::string("the page engine could not ") + what);
}

std::string Text(BSTR text) { return text ? WideToUtf8(text) : std::string(); }

}  // namespace

Win32WebBrowserPeer::Win32WebBrowserPeer(Win32FormPeer& form, ui::WebBrowser& control) : Win32PeerOf(form, control) {
  Create(L"STATIC", WS_CLIPCHILDREN);
  UseStandardsMode();
  // Without the object (no OLE on this thread, no engine on this system) the window still
  // works; every request to the engine is then refused.
  if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                              reinterpret_cast<void**>(object_.put()))))
    return;
  site_.reset(new BrowserSite(Window(), form.Window(), control));
  object_->SetClientSite(site_.get());
  RECT area{};
  GetClientRect(Window(), &area);
  if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.get(), 0, Window(), &area)) ||
      FAILED(object_->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(browser_.put())))) {
    Release();
    return;
  }
  ComPtr<IConnectionPointContainer> points;
  if (SUCCEEDED(object_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(points.put()))) &&
      SUCCEEDED(points->FindConnectionPoint(DIID_DWebBrowserEvents2, events_.put())) &&
      FAILED(events_->Advise(static_cast<IDispatch*>(site_.get()), &cookie_)))
    events_.reset();
  // The page's own keys (Tab among its links, Ctrl+C, Backspace for back) go to it before the
  // window's dialog navigation sees them.
  filter_ = FormPeer().Runtime().AddMessageFilter([this](MSG& message) { return TranslatePageKey(message); });
}

Win32WebBrowserPeer::~Win32WebBrowserPeer() {
  if (filter_) FormPeer().Runtime().RemoveMessageFilter(filter_);
  Release();
}

// Takes the object out of its site, so that nothing of it outlives the host window.
void Win32WebBrowserPeer::Release() {
  if (events_) events_->Unadvise(cookie_);
  events_.reset();
  if (site_) site_->Detach();
  browser_.reset();
  if (object_) {
    object_->Close(OLECLOSE_NOSAVE);
    object_->SetClientSite(nullptr);
  }
  object_.reset();
  site_.reset();
}

bool Win32WebBrowserPeer::TranslatePageKey(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST || !browser_) return false;
  if (message.hwnd != Window() && !IsChild(Window(), message.hwnd)) return false;
  ComPtr<IOleInPlaceActiveObject> active;
  return SUCCEEDED(browser_->QueryInterface(IID_IOleInPlaceActiveObject, reinterpret_cast<void**>(active.put()))) &&
         active->TranslateAccelerator(&message) == S_OK;
}

void Win32WebBrowserPeer::Placed() {
  ComPtr<IOleInPlaceObject> inPlace;
  if (object_ && SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(inPlace.put())))) {
    RECT area{};
    GetClientRect(Window(), &area);
    inPlace->SetObjectRects(&area, &area);
  }
}

IWebBrowser2& Win32WebBrowserPeer::Browser() const {
  if (!browser_) throw ui::BrowserError("there is no page engine on this system");
  return *browser_.get();
}

void Win32WebBrowserPeer::Navigate(const std::string& address) {
  const SystemString url(SysAllocString(Utf8ToWide(address).c_str()));
  VARIANT none;
  VariantInit(&none);
  Check(Browser().Navigate(url.get(), &none, &none, &none, &none), "open the address");
}

void Win32WebBrowserPeer::GoBack() { Check(Browser().GoBack(), "go back"); }
void Win32WebBrowserPeer::GoForward() { Check(Browser().GoForward(), "go forward"); }
void Win32WebBrowserPeer::Stop() { Check(Browser().Stop(), "stop"); }
void Win32WebBrowserPeer::Refresh() { Check(Browser().Refresh(), "load the page again"); }

std::string Win32WebBrowserPeer::LocationURL() const {
  BSTR text = nullptr;
  if (!browser_ || FAILED(browser_->get_LocationURL(&text))) return {};
  const SystemString owned(text);
  return Text(owned.get());
}

// A resource without a title is named by its address, as the engine's own documentation has
// it; an engine that answers nothing at all (one without a page renderer) is held to that.
std::string Win32WebBrowserPeer::LocationName() const {
  BSTR text = nullptr;
  if (!browser_ || FAILED(browser_->get_LocationName(&text))) return LocationURL();
  const SystemString owned(text);
  const std::string name = Text(owned.get());
  return name.empty() ? LocationURL() : name;
}

}  // namespace curfew::platform::win32
