#pragma once

#include <windows.h>

#include <string>

#include "platform/process.h"
#include "platform/win32/unique_handle.h"

namespace curfew::platform::win32 {

// The single-instance test holds a named mutex for the life of the process.
class Win32Process final : public ProcessServices {
 public:
  explicit Win32Process(std::string instanceName) : instanceName_(std::move(instanceName)) {}
  ~Win32Process() override;
  Win32Process(const Win32Process&) = delete;
  Win32Process& operator=(const Win32Process&) = delete;

  bool AnotherInstanceRunning() override;
  bool StartCommandLine(std::string_view commandLine) override;
  std::string ExeName() const override;
  int OpenDocument(std::string_view path, NativeWindow owner, int showMode) override;

 private:
  std::string instanceName_;
  KernelHandle mutex_;
};

}  // namespace curfew::platform::win32
