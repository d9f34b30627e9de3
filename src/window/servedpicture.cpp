// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The picture's bytes where the program does not carry them: a page serves
// the JPEG file as a file of its own beside it (the browser fetches and
// decodes it), so the program holds none.
#include "picture.h"

namespace window {

std::span<const unsigned char> pictureJpeg() {
    return {};
}

}  // namespace window
