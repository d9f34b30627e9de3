// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// End and the operations that raise a run-time error, as C++ exceptions. A
// build without exceptions (the page's) has its front end define them.
#include "errors.h"

#if __cpp_exceptions

namespace runtime {

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

#endif
