#include "appearance/win32_skin_engine.h"

#include <windows.h>

#include <string>

namespace curfew {
namespace {

// A skin the program carries: its description is a resource of the program
// (resources/curfew.rc). A module's resources stay loaded as long as the module.
SkinDescription Read(const wchar_t* resource) {
  const HMODULE module = GetModuleHandleW(nullptr);
  const HRSRC found = FindResourceW(module, resource, MAKEINTRESOURCEW(10));  // RT_RCDATA
  const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) throw SkinError("a shipped skin is missing from the program");
  std::string error;
  auto skin =
      ParseSkinDescription(std::string_view(static_cast<const char*>(data), SizeofResource(module, found)), error);
  if (!skin) throw SkinError("a shipped skin cannot be read: " + error);
  return *skin;
}

}  // namespace

Win32SkinEngine::Win32SkinEngine(Scheme (*readScheme)())
    : readScheme_(readScheme), light_(Read(L"SKIN_LIGHT")), dark_(Read(L"SKIN_DARK")), scheme_(readScheme()) {}

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
