// Shows the sample window on the real window back end in a language of a language file:
//   curfew_sample_window.exe FOLDER LANGUAGE
// FOLDER holds Localization.xml. Used to look at translated windows (scripts/sample-window).
#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "localization/cls_languages.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/windowing/win32_runtime.h"
#include "support/sample_form.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace curfew;
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) args.push_back(platform::win32::WideToUtf8(arguments[i]));
  LocalFree(arguments);

  platform::win32::Win32Runtime runtime("Sample");
  platform::win32::Win32FileSystem files(args.empty() ? std::string() : args[0]);
  platform::win32::Win32Locale locale;
  const ProductIdentity identity{"Curfew", "Curfew Team", "curfew.example.org", 0, true};
  clsLanguages languages({files, locale, identity, runtime});

  test::frmSample form(runtime);
  for (const char* day : {"Monday", "Tuesday", "Wednesday"}) form.tvDays.AddNode(day, day);
  form.tvDays.SetNodeChecked(2, true);
  const int row = form.lstSchedules.AddListItem("Nightly");
  form.lstSchedules.SetSubItem(row, 1, "Shut Down");
  form.lstSchedules.SetSubItem(row, 2, "12/8/2026 23:30:00");
  form.cbShutdown.SetListIndex(0);
  form.chkPrevent.SetValue(1);
  form.optMode1.SetValue(1);
  form.mnuFileItem6.OnClick = [&] { form.Unload(); };
  form.Load();
  languages.ChangeLanguage(form, args.size() > 1 ? args[1] : "English");
  form.Show();
  while (form.Loaded()) {
    MSG message{};
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) break;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
