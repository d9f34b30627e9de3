// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// What a program's start-up hands the runtime to keep until the event loop
// ends: the program's state and window, whatever their type.
#pragma once

namespace runtime {

class Object {
public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() = default;
};

}  // namespace runtime
