# Sanitized and fuzzing builds. Both live in their own build trees; the default build is untouched.
option(PELLORA_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(PELLORA_FUZZ "Build the libFuzzer programs of fuzz/ (clang only; implies PELLORA_SANITIZE)"
       OFF)

if(PELLORA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "PELLORA_FUZZ needs clang (libFuzzer): -DCMAKE_CXX_COMPILER=clang++-14")
  endif()
  # Every library the fuzz programs link reports its coverage, which is what steers libFuzzer.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(PELLORA_SANITIZE OR PELLORA_FUZZ)
  set(pellora_sanitizers -fsanitize=address,undefined)
  # GCC leaves casts of out-of-range doubles to integers out of "undefined"; clang includes them.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    list(APPEND pellora_sanitizers -fsanitize=float-cast-overflow)
  endif()
  add_compile_options(${pellora_sanitizers} -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(${pellora_sanitizers})
endif()
