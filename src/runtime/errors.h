// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Run-time errors and End. A failing operation throws RuntimeError and nothing
// in the game catches it: the delivery of the notification that was running
// reports it and ends the program. End throws too, so the handler that asked
// for it stops on the spot and nothing after it runs.
#pragma once

#include <QString>
#include <exception>

namespace runtime {

class RuntimeError : public std::exception {
public:
    RuntimeError(int number, QString text);

    int number() const { return m_number; }
    const QString& text() const { return m_text; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    int m_number;
    QString m_text;
    QByteArray m_what;
};

inline constexpr int kOverflowError = 6;
inline constexpr int kDivisionByZeroError = 11;
inline constexpr int kInvalidPictureError = 481;
inline constexpr int kNoSuchElementError = 340;

[[noreturn]] void raiseOverflow();
[[noreturn]] void raiseError(int number, const QString& text);

// Thrown by End; only the delivery of notifications catches it.
struct EndRequest {};

// Ends the program at once: no further notification reaches a handler.
[[noreturn]] void End();

}  // namespace runtime
