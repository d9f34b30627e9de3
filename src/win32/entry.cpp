// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Where the process starts: here, not in MinGW-w64's C runtime start-up. The
// game takes no command-line arguments, reads no environment and uses no
// C stdio, and msvcrt.dll sets itself up as it loads; the start-up code
// (arguments, console and floating-point set-up, a signal handler, the
// patching of references to data in DLLs) would be a tenth of the program
// and a few milliseconds of every start. Two of its duties are the game's
// own: the static constructors run before main() (libstdc++'s among them),
// and what they register with atexit() runs after it, last first, as exit()
// would run it. GCC's own call to __main() at the top of main() is lost when
// link-time optimisation inlines main() here. The program links with
// --disable-runtime-pseudo-reloc, so that a reference to a DLL's data, which
// only the start-up could patch, fails the link rather than the running game.
#include "system.h"

// main() by its symbol: C++ may not name it.
extern "C" int programMain(int argc, char** argv) __asm__("main");
// MinGW-w64's: runs the static constructors once, however often called.
extern "C" void __main();

namespace {

using ExitFunction = void (*)();
// The C standard asks for room for 32; the game registers two or three.
ExitFunction g_atExit[32];
unsigned g_atExitCount = 0;

}  // namespace

// Ours rather than msvcrt.dll's, which keeps its list for its own exit(),
// which the program never calls.
extern "C" int atexit(ExitFunction function) {
    if (g_atExitCount == sizeof g_atExit / sizeof *g_atExit) {
        return -1;
    }
    g_atExit[g_atExitCount++] = function;
    return 0;
}

extern "C" [[noreturn]] void klikomanEntry() {
    __main();
    const int status = programMain(0, nullptr);
    while (g_atExitCount > 0) {
        g_atExit[--g_atExitCount]();
    }
    ExitProcess(UINT(status));
}
