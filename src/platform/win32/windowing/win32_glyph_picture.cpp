#include "platform/win32/windowing/win32_glyph_picture.h"

#include <map>
#include <memory>
#include <utility>

#include "platform/win32/windowing/win32_gdi_scope.h"

namespace curfew::platform::win32 {
namespace {

// The glyph's alpha read from the program's icon at that size; empty when there is none.
std::vector<std::uint8_t> ReadGlyphAlpha(int iconResource, int size) {
  const IconHandle icon(static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconResource), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
  ICONINFO parts{};
  if (!icon || !GetIconInfo(icon.get(), &parts)) return {};
  const BitmapObject colour(parts.hbmColor);
  const BitmapObject mask(parts.hbmMask);
  BITMAPINFO format = TopDown32(size, size);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size) * size);
  const WindowDcScope screen(nullptr);
  const int rows = colour && screen ? GetDIBits(screen.Dc(), colour.get(), 0, static_cast<UINT>(size), pixels.data(),
                                                &format, DIB_RGB_COLORS)
                                    : 0;
  if (rows != size) return {};
  std::vector<std::uint8_t> alpha(pixels.size());
  for (std::size_t i = 0; i < pixels.size(); ++i) alpha[i] = static_cast<std::uint8_t>(pixels[i] >> 24);
  return alpha;
}

}  // namespace

// Each glyph is read once per size: every window that opens shows the same few again, and
// reading one costs several calls to the window system.
GlyphPicture::GlyphPicture(int iconResource, int size) {
  thread_local std::map<std::pair<int, int>, std::shared_ptr<const std::vector<std::uint8_t>>> read;
  auto& alpha = read[{iconResource, size}];
  if (!alpha) {
    auto fresh = ReadGlyphAlpha(iconResource, size);
    if (fresh.empty()) return;  // not kept: a later try reads it again
    alpha = std::make_shared<const std::vector<std::uint8_t>>(std::move(fresh));
  }
  alpha_ = alpha;
  size_ = size;
}

BitmapObject GlyphPicture::Colour(COLORREF colour, bool premultiplied) const {
  BITMAPINFO format = TopDown32(size_, size_);
  void* bits = nullptr;
  BitmapObject bitmap(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return {};
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (std::size_t i = 0; i < alpha_->size(); ++i) {
    const std::uint32_t a = (*alpha_)[i];
    const std::uint32_t scale = premultiplied ? a : 255;
    pixels[i] = a << 24 | (GetRValue(colour) * scale / 255) << 16 | (GetGValue(colour) * scale / 255) << 8 |
                (GetBValue(colour) * scale / 255);
  }
  GdiFlush();
  return bitmap;
}

void GlyphPicture::Draw(HDC dc, int x, int y, COLORREF colour) const {
  const BitmapObject glyph = Colour(colour, true);
  const MemoryDcHandle memory(CreateCompatibleDC(dc));
  if (!glyph || !memory) return;
  const SelectedObject drawnFrom(memory.get(), glyph.get());
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, x, y, size_, size_, memory.get(), 0, 0, size_, size_, blend);
}

IconHandle GlyphPicture::MakeIcon(COLORREF colour) const {
  if (!size_) return {};
  const BitmapObject glyph = Colour(colour, false);
  // The alpha decides; the mask only has to exist.
  const std::vector<std::uint8_t> clear(static_cast<std::size_t>((size_ + 15) / 16 * 2) * size_, 0);
  const BitmapObject mask(CreateBitmap(size_, size_, 1, 1, clear.data()));
  if (!glyph || !mask) return {};
  ICONINFO parts{TRUE, 0, 0, mask.get(), glyph.get()};
  return IconHandle(CreateIconIndirect(&parts));
}

}  // namespace curfew::platform::win32
