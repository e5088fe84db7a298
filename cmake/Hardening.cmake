# SPDX-License-Identifier: GPL-3.0-or-later
# The hardening Debian builds its packages with, from dpkg-buildflags with every
# feature on (lintian checks the packaged binaries for it: stack protector,
# _FORTIFY_SOURCE, relro and bind-now). Optimisation, debug information and path
# mapping stay with the build type. Sanitizer and fuzzer builds go without:
# ASan wraps the same calls _FORTIFY_SOURCE does.
option(VORLANE_HARDENING "Compile and link with Debian's hardening flags (dpkg-buildflags)" ON)
if(NOT VORLANE_HARDENING OR VORLANE_SANITIZE OR VORLANE_FUZZ)
  return()
endif()
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
  message(STATUS "dpkg-buildflags not found: building without Debian's hardening flags")
  return()
endif()
set(VORLANE_HARDENING_FLAGS)
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${DPKG_BUILDFLAGS} --get ${kind}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-(O|g|f[a-z]+-prefix-map)")
  foreach(flag IN LISTS flags)
    if(kind STREQUAL "LDFLAGS")
      add_link_options(${flag})
    elseif(flag MATCHES "^-D_FORTIFY_SOURCE")
      # glibc warns on every file when it cannot fortify: it needs optimisation.
      add_compile_options($<$<NOT:$<CONFIG:Debug>>:${flag}>)
    else()
      add_compile_options(${flag})
    endif()
    list(APPEND VORLANE_HARDENING_FLAGS ${flag})
  endforeach()
endforeach()
message(STATUS "Debian hardening: ${VORLANE_HARDENING_FLAGS}")
