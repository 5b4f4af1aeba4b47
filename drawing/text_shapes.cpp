// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/text_shapes.h"

#include <QFontMetrics>
#include <QString>
#include <QTextLayout>
#include <QTextOption>

#include "readouts/windows1252.h"

namespace {

// A picture writes a few dozen different texts; more than this in one face are let go.
constexpr std::size_t kMostShapesPerFace = 1024;

QFont MakeFont(const std::string& family, int pixelSize) {
    QFont font;
    font.setFamilies({QString::fromUtf8(Windows1252ToUtf8(family)), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Normal);
    // Qt picks another hinting while its screen scaling is on; asking for one keeps the
    // picture's text the same whatever the screen's scale factor.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

}  // namespace

TextShapes::Face& TextShapes::FaceOf(const std::string& family, int pixelSize) {
    const auto key = std::make_pair(family, pixelSize);
    auto found = faces_.find(key);
    if (found == faces_.end()) {
        const QFont font = MakeFont(family, pixelSize);
        const QFontMetrics metrics(font);
        found = faces_
                    .emplace(key,
                             Face{font, metrics.ascent(), metrics.height(), metrics.maxWidth(), {}})
                    .first;
    }
    return found->second;
}

const TextShapes::Shape& TextShapes::ShapeOf(Face& face, std::string_view text) {
    const auto found = face.shapes.find(text);
    if (found != face.shapes.end()) {
        return found->second;
    }
    if (face.shapes.size() >= kMostShapesPerFace) {
        face.shapes.clear();
    }
    const QString qtext = QString::fromUtf8(Windows1252ToUtf8(text));
    QTextLayout layout(qtext, face.font);
    QTextOption oneLine;
    oneLine.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(oneLine);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    Shape shape{layout.glyphRuns(), line.ascent(),
                QFontMetrics(face.font).horizontalAdvance(qtext)};
    return face.shapes.emplace(std::string(text), std::move(shape)).first->second;
}
