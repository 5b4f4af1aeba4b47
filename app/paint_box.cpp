#include "app/paint_box.h"

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
    const int before = compositions_;
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

void PaintBox::paintEvent(QPaintEvent*) {
    shown_ = Compose();
    QPainter painter(this);
    painter.drawImage(0, 0, ImageView(shown_));
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
