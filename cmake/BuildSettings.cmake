# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The language and the warnings of every target in the project, set here and
# nowhere else: the program, the browser edition, the tools, the tests.

set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

if(MSVC)
  add_compile_options(/W4)
else()
  # The element tables name only the fields that differ from their defaults.
  add_compile_options(-Wall -Wextra -Wpedantic -Wno-missing-field-initializers)
endif()

if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  set(CMAKE_BUILD_TYPE RelWithDebInfo)
endif()

option(VANTREL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(VANTREL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

# Coverage-guided fuzzing needs clang's libFuzzer; everything is built with
# its coverage and with both sanitizers so that a fault stops the run.
option(VANTREL_FUZZ "Build the libFuzzer targets under fuzz/ (clang only)" OFF)
if(VANTREL_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VANTREL_FUZZ needs clang: -DCMAKE_CXX_COMPILER=clang++ (the fuzz preset)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Every byte of the browser edition is downloaded: the smallest code,
# optimised across the libraries.
if(EMSCRIPTEN)
  add_compile_options(-Oz -flto)
  add_link_options(-Oz -flto)
endif()
