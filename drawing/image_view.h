// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include "drawing/bitmap.h"

// The bitmap's own pixels as a QImage, without a copy; valid while the bitmap lives and keeps its
// size.
inline QImage ImageView(Bitmap& bitmap) {
    return QImage(bitmap.Bytes(), bitmap.Width(), bitmap.Height(), bitmap.BytesPerLine(),
                  QImage::Format_RGB32);
}
