// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// What a program's start-up hands the runtime to keep until the event loop
// ends: the program's state and window, whatever their type.
#pragma once

namespace runtime {

class LoadedProgram {
public:
    LoadedProgram() = default;
    LoadedProgram(const LoadedProgram&) = delete;
    LoadedProgram& operator=(const LoadedProgram&) = delete;
    virtual ~LoadedProgram() = default;
};

}  // namespace runtime
