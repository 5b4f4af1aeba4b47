#include "app/paint_box.h"

#include <QMouseEvent>
#include <QPainter>

#include "drawing/image_view.h"

namespace {

QPoint PixelOf(const QMouseEvent* event) {
    return event->position().toPoint();
}

}  // namespace

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);  // moves arrive with no button held, too
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintBox::ShowPicture(Bitmap picture) {
    shown_ = std::move(picture);
    if (presenting_) {
        return;
    }
    presenting_ = true;
    repaint();
    presenting_ = false;
}

std::optional<Color> PaintBox::ShownColor(int x, int y) const {
    if (!shown_.Contains(x, y)) {
        return std::nullopt;
    }
    return shown_.Pixel(x, y);
}

void PaintBox::paintEvent(QPaintEvent*) {
    if (!presenting_) {
        presenting_ = true;
        emit paintRequested();
        presenting_ = false;
    }
    if (shown_.Width() == 0 || shown_.Height() == 0) {
        return;
    }
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
