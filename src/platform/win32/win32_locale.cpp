#include "platform/win32/win32_locale.h"

#include <windows.h>
#include <oleauto.h>

#include <algorithm>

#include "platform/win32/system_time.h"
#include "platform/win32/text_conversion.h"

namespace curfew::platform::win32 {
namespace {

std::optional<SYSTEMTIME> ParseWithVarDate(std::string_view text) {
  std::wstring wide = Utf8ToWide(text);  // the parser takes a non-const string
  DATE date = 0;
  if (FAILED(VarDateFromStr(wide.data(), LOCALE_USER_DEFAULT, 0, &date))) return std::nullopt;
  SYSTEMTIME time{};
  if (!VariantTimeToSystemTime(date, &time)) return std::nullopt;
  return time;
}

std::string TrimmedBuffer(std::wstring buffer, int written) {
  buffer.resize(written > 0 ? static_cast<std::size_t>(written - 1) : 0);
  return WideToUtf8(buffer);
}

}  // namespace

std::string Win32Locale::ShortDatePattern() const {
  std::wstring buffer(80, L'\0');
  const int written =
      GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SSHORTDATE, buffer.data(), static_cast<int>(buffer.size()));
  std::string pattern = TrimmedBuffer(std::move(buffer), written);
  // The date must not contain a blank: a next run text is split at its first blank.
  std::erase(pattern, ' ');
  return pattern.empty() ? "M/d/yyyy" : pattern;
}

std::string Win32Locale::FormatShortDate(std::chrono::year_month_day date) const {
  const SYSTEMTIME time = ToSystemTime({date, {}});
  const std::wstring picture = Utf8ToWide(ShortDatePattern());
  std::wstring buffer(80, L'\0');
  const int written = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &time, picture.c_str(), buffer.data(),
                                      static_cast<int>(buffer.size()), nullptr);
  return TrimmedBuffer(std::move(buffer), written);
}

std::string Win32Locale::FormatDate(std::chrono::year_month_day date, std::string_view picture) const {
  const SYSTEMTIME time = ToSystemTime({date, {}});
  const std::wstring widePicture = Utf8ToWide(picture);
  std::wstring buffer(80, L'\0');
  const int written = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &time, widePicture.c_str(), buffer.data(),
                                      static_cast<int>(buffer.size()), nullptr);
  return TrimmedBuffer(std::move(buffer), written);
}

std::string Win32Locale::FormatGeneralDate(const LocalDateTime& value) const {
  std::string text = FormatShortDate(value.date);
  if (value.time == TimeOfDay{}) return text;
  const SYSTEMTIME time = ToSystemTime(value);
  std::wstring buffer(80, L'\0');
  const int written =
      GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &time, nullptr, buffer.data(), static_cast<int>(buffer.size()));
  return text + " " + TrimmedBuffer(std::move(buffer), written);
}

std::string Win32Locale::FormatShortTime(const TimeOfDay& time) const {
  SYSTEMTIME value{};
  value.wYear = 2000;
  value.wMonth = 1;
  value.wDay = 1;
  value.wHour = static_cast<WORD>(time.hour);
  value.wMinute = static_cast<WORD>(time.minute);
  std::wstring buffer(80, L'\0');
  const int written = GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, TIME_NOSECONDS, &value, nullptr, buffer.data(),
                                      static_cast<int>(buffer.size()));
  return TrimmedBuffer(std::move(buffer), written);
}

std::optional<std::chrono::year_month_day> Win32Locale::ReadDate(std::string_view text) const {
  const auto time = ParseWithVarDate(text);
  if (!time) return std::nullopt;
  using namespace std::chrono;
  return year_month_day{year(time->wYear), month(time->wMonth), day(time->wDay)};
}

std::optional<TimeOfDay> Win32Locale::ReadTimeOfDay(std::string_view text) const {
  const auto time = ParseWithVarDate(text);
  if (!time) return std::nullopt;
  return TimeOfDay{time->wHour, time->wMinute, time->wSecond};
}

std::string Win32Locale::ToUpper(std::string_view text) const {
  const std::wstring wide = Utf8ToWide(text);
  if (wide.empty()) return {};
  constexpr DWORD kFlags = LCMAP_UPPERCASE | LCMAP_LINGUISTIC_CASING;
  const int size = static_cast<int>(wide.size());
  const int length =
      LCMapStringEx(LOCALE_NAME_USER_DEFAULT, kFlags, wide.c_str(), size, nullptr, 0, nullptr, nullptr, 0);
  if (length <= 0) return std::string(text);
  std::wstring upper(static_cast<std::size_t>(length), L'\0');
  LCMapStringEx(LOCALE_NAME_USER_DEFAULT, kFlags, wide.c_str(), size, upper.data(), length, nullptr, nullptr, 0);
  return WideToUtf8(upper);
}

bool Win32Locale::EqualIgnoringCase(std::string_view a, std::string_view b) const {
  const std::wstring wideA = Utf8ToWide(a);
  const std::wstring wideB = Utf8ToWide(b);
  return CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, wideA.c_str(), static_cast<int>(wideA.size()),
                         wideB.c_str(), static_cast<int>(wideB.size()), nullptr, nullptr, 0) == CSTR_EQUAL;
}

}  // namespace curfew::platform::win32
