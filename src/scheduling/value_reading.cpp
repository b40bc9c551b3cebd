#include "scheduling/value_reading.h"

#include <cmath>
#include <string>

namespace curfew {
namespace {

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<double> ReadNumber(std::string_view text) {
  text = Trimmed(text);
  if (text.empty()) return std::nullopt;
  bool negative = false;
  if (text.front() == '+' || text.front() == '-') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  double value = 0;
  bool anyDigit = false;
  std::size_t i = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10 + (text[i] - '0');
    anyDigit = true;
  }
  if (i < text.size() && text[i] == '.') {
    double scale = 0.1;
    for (++i; i < text.size() && IsDigit(text[i]); ++i, scale /= 10) {
      value += (text[i] - '0') * scale;
      anyDigit = true;
    }
  }
  if (!anyDigit || i != text.size()) return std::nullopt;
  return negative ? -value : value;
}

std::optional<std::int16_t> ReadInteger16(std::string_view text) {
  const auto number = ReadNumber(text);
  if (!number) return std::nullopt;
  const double rounded = std::nearbyint(*number);  // the default rounding mode is half to even
  if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
  return static_cast<std::int16_t>(rounded);
}

bool ReadFlag(std::string_view text) {
  if (const auto number = ReadNumber(text)) return *number != 0.0;
  const std::string_view word = Trimmed(text);
  if (word.size() != 4) return false;
  std::string lower(word);
  for (char& c : lower) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return lower == "true";
}

}  // namespace curfew
