#pragma once

#include <windows.h>

#include <optional>

namespace curfew::test {

// A waitable timer's time left in seconds, as the system keeps it (NtQueryTimer, basic
// information); nullopt where the system does not say.
inline std::optional<long long> SecondsLeft(HANDLE timer) {
  struct BasicInformation {
    LARGE_INTEGER remaining;
    BOOLEAN signalled;
  };
  using QueryTimer = LONG(NTAPI*)(HANDLE, int, void*, ULONG, ULONG*);
  const auto query = reinterpret_cast<QueryTimer>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryTimer")));
  BasicInformation information{};
  if (!query || query(timer, 0, &information, sizeof(information), nullptr) != 0) return std::nullopt;
  return information.remaining.QuadPart / 10'000'000;
}

}  // namespace curfew::test
