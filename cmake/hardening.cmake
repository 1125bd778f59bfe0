# The hardening that Debian's dpkg-buildflags gives with hardening=+all, in every build: the stack
# protector and stack clash protection, fortified libc calls, format checks, a position
# independent executable, full RELRO and immediate binding (BIND_NOW). A flag the caller already
# gives, as a distribution's build does through CXXFLAGS and LDFLAGS, is not given twice.
# Also -ffile-prefix-map, so that the debug information, and with it the GNU build-id, do not
# depend on the folder the tree was built in.
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)
include(CheckPIESupported)

option(VORN_HARDENING "Build with the hardening flags Debian's dpkg-buildflags gives" ON)

set(vorn_given_flags "${CMAKE_CXX_FLAGS} ${CMAKE_EXE_LINKER_FLAGS} ${CMAKE_SHARED_LINKER_FLAGS}")

# vorn_harden_compile(<flag> <regex the caller's flags match when they give it already>)
function(vorn_harden_compile flag given)
    if(vorn_given_flags MATCHES "${given}")
        return()
    endif()
    string(MAKE_C_IDENTIFIER "VORN_HAS${flag}" result)
    # -Werror=format-security is refused without -Wformat, which -Wall gives in the build.
    set(CMAKE_REQUIRED_FLAGS -Wformat)
    check_cxx_compiler_flag(${flag} ${result})
    if(${result})
        add_compile_options(${flag})
    endif()
endfunction()

# vorn_harden_link(<linker option, comma-separated> <regex as above>)
function(vorn_harden_link option given)
    if(vorn_given_flags MATCHES "${given}")
        return()
    endif()
    string(MAKE_C_IDENTIFIER "VORN_LINKER_HAS_${option}" result)
    check_linker_flag(CXX "LINKER:${option}" ${result})
    if(${result})
        add_link_options("LINKER:${option}")
    endif()
endfunction()

if(VORN_HARDENING)
    vorn_harden_compile(-fstack-protector-strong "-fstack-protector")
    vorn_harden_compile(-fstack-clash-protection "-fstack-clash-protection")
    if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64|i.86)$")
        vorn_harden_compile(-fcf-protection "-fcf-protection")
    endif()
    vorn_harden_compile(-Wformat "-Wformat( |$)")
    vorn_harden_compile(-Werror=format-security "-Werror=format-security")
    # Fortified calls need the optimizer: a Debug build without it would only warn.
    if(NOT vorn_given_flags MATCHES "_FORTIFY_SOURCE")
        add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    endif()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    check_pie_supported(LANGUAGES CXX)
    vorn_harden_link(-z,relro "-z,relro|-z relro")
    vorn_harden_link(-z,now "-z,now|-z now")
endif()

if(NOT vorn_given_flags MATCHES "-f(file|debug)-prefix-map")
    check_cxx_compiler_flag(-ffile-prefix-map=/a=b VORN_HAS_FILE_PREFIX_MAP)
    if(VORN_HAS_FILE_PREFIX_MAP)
        # The later map wins where both match: the build folder may lie in the source tree.
        add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                            -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
    endif()
endif()
