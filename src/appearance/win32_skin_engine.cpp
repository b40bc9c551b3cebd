#include "appearance/win32_skin_engine.h"

#include <windows.h>

#include <string>

#include "appearance/shipped_skins.h"

namespace curfew {
namespace {

SkinDescription Read(std::string_view text) {
  std::string error;
  auto skin = ParseSkinDescription(text, error);
  if (!skin) throw SkinError("a shipped skin cannot be read: " + error);
  return *skin;
}

}  // namespace

Win32SkinEngine::Win32SkinEngine(Scheme (*readScheme)())
    : readScheme_(readScheme), light_(Read(LightSkinText())), dark_(Read(DarkSkinText())), scheme_(readScheme()) {}

Win32SkinEngine::Scheme Win32SkinEngine::ReadScheme() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof(contrast);
  if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
      (contrast.dwFlags & HCF_HIGHCONTRASTON))
    return Scheme::HighContrast;
  DWORD light = 1;
  DWORD size = sizeof(light);
  if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                   L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &light, &size) == ERROR_SUCCESS &&
      light == 0)
    return Scheme::Dark;
  return Scheme::Light;
}

SkinColours Win32SkinEngine::Colours() const {
  switch (scheme_) {
    case Scheme::Light: return light_.colours;
    case Scheme::Dark: return dark_.colours;
    case Scheme::HighContrast: break;
  }
  return {ui::kWindowBackground, ui::kWindowText, ui::kButtonFace};
}

void Win32SkinEngine::SkinWindow(ui::Form& form) {
  switch (scheme_) {
    case Scheme::Light: DressWindow(form, light_); return;
    case Scheme::Dark: DressWindow(form, dark_); return;
    case Scheme::HighContrast: DressInSystemColours(form); return;
  }
}

}  // namespace curfew
