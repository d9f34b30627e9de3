// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Run-time errors and End. A failing operation throws RuntimeError and nothing
// in the game catches it: the session's delivery of the notification that was
// running reports it and ends the program. End throws too, so the handler
// that asked for it stops on the spot and nothing after it runs. A front end
// built without C++ exceptions (the page's, for its size) defines End and
// the raising operations itself: they end the session there and then, and
// the handler is abandoned, never entered again, as if the process had gone.
#pragma once

#include <string>
#include <utility>

namespace runtime {

// No std::exception: nothing but the session's delivery catches it, and a
// page would carry the standard library's type machinery for its sake.
class RuntimeError {
public:
    RuntimeError(int number, std::string text) : m_number(number), m_text(std::move(text)) {}

    int number() const { return m_number; }
    const std::string& text() const { return m_text; }  // UTF-8

private:
    int m_number;
    std::string m_text;
};

// The program's two run-time errors, with what their report says.
inline constexpr int kOverflowError = 1;  // a number too large for its type
inline constexpr int kPictureError = 2;   // the built-in picture cannot be decoded
inline constexpr const char* kOverflowText = "Přetečení";
inline constexpr const char* kPictureText = "Obrázek nelze načíst";

[[noreturn]] void raiseOverflow();
[[noreturn]] void raisePictureError();

// Thrown by End; only the delivery of notifications catches it.
struct EndRequest {};

// Ends the program at once: no further notification reaches a handler.
[[noreturn]] void End();

}  // namespace runtime
