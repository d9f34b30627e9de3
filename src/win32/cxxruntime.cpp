// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The C++ runtime's error paths, replaced so that the statically linked
// program stays small. GCC's library raises its own errors (a string or
// vector too long, an index out of range, memory exhausted) through these
// functions; its versions build the std::logic_error family with messages
// in std::string, which pulls the library's whole string instantiations
// (about 44 KB) and, through the default terminate handler, its demangler,
// into the .exe. The game never catches them: each is a bug or an exhausted
// machine, and ending at once is what would happen anyway. The game's own
// End and run-time errors are exceptions of its own and are not affected.
#include <bits/functexcept.h>

#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx

namespace std {
void __throw_length_error(const char*) {
    std::abort();
}
void __throw_logic_error(const char*) {
    std::abort();
}
void __throw_out_of_range(const char*) {
    std::abort();
}
void __throw_out_of_range_fmt(const char*, ...) {
    std::abort();
}
void __throw_invalid_argument(const char*) {
    std::abort();
}
void __throw_bad_alloc() {
    std::abort();
}
void __throw_bad_array_new_length() {
    std::abort();
}
void __throw_bad_function_call() {
    std::abort();
}
}  // namespace std

// The record of the exceptions in flight, which the library keeps per thread.
// The game throws on its one thread only (End and its run-time errors), so
// one record does; the library's thread-local one would bring the emulation
// of thread-local storage that MinGW-w64's win32 thread model builds on
// locks and TLS slots. The layout is the Itanium C++ ABI's.
namespace __cxxabiv1 {
struct __cxa_exception;
struct __cxa_eh_globals {
    __cxa_exception* caughtExceptions;
    unsigned int uncaughtExceptions;
};
extern "C" __cxa_eh_globals* __cxa_get_globals() noexcept {
    static __cxa_eh_globals globals;
    return &globals;
}
extern "C" __cxa_eh_globals* __cxa_get_globals_fast() noexcept {
    return __cxa_get_globals();
}
}  // namespace __cxxabiv1
