# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Vertexa developers

# The hardening Debian builds its own packages with (dpkg-buildflags with
# hardening=+all): position-independent executables, stack protection,
# fortified glibc calls, and a relocation table made read-only before main()
# runs. Included only for the plain build: the sanitizer and fuzz builds bring
# their own run-time checks, and ASan's interceptors do not mix with the
# fortified variants of the string functions.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

# Qt marks its targets position-independent already; this makes the link
# step produce a PIE as well (policy CMP0083).
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
foreach(flag -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "VERTEXA_HAS${flag}" has_flag)
    check_cxx_compiler_flag(${flag} ${has_flag})
    if(${has_flag})
        add_compile_options(${flag})
    endif()
endforeach()

# glibc only fortifies optimised code and warns at -O0; -U first so a
# _FORTIFY_SOURCE from the environment's CXXFLAGS is not redefined.
add_compile_options("$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")

add_link_options(LINKER:-z,relro LINKER:-z,now)
