// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "drawing/bitmap.h"
#include "drawing/color.h"
#include "drawing/compose.h"
#include "drawing/slide_rule_view.h"
#include "geometry/box.h"

// The drawing area. Every paint composes a fresh picture of the box's size and puts it on the
// screen, pixel for pixel at the box's logical size; the mouse and key events are handed on. A
// left double click arrives as: press, release, double click followed by a press, release.
class PaintBox final : public QWidget {
    Q_OBJECT

public:
    // The setting the picture is to show now.
    using Setting = std::function<SlideRuleView()>;
    // Composes the picture of the current setting into the pixels given, which have the box's
    // size, writing only within the areas (outside them the pixels already hold that picture),
    // and says which setting the picture shows.
    using Composer =
        std::function<SlideRuleView(const Pixels& target, const std::vector<Box>& areas)>;

    PaintBox(QWidget* parent, Setting setting, Composer composer);

    // Composes a picture and shows it before returning; the screen is brought up to date where
    // the new picture can differ from the one it shows. Where Qt paints nothing (the box is
    // hidden or not yet on the screen, or has no width or no height) the picture is still
    // composed, for what composing writes besides it.
    void PaintNow();

    // The colour the screen shows at (x, y): a pixel of the picture shown last; none outside it.
    std::optional<Color> ShownColor(int x, int y);

    // How many pictures the box has composed.
    std::uint64_t Compositions() const { return compositions_; }

signals:
    void pressed(int x, int y);
    void moved(int x, int y);
    void released(int x, int y);
    void doubleClicked();
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    SlideRuleView Compose(const Pixels& target, const std::vector<Box>& areas);
    std::vector<Box> Whole() const;
    Pixels OwnPicture();
    // Where the picture of the current setting can differ from the one the screen shows; nothing
    // said means anywhere.
    std::optional<std::vector<Box>> ChangedAreas() const;
    // The part of the box a paint over those areas covers.
    QRegion RegionOf(const std::optional<std::vector<Box>>& areas) const;

    Setting setting_;
    Composer composer_;
    std::uint64_t compositions_ = 0;
    // Where the window's backing store cannot take the picture in place: on a high-density
    // screen, or on a platform that paints elsewhere than into an image.
    Bitmap ownPicture_{0, 0};
    // What the screen shows: the picture of this setting at this size.
    std::optional<std::pair<SlideRuleView, QSize>> shown_;
    // The same picture composed once more, when a hit test first asks after a paint: the screen
    // itself is not read back.
    PictureComposer hitTestComposer_;
    Bitmap shownAgain_{0, 0};
    bool shownAgainIsCurrent_ = false;
};
