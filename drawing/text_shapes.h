// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>

// Fonts and texts as Qt lays them out, kept from one render to the next: laying out the ~150
// short labels of a picture costs Qt more than drawing them, and a kept layout draws the same
// pixels as a text laid out anew. The glyph runs hold on to Qt's fonts, so keep a TextShapes no
// longer than the application object.
class TextShapes {
public:
    struct Shape {
        QList<QGlyphRun> runs;
        qreal lineAscent;  // the runs' baseline, down from their top
        int advance;       // as QFontMetrics measures the text
    };

    struct Face {
        QFont font;
        int ascent;
        int height;  // the text cell's: the font's full line height
        int widestCharacter;
        std::map<std::string, Shape, std::less<>> shapes;
    };

    // The family at a pixel size; a missing family falls back to a sans-serif face.
    Face& FaceOf(const std::string& family, int pixelSize);

    // A Windows-1252 text laid out in the face.
    static const Shape& ShapeOf(Face& face, std::string_view text);

private:
    std::map<std::pair<std::string, int>, Face> faces_;
};
