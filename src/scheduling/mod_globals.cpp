#include "scheduling/mod_globals.h"

#include "platform/ascii.h"

namespace curfew {

std::string GetSection(std::string_view text, std::string_view tag) {
  const std::string name = ascii::ToUpper(tag);
  const std::string opening = "<" + name + ">";
  const std::string closing = "</" + name + ">";
  const std::size_t openAt = text.find(opening);
  if (openAt == std::string_view::npos) return {};
  const std::size_t start = openAt + opening.size();
  const std::size_t closeAt = text.rfind(closing);
  if (closeAt == std::string_view::npos || closeAt < start) return {};
  return std::string(text.substr(start, closeAt - start));
}

std::string GetKeyValue(std::string_view text, std::string_view key) {
  if (text.empty()) return {};
  const std::string marker = std::string(key) + "=";
  const std::size_t keyAt = text.find(marker);
  if (keyAt == std::string_view::npos) return {};
  const std::size_t valueAt = keyAt + marker.size();
  const std::size_t lineEnd = text.find("\r\n", valueAt);
  if (lineEnd == std::string_view::npos) return {};
  return std::string(text.substr(valueAt, lineEnd - valueAt));
}

}  // namespace curfew
