// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Klikoman's entry point: hands the project to the runtime and nothing else.
#include "program.h"

int main(int argc, char** argv) {
    return runtime::start(argc, argv, app::kProject);
}
