#pragma once

#include <string>

#include "appearance/win32_skin_engine.h"
#include "build_identity.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_internet.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_power_broadcast.h"
#include "platform/win32/win32_power_system.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_tray_icon.h"
#include "platform/win32/win32_version_info.h"
#include "platform/win32/windowing/win32_runtime.h"
#include "ui/app_services.h"

namespace curfew::app {

// Every Windows service the program's windows use, wired together. The single-instance name
// is the product and company names of the version resource unless one is given.
class Win32ProgramServices {
 public:
  explicit Win32ProgramServices(std::string instanceName = {})
      : entries_(versionInfo_.Read()),
        runtime_(entries_.productName),
        process_(instanceName.empty() ? entries_.productName + "." + entries_.companyName + ".Running"
                                      : std::move(instanceName)) {}
  Win32ProgramServices(const Win32ProgramServices&) = delete;
  Win32ProgramServices& operator=(const Win32ProgramServices&) = delete;

  platform::win32::Win32Runtime& Runtime() { return runtime_; }
  const platform::win32::Win32Locale& Locale() const { return locale_; }
  AppServices& Services() { return services_; }

 private:
  const platform::win32::Win32VersionInfo versionInfo_;
  const platform::VersionEntries entries_;
  platform::win32::Win32Runtime runtime_;
  platform::win32::Win32FileSystem files_;
  const platform::win32::Win32Clock clock_;
  const platform::win32::Win32Locale locale_;
  platform::win32::Win32Registry registry_;
  platform::win32::Win32PowerSystem power_;
  platform::win32::Win32PowerBroadcastFilter powerFilter_;
  platform::win32::Win32TrayIcon tray_;
  platform::win32::Win32Process process_;
  platform::win32::Win32Internet internet_;
  Win32SkinEngine skin_;
  AppServices services_{runtime_,
                        files_,
                        clock_,
                        locale_,
                        registry_,
                        power_,
                        powerFilter_,
                        tray_,
                        process_,
                        versionInfo_,
                        internet_,
                        skin_,
                        CURFEW_LANGUAGE_SERVER};
};

}  // namespace curfew::app
