// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include "drawing/bitmap.h"

// The pixels as a QImage, without a copy; valid while the pixels are.
inline QImage ImageView(const Pixels& pixels) {
    return QImage(pixels.Bytes(), pixels.Width(), pixels.Height(), pixels.BytesPerLine(),
                  QImage::Format_RGB32);
}
