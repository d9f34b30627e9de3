# The compiler's defences against memory faults, as Debian builds its own
# packages: stack protector, fortified libc calls, stack clash and
# control-flow protection, full RELRO with immediate binding. The flags come
# from dpkg-buildflags where it exists, without its debug and optimisation
# choices, which stay the build type's.
include(CheckCXXCompilerFlag)

option(KLIKOMAN_HARDEN "Build with Debian's hardening flags" ON)
if(NOT KLIKOMAN_HARDEN OR KLIKOMAN_SANITIZE OR NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
    return()
endif()

set(_compile -fstack-protector-strong -Wformat -Werror=format-security)
set(_link -Wl,-z,relro -Wl,-z,now)
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS)
    set(_compile "")
    set(_link "")
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                                ${DPKG_BUILDFLAGS} --get ${kind}
                        OUTPUT_VARIABLE _flags OUTPUT_STRIP_TRAILING_WHITESPACE)
        separate_arguments(_flags UNIX_COMMAND "${_flags}")
        list(FILTER _flags EXCLUDE REGEX "^(-g|-O[0-9s]?|-ffile-prefix-map=.*|-D_FORTIFY_SOURCE=.*)$")
        if(kind STREQUAL "LDFLAGS")
            list(APPEND _link ${_flags})
        else()
            list(APPEND _compile ${_flags})
        endif()
    endforeach()
endif()
# Older dpkg-buildflags leave these two out.
foreach(flag -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "HAVE${flag}" var)
    check_cxx_compiler_flag(${flag} ${var})
    if(${var} AND NOT flag IN_LIST _compile)
        list(APPEND _compile ${flag})
    endif()
endforeach()

add_compile_options(${_compile})
# Fortified calls need the optimiser; a Debug build would only warn.
add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
add_link_options(${_link})
