# One INTERFACE target carries the language level, warnings and sanitizer flags; every target links it.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

add_library(lottodesk_common INTERFACE)
target_compile_definitions(lottodesk_common INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CONTEXTLESS_CONNECT QT_NO_KEYWORDS)

if(MSVC)
  # The sources hold Chinese literals in UTF-8.
  target_compile_options(lottodesk_common INTERFACE /W4 /utf-8 /permissive-)
else()
  target_compile_options(lottodesk_common INTERFACE -Wall -Wextra)
  # Ticket counts against number sets are population counts: use the processor's instruction.
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64")
    target_compile_options(lottodesk_common INTERFACE -mpopcnt)
  endif()
endif()

if(LOTTODESK_SANITIZE)
  if(MSVC)
    target_compile_options(lottodesk_common INTERFACE /fsanitize=address)
  else()
    target_compile_options(lottodesk_common INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
      -fno-sanitize-recover=undefined)
    target_link_options(lottodesk_common INTERFACE -fsanitize=address,undefined)
  endif()
endif()

# The fuzz build instruments the engine for coverage too, so the fuzzers see inside the parsers.
if(LOTTODESK_FUZZ)
  target_compile_options(lottodesk_common INTERFACE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  target_link_options(lottodesk_common INTERFACE -fsanitize=address,undefined)
endif()
