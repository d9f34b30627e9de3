// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Run-time errors and End. A failing operation throws RuntimeError and nothing
// in the game catches it: the session's delivery of the notification that was
// running reports it and ends the program. End throws too, so the handler
// that asked for it stops on the spot and nothing after it runs.
#pragma once

#include <exception>
#include <string>

namespace runtime {

class RuntimeError : public std::exception {
public:
    RuntimeError(int number, std::string text);

    int number() const { return m_number; }
    const std::string& text() const { return m_text; }  // UTF-8
    const char* what() const noexcept override { return m_text.c_str(); }

private:
    int m_number;
    std::string m_text;
};

// The program's two run-time errors.
inline constexpr int kOverflowError = 1;  // a number too large for its type
inline constexpr int kPictureError = 2;   // the built-in picture cannot be decoded

[[noreturn]] void raiseOverflow();
[[noreturn]] void raisePictureError();

// Thrown by End; only the delivery of notifications catches it.
struct EndRequest {};

// Ends the program at once: no further notification reaches a handler.
[[noreturn]] void End();

}  // namespace runtime
