#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/win32/unique_handle.h"

namespace curfew::platform::win32 {

// A push button's picture: the shape of an icon of the program's resources (a black glyph
// whose shape lies in its alpha), drawn in whatever colour the button's text has, so that it
// follows the skin, the button's state and the system's colours alike.
class GlyphPicture {
 public:
  GlyphPicture() = default;
  // The icon at this many pixels square; empty when the program has no such icon.
  GlyphPicture(int iconResource, int size);

  explicit operator bool() const { return size_ > 0; }
  int Size() const { return size_; }
  // Blends the glyph onto the device with its top left corner at x, y.
  void Draw(HDC dc, int x, int y, COLORREF colour) const;
  // An icon of the glyph in one colour, for a button the system draws.
  IconHandle MakeIcon(COLORREF colour) const;

 private:
  // A 32-bit top-down bitmap of the glyph in the colour, premultiplied by its alpha when the
  // bitmap is to be blended.
  BitmapObject Colour(COLORREF colour, bool premultiplied) const;

  int size_ = 0;
  std::shared_ptr<const std::vector<std::uint8_t>> alpha_;  // shared by every picture of this glyph and size
};

}  // namespace curfew::platform::win32
