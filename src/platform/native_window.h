#pragma once

#include <cstdint>

namespace curfew::platform {

// A window of the operating system as the logic passes it around: the value of its handle.
using NativeWindow = std::uintptr_t;

}  // namespace curfew::platform
