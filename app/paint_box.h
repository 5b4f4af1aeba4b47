#pragma once

#include <QWidget>
#include <optional>

#include "drawing/bitmap.h"
#include "drawing/color.h"

// The drawing area. It shows composed pictures and hands its paint requests and mouse events on.
// A left double click arrives as: press, release, double click followed by a press, release.
class PaintBox final : public QWidget {
    Q_OBJECT

public:
    explicit PaintBox(QWidget* parent);

    // Puts the picture on the screen before returning. Called while the box paints itself, the
    // picture becomes that paint's; called elsewhere, the box repaints at once.
    void ShowPicture(Bitmap picture);

    // The colour the screen shows at (x, y): a pixel of the picture shown last; none outside it.
    std::optional<Color> ShownColor(int x, int y) const;

signals:
    void paintRequested();
    void pressed(int x, int y);
    void moved(int x, int y);
    void released(int x, int y);
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Bitmap shown_{0, 0};
    // Set while a paint request is answered or ShowPicture repaints: a paint then only copies
    // the picture, and ShowPicture only stores it.
    bool presenting_ = false;
};
