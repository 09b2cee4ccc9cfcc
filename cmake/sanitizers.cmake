# Instrumented builds.
#
# QM_SANITIZE: AddressSanitizer and UndefinedBehaviorSanitizer over the whole
# build, any report ending the program, so a test that trips one fails.
# QM_FUZZ: the libFuzzer targets under fuzz/ (clang only); everything they
# link is built with coverage instrumentation and both sanitizers too.
option(QM_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QM_FUZZ "Build the libFuzzer targets (clang)" OFF)

# GCC leaves float-to-integer overflow out of "undefined"; the screens cast
# computed reals to counts, so ask for it by name (clang has it already).
set(QM_SANITIZERS address,undefined,float-cast-overflow)

if(QM_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "QM_FUZZ needs clang (configure with CXX=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,${QM_SANITIZERS} -fno-sanitize-recover=all
                      -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=${QM_SANITIZERS})
elseif(QM_SANITIZE)
  add_compile_options(-fsanitize=${QM_SANITIZERS} -fno-sanitize-recover=all -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=${QM_SANITIZERS} -fno-sanitize-recover=all)
endif()
