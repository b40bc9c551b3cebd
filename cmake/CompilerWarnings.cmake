# Warnings are errors everywhere; sanitizers for the native test build.
add_library(curfew_build_flags INTERFACE)
target_compile_options(curfew_build_flags INTERFACE
  -Wall -Wextra -Wshadow -Wformat=2 -Wconversion -Wno-sign-conversion -Werror)

# GCC 12 reports -Wrestrict for std::string concatenation at -O2 and above, where nothing
# overlaps (GCC bug 105329); keep the warning visible but not fatal there.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(curfew_build_flags INTERFACE -Wno-error=restrict)
endif()

if(CURFEW_SANITIZE)
  target_compile_options(curfew_build_flags INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(curfew_build_flags INTERFACE -fsanitize=address,undefined)
endif()

if(CURFEW_FUZZ)
  target_compile_options(curfew_build_flags INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(curfew_build_flags INTERFACE -fsanitize=address,undefined)
endif()

if(WIN32)
  # One self-contained exe: no mingw runtime DLLs beside it. Unicode W functions throughout.
  target_compile_definitions(curfew_build_flags INTERFACE
    UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00)
  target_link_options(curfew_build_flags INTERFACE -static $<$<CONFIG:Release,MinSizeRel>:-s>)
endif()
