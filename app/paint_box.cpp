// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/paint_box.h"

#include <QBackingStore>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <algorithm>

#include "drawing/compose.h"
#include "drawing/image_view.h"
#include "drawing/picture.h"
#include "geometry/picture_layout.h"
#include "readouts/readout_table.h"

namespace {

QPoint PixelOf(const QMouseEvent* event) {
    return event->position().toPoint();
}

// The pixels of the window's backing store under the box, where a paint can compose its picture
// in place, without a copy: the store's own raster image (not some other device the box renders
// into), of 32-bit opaque pixels at one device pixel per pixel, not shared, the box at a
// whole-pixel offset. None where that is not so.
Pixels BackingStorePixels(QPainter& painter, QBackingStore* store, QSize size) {
    QPaintDevice* device = painter.paintEngine()->paintDevice();
    if (store == nullptr || device != store->paintDevice() ||
        device->devType() != QInternal::Image) {
        return {};
    }
    auto* image = static_cast<QImage*>(device);
    const bool opaque32 = image->format() == QImage::Format_RGB32 ||
                          image->format() == QImage::Format_ARGB32_Premultiplied;
    const QTransform& offset = painter.deviceTransform();
    const QPoint topLeft(static_cast<int>(offset.dx()), static_cast<int>(offset.dy()));
    const bool wholePixels = offset.type() <= QTransform::TxTranslate &&
                             offset.dx() == topLeft.x() && offset.dy() == topLeft.y();
    if (!opaque32 || !wholePixels || !image->isDetached() || image->devicePixelRatio() != 1 ||
        !image->rect().contains(QRect(topLeft, size))) {
        return {};
    }
    const auto stride = static_cast<std::ptrdiff_t>(image->bytesPerLine() / sizeof(Color));
    auto* first = reinterpret_cast<Color*>(image->bits()) + topLeft.y() * stride + topLeft.x();
    return Pixels(first, size.width(), size.height(), stride);
}

// The part of a box of 64-bit coordinates that lies within an area of that size.
QRect PartWithin(const Box& box, QSize size) {
    const auto clamp = [](std::int64_t value, int limit) {
        return static_cast<int>(std::clamp<std::int64_t>(value, 0, limit));
    };
    const QPoint topLeft(clamp(box.left, size.width()), clamp(box.top, size.height()));
    const QPoint bottomRight(clamp(box.right, size.width()), clamp(box.bottom, size.height()));
    return QRect(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()));
}

}  // namespace

PaintBox::PaintBox(QWidget* parent, Setting setting, Composer composer)
    : QWidget(parent), setting_(std::move(setting)), composer_(std::move(composer)) {
    setMouseTracking(true);  // moves arrive with no button held, too
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// Qt paints only a box that is on the screen, and then before repaint() returns.
void PaintBox::PaintNow() {
    const std::uint64_t before = compositions_;
    repaint(RegionOf(ChangedAreas()));
    if (compositions_ == before) {
        Compose(OwnPicture(), Whole());
    }
}

// A drag moves the slide or the cursor alone; the rest of the screen already shows the new
// picture, and writing and sending less of it is what a drag at a large size waits for. The
// focus cue, drawn over the picture at every paint, needs the whole box.
std::optional<std::vector<Box>> PaintBox::ChangedAreas() const {
    if (!shown_ || shown_->second != size() || hasFocus()) {
        return std::nullopt;
    }
    return ChangedArea(PictureLayout::ForArea(width(), height()), shown_->first, setting_());
}

// A move that changes nothing still paints, one pixel, so that the readings follow.
QRegion PaintBox::RegionOf(const std::optional<std::vector<Box>>& areas) const {
    if (!areas) {
        return rect();
    }
    if (areas->empty()) {
        return QRect(0, 0, 1, 1);
    }
    QRegion region;
    for (const Box& box : *areas) {
        region += PartWithin(box, size());
    }
    return region.isEmpty() ? QRegion(rect()) : region;
}

std::optional<Color> PaintBox::ShownColor(int x, int y) {
    if (!shown_ || !QRect(QPoint(), shown_->second).contains(x, y)) {
        return std::nullopt;
    }
    if (!shownAgainIsCurrent_) {
        const auto& [view, size] = *shown_;
        if (shownAgain_.Width() != size.width() || shownAgain_.Height() != size.height()) {
            shownAgain_ = Bitmap(size.width(), size.height());
        }
        ReadoutTable unused;
        hitTestComposer_.Compose(shownAgain_.View(), view, unused);
        shownAgainIsCurrent_ = true;
    }
    return shownAgain_.Pixel(x, y);
}

SlideRuleView PaintBox::Compose(const Pixels& target, const std::vector<Box>& areas) {
    ++compositions_;
    return composer_(target, areas);
}

std::vector<Box> PaintBox::Whole() const {
    return {Box{0, 0, width(), height()}};
}

Pixels PaintBox::OwnPicture() {
    if (ownPicture_.Width() != width() || ownPicture_.Height() != height()) {
        ownPicture_ = Bitmap(width(), height());
    }
    return ownPicture_.View();
}

// In place, a paint for a move composes only where the picture changed: elsewhere the backing
// store already holds it, and the display may still be reading it. Any other paint composes the
// whole picture. Elsewhere than in place it is composed whole beside the screen and copied
// there; on a screen of n device pixels per pixel every picture pixel becomes an n x n block, the
// painter scaling without smoothing. The focus cue lies on the screen only, not in the picture.
void PaintBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const Pixels inPlace = BackingStorePixels(painter, backingStore(), size());
    SlideRuleView view;
    if (inPlace.Empty()) {
        const Pixels own = OwnPicture();
        view = Compose(own, Whole());
        painter.drawImage(0, 0, ImageView(own));
    } else {
        const auto changed = ChangedAreas();
        const QRegion changedRegion = RegionOf(changed);
        const bool onlyTheMove = changed && changedRegion == event->region();
        view = Compose(inPlace, onlyTheMove ? *changed : Whole());
        if (!(changedRegion - event->region()).isEmpty()) {
            update();  // the screen still shows an older picture there
        }
    }
    shown_ = {view, size()};
    shownAgainIsCurrent_ = false;
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// Qt sends no paint event to a box without width or height; the readings still follow its size.
// A hidden box waits for its window to show it.
void PaintBox::resizeEvent(QResizeEvent*) {
    if (size().isEmpty() && isVisible()) {
        PaintNow();
    }
}

// The box answers Left, Right and Home, also with Shift and Ctrl; every other key, and any with
// Alt or Meta, goes on to the window.
void PaintBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool movesTheRule = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home;
    if (!movesTheRule || (event->modifiers() & (Qt::AltModifier | Qt::MetaModifier))) {
        event->ignore();
        return;
    }
    emit keyPressed(key, event->modifiers());
}

void PaintBox::mousePressEvent(QMouseEvent* event) {
    emit pressed(PixelOf(event).x(), PixelOf(event).y());
}

void PaintBox::mouseMoveEvent(QMouseEvent* event) {
    emit moved(PixelOf(event).x(), PixelOf(event).y());
}

void PaintBox::mouseReleaseEvent(QMouseEvent* event) {
    emit released(PixelOf(event).x(), PixelOf(event).y());
}

// Qt sends the second press of a double click as this event alone.
void PaintBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit doubleClicked();
    }
    emit pressed(PixelOf(event).x(), PixelOf(event).y());
}
