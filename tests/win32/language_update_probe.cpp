// The language update's transfer and store on the real WinINet and file system:
//   language_update_probe URL FILE   downloads URL and replaces FILE with it when it is a
//                                    complete language file; prints what it did
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "localization/language_update.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_internet.h"

int main() {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) args.push_back(curfew::platform::win32::WideToUtf8(wide[i]));
  LocalFree(wide);
  if (args.size() != 2) return 2;
  curfew::platform::win32::Win32Internet internet;
  curfew::platform::win32::Win32FileSystem files;
  int chunks = 0;
  const std::string body = curfew::DownloadUrlText(internet, args[0], [&] {
    ++chunks;
    return true;
  });
  const bool stored = curfew::StoreLanguageUpdate(files, args[1], body);
  std::printf("received %zu bytes in %d chunks, %s\n", body.size(), chunks, stored ? "stored" : "not stored");
  return 0;
}
