#include "platform/host/latin1_code_page.h"

#include "platform/utf8.h"

namespace curfew::platform {

std::string Latin1CodePage::ToAnsi(std::string_view utf8) const {
  std::string bytes;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const char32_t c = utf8::Next(utf8, pos);
    bytes += c <= 0xFF ? static_cast<char>(c) : '?';
  }
  return bytes;
}

std::string Latin1CodePage::FromAnsi(std::string_view bytes) const {
  std::string utf8;
  for (const char byte : bytes) utf8::Append(utf8, static_cast<unsigned char>(byte));
  return utf8;
}

}  // namespace curfew::platform
