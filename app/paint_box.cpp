// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/paint_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "drawing/image_view.h"

namespace {

QPoint PixelOf(const QMouseEvent* event) {
    return event->position().toPoint();
}

}  // namespace

PaintBox::PaintBox(QWidget* parent, Composer composer)
    : QWidget(parent), composer_(std::move(composer)) {
    setMouseTracking(true);  // moves arrive with no button held, too
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// Qt paints only a box that is on the screen, and then before repaint() returns.
void PaintBox::PaintNow() {
    const std::uint64_t before = compositions_;
    repaint();
    if (compositions_ == before) {
        Compose();
    }
}

std::optional<Color> PaintBox::ShownColor(int x, int y) const {
    if (!shown_.Contains(x, y)) {
        return std::nullopt;
    }
    return shown_.Pixel(x, y);
}

Bitmap PaintBox::Compose() {
    ++compositions_;
    return composer_(width(), height());
}

// On a screen of n device pixels per pixel, every picture pixel becomes an n x n block: the
// painter scales without smoothing. The focus cue lies on the screen only, not in the picture.
void PaintBox::paintEvent(QPaintEvent*) {
    shown_ = Compose();
    QPainter painter(this);
    painter.drawImage(0, 0, ImageView(shown_));
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
