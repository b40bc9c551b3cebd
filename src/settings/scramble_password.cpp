#include "settings/scramble_password.h"

namespace curfew {

std::string ScramblePassword(std::string_view Text, const platform::AnsiCodePage& codePage) {
  std::string codes = codePage.ToAnsi(Text);
  for (char& code : codes) code = static_cast<char>(static_cast<unsigned char>(code) ^ 0x80);
  return codePage.FromAnsi(codes);
}

}  // namespace curfew
