// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The run-time error type and the operations that raise it.
#include "errors.h"

#include <utility>

namespace runtime {

RuntimeError::RuntimeError(int number, std::string text)
    : m_number(number), m_text(std::move(text)) {}

void raiseOverflow() {
    throw RuntimeError(kOverflowError, kOverflowText);
}

void raisePictureError() {
    throw RuntimeError(kPictureError, kPictureText);
}

void End() {
    throw EndRequest{};
}

}  // namespace runtime
