#include "platform/host/unicode_case.h"

#include "platform/utf8.h"

namespace curfew::platform {
namespace {

// Pairs in which the capital is the even code point and the small letter the odd one.
bool InEvenOddPairs(char32_t c) {
  return (c >= 0x0100 && c <= 0x012F) || (c >= 0x0132 && c <= 0x0137) || (c >= 0x014A && c <= 0x0177) ||
         (c >= 0x0460 && c <= 0x0481) || (c >= 0x048A && c <= 0x04BF) || (c >= 0x04D0 && c <= 0x04FF);
}

// Pairs in which the capital is the odd code point.
bool InOddEvenPairs(char32_t c) { return (c >= 0x0139 && c <= 0x0148) || (c >= 0x0179 && c <= 0x017E); }

}  // namespace

char32_t UpperCaseOf(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 0x20;
  if (c < 0x80) return c;
  if ((c >= 0x00E0 && c <= 0x00FE) && c != 0x00F7) return c - 0x20;  // à..þ
  if (c == 0x00FF) return 0x0178;                                    // ÿ
  if (InEvenOddPairs(c)) return c & ~char32_t{1};
  if (InOddEvenPairs(c)) return (c % 2 == 0) ? c - 1 : c;
  if (c == 0x0131) return 'I';     // dotless i
  if (c == 0x017F) return 'S';     // long s
  if (c == 0x04CF) return 0x04C0;  // palochka
  if (c >= 0x04C1 && c <= 0x04CE) return (c % 2 == 0) ? c - 1 : c;
  // Greek.
  if (c >= 0x03B1 && c <= 0x03C9) return c == 0x03C2 ? 0x03A3 : c - 0x20;  // final sigma
  switch (c) {
    case 0x03AC: return 0x0386;
    case 0x03AD: return 0x0388;
    case 0x03AE: return 0x0389;
    case 0x03AF: return 0x038A;
    case 0x03CA: return 0x03AA;
    case 0x03CB: return 0x03AB;
    case 0x03CC: return 0x038C;
    case 0x03CD: return 0x038E;
    case 0x03CE: return 0x038F;
    default: break;
  }
  // Cyrillic.
  if (c >= 0x0430 && c <= 0x044F) return c - 0x20;
  if (c >= 0x0450 && c <= 0x045F) return c - 0x50;
  return c;
}

std::string UpperCaseUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) utf8::Append(out, UpperCaseOf(utf8::Next(text, pos)));
  return out;
}

}  // namespace curfew::platform
