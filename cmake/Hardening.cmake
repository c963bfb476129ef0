# Instrumented builds, each in a build folder of its own (see scripts/test.sh):
#   QUORVEL_SANITIZE  AddressSanitizer and UndefinedBehaviorSanitizer on everything built;
#                     undefined behaviour stops the program instead of being reported only.
#   QUORVEL_FUZZ      libFuzzer targets (tests/fuzz), clang only; the libraries they link
#                     are instrumented for coverage as well as for the two sanitizers.
# Both are off by default: the program and the ordinary tests never carry them.

if(QUORVEL_SANITIZE OR QUORVEL_FUZZ)
  set(quorvel_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all
      -fno-omit-frame-pointer)
  add_compile_options(${quorvel_sanitizers})
  add_link_options(-fsanitize=address,undefined)
endif()

if(QUORVEL_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "QUORVEL_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  # Coverage feedback for every library; only the fuzz targets link libFuzzer's main.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
