// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The hidden picture: a baseline JPEG built into the program, 250 x 397
// pixels, which the picture control uncovers from the top down. Its natural
// size in twips is the picture control's size in the layout, the height the
// game covers and thirty hits uncover, and the size the hidden spot sets.
#pragma once

#include <cstdint>
#include <span>

#include "runtime/twips.h"

namespace window {

// The JPEG file's bytes, carried in the program by the build (picture.cpp,
// generated from resources/picture.jpg); a page carries none and serves the
// file beside itself.
std::span<const unsigned char> pictureJpeg();

inline constexpr std::int16_t kPictureWidth = 3750;   // twips
inline constexpr std::int16_t kPictureHeight = 5955;  // twips
inline constexpr int kPictureWidthPixels = runtime::twipsToPixels(kPictureWidth);
inline constexpr int kPictureHeightPixels = runtime::twipsToPixels(kPictureHeight);
static_assert(kPictureWidthPixels == 250 && kPictureHeightPixels == 397,
              "the picture is 250 x 397 pixels, whole pixels at 15 twips each");

}  // namespace window
