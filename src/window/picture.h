// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The hidden picture: a baseline JPEG built into the program, 250 x 397
// pixels, which the picture control uncovers from the top down.
#pragma once

namespace window {

inline constexpr const char* kPictureResource = ":/klikoman/picture.jpg";
inline constexpr int kPictureWidthPixels = 250;
inline constexpr int kPictureHeightPixels = 397;

}  // namespace window
