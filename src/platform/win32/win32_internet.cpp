#include "platform/win32/win32_internet.h"

#include <windows.h>
#include <wininet.h>

#include <string>

#include "platform/win32/text_conversion.h"
#include "platform/win32/unique_handle.h"

namespace curfew::platform::win32 {
namespace {

using InternetHandle = UniqueHandle<handle_traits::Simple<HINTERNET, InternetCloseHandle>>;

class WinInetBody final : public UrlBody {
 public:
  // The URL handle closes before the session it was opened in.
  WinInetBody(InternetHandle session, InternetHandle url) : session_(std::move(session)), url_(std::move(url)) {}

  int StatusCode() const override {
    DWORD status = 0;
    DWORD size = sizeof(status);
    if (!HttpQueryInfoW(url_.get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr)) return 0;
    return static_cast<int>(status);
  }

  std::optional<std::uint64_t> ContentLength() const override {
    wchar_t text[32];
    DWORD size = sizeof(text);
    if (!HttpQueryInfoW(url_.get(), HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr)) return std::nullopt;
    try {
      return std::stoull(text);
    } catch (const std::exception&) {
      return std::nullopt;
    }
  }

  std::optional<std::size_t> Read(char* buffer, std::size_t size) override {
    DWORD received = 0;
    if (!InternetReadFile(url_.get(), buffer, static_cast<DWORD>(size), &received)) return std::nullopt;
    return received;
  }

 private:
  InternetHandle session_;
  InternetHandle url_;
};

}  // namespace

std::unique_ptr<UrlBody> Win32Internet::OpenUrl(std::string_view agentName, std::string_view address) {
  InternetHandle session(InternetOpenW(Utf8ToWide(agentName).c_str(), INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
  if (!session) return nullptr;
  // A server that does not answer ends the transfer instead of holding it for minutes.
  DWORD connectTimeout = 15000;
  DWORD receiveTimeout = 30000;
  InternetSetOptionW(session.get(), INTERNET_OPTION_CONNECT_TIMEOUT, &connectTimeout, sizeof(connectTimeout));
  InternetSetOptionW(session.get(), INTERNET_OPTION_RECEIVE_TIMEOUT, &receiveTimeout, sizeof(receiveTimeout));
  InternetSetOptionW(session.get(), INTERNET_OPTION_SEND_TIMEOUT, &receiveTimeout, sizeof(receiveTimeout));
  InternetHandle url(InternetOpenUrlW(session.get(), Utf8ToWide(address).c_str(), nullptr, 0,
                                      INTERNET_FLAG_RELOAD | INTERNET_FLAG_PRAGMA_NOCACHE, 0));
  if (!url) return nullptr;
  return std::make_unique<WinInetBody>(std::move(session), std::move(url));
}

}  // namespace curfew::platform::win32
