// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Klikoman's entry point: hands the project to the runtime and nothing else;
// the game takes no command-line arguments.
#include "program.h"

int main(int, char**) {  // the arguments are ignored; Windows' entry point wants them
    return runtime::start(app::kProject);
}
