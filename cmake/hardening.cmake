# The hardening a Debian package is built with (dpkg-buildflags with
# hardening=+all, plus stack-clash and control-flow protection where the
# target has them), for the program as it is shipped: Release builds on
# Linux. Debug, sanitizer and fuzz builds stay as they are: fortified libc
# calls would hide faults from the sanitizers.
include(CheckCXXCompilerFlag)
set(hardening_options -fstack-protector-strong -D_FORTIFY_SOURCE=2)
foreach(flag -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "have${flag}" have_flag)
    check_cxx_compiler_flag(${flag} ${have_flag})
    if(${have_flag})
        list(APPEND hardening_options ${flag})
    endif()
endforeach()
add_compile_options("$<$<CONFIG:Release>:${hardening_options}>")
add_link_options("$<$<CONFIG:Release>:LINKER:-z,relro,-z,now>")
