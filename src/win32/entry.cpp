// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Where the process starts: here, not in MinGW-w64's C runtime start-up. The
// game takes no command-line arguments, reads no environment and uses no
// C stdio, and msvcrt.dll sets itself up as it loads; the start-up code
// (arguments, console and floating-point set-up, a signal handler, the
// relocation of data imported from DLLs, which a static program has none of)
// would be a tenth of the program and a few milliseconds of every start.
// main() still runs the static constructors first, as GCC has it call
// __main() on Windows.
#include "system.h"

// main() by its symbol: C++ may not name it.
extern "C" int programMain(int argc, char** argv) __asm__("main");

extern "C" [[noreturn]] void klikomanEntry() {
    ExitProcess(UINT(programMain(0, nullptr)));
}
