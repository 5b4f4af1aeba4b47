// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/canvas.h"

#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <memory>
#include <vector>

#include "drawing/image_view.h"
#include "drawing/text_shapes.h"
#include "geometry/box.h"
#include "readouts/windows1252.h"

namespace {

// Clipping a slanted line multiplies two coordinate differences; 128 bits hold that for any tamed
// input.
__extension__ typedef __int128 Wide;

// Far beyond any image, yet sums and products of a few such values stay in range.
constexpr std::int64_t kFarAway = std::int64_t{1} << 60;

std::int64_t Tame(std::int64_t coordinate) {
    return std::clamp(coordinate, -kFarAway, kFarAway);
}

// Columns, rows or steps from first to last, both included; empty when first > last.
struct Range {
    std::int64_t first;
    std::int64_t last;

    bool Empty() const { return first > last; }
    Range Cut(std::int64_t low, std::int64_t high) const {
        return {std::max(first, low), std::min(last, high)};
    }
};

// Sets the columns of one row, cut to the row (or to the columns from `first` on).
void FillSpan(Color* row, int width, Range columns, Color color, int first = 0) {
    const Range visible = columns.Cut(first, width - 1);
    if (!visible.Empty()) {
        std::fill_n(row + visible.first, visible.last - visible.first + 1, color);
    }
}

// ---- Rectangles and rounded rectangles ----

// A rectangle with its corners cut by the quarters of an ellipse, as one column span per row.
class RoundedShape {
public:
    // left < right and top < bottom; the corner fits the rectangle.
    RoundedShape(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                 std::int64_t cornerWidth, std::int64_t cornerHeight)
        : left_(left),
          top_(top),
          right_(right),
          bottom_(bottom),
          cornerRows_(cornerHeight),
          radiusX_(static_cast<long double>(cornerWidth) / 2),
          radiusY_(static_cast<long double>(cornerHeight) / 2) {}

    // Empty for rows outside the shape.
    Range RowSpan(std::int64_t row) const {
        if (row < top_ || row >= bottom_) {
            return {1, 0};
        }
        const std::int64_t inset = CornerInset(std::min(row - top_, bottom_ - 1 - row));
        return {left_ + inset, right_ - 1 - inset};
    }

private:
    // The least inset that puts the pixel centre inside the corner ellipse, k rows from the
    // nearer horizontal edge. The rows nearest the ellipse's middle reach the sides, so that some
    // row covers every column of the rectangle, also one only two rows high.
    std::int64_t CornerInset(std::int64_t k) const {
        if (2 * k + 2 >= cornerRows_) {
            return 0;
        }
        const long double dy = (static_cast<long double>(k) + 0.5L) - radiusY_;
        const long double ratio = dy / radiusY_;
        const long double halfWidth = radiusX_ * std::sqrt(1.0L - ratio * ratio);
        const long double inset = std::ceil(radiusX_ - halfWidth - 0.5L);
        return inset > 0 ? static_cast<std::int64_t>(inset) : 0;
    }

    std::int64_t left_;
    std::int64_t top_;
    std::int64_t right_;
    std::int64_t bottom_;
    std::int64_t cornerRows_;
    long double radiusX_;
    long double radiusY_;
};

// The columns of a row whose four neighbours all lie in the shape: the row's span less its ends,
// cut to the spans above and below.
Range Inside(Range above, Range row, Range below) {
    if (above.Empty() || below.Empty()) {
        return {1, 0};
    }
    return Range{row.first + 1, row.last - 1}.Cut(std::max(above.first, below.first),
                                                  std::min(above.last, below.last));
}

struct ShapePaint {
    Color outline;
    Color inside;
    bool fillsInside;
};

// The outline is every pixel of the span outside `inside`. A blank row is white outside the
// shape, and inside it unless the fill is solid.
void PaintShapeRow(Color* row, int width, Range span, Range inside, ShapePaint paint, bool blank) {
    if (blank) {
        const Range shape = span.Cut(0, width - 1);
        if (shape.Empty()) {
            FillSpan(row, width, {0, width - 1}, kWhite);
            return;
        }
        FillSpan(row, width, {0, shape.first - 1}, kWhite);
        FillSpan(row, width, {shape.last + 1, width - 1}, kWhite);
        if (!paint.fillsInside) {
            FillSpan(row, width, inside, kWhite);
        }
    }
    if (inside.Empty()) {
        FillSpan(row, width, span, paint.outline);
        return;
    }
    FillSpan(row, width, {span.first, inside.first - 1}, paint.outline);
    if (paint.fillsInside) {
        FillSpan(row, width, inside, paint.inside);
    }
    FillSpan(row, width, {inside.last + 1, span.last}, paint.outline);
}

// ---- Lines ----

struct LinePen {
    Color color;
    bool dotted;
};

// The coordinates a line passes from start up to, not including, end, cut to [0, limit).
Range RunInside(std::int64_t start, std::int64_t end, std::int64_t limit) {
    const Range run = start < end ? Range{start, end - 1} : Range{end + 1, start};
    return run.Cut(0, limit - 1);
}

// The first coordinate from `first` on that lies an even number of steps from the start.
std::int64_t FirstDot(std::int64_t first, std::int64_t start) {
    return first + ((first - start) & 1);
}

void DrawHorizontal(const Pixels& image, std::int64_t x0, std::int64_t x1, std::int64_t y,
                    LinePen pen) {
    if (y < 0 || y >= image.Height()) {
        return;
    }
    const Range columns = RunInside(x0, x1, image.Width());
    if (columns.Empty()) {
        return;
    }
    Color* row = image.Row(static_cast<int>(y));
    if (!pen.dotted) {
        FillSpan(row, image.Width(), columns, pen.color);
        return;
    }
    for (std::int64_t x = FirstDot(columns.first, x0); x <= columns.last; x += 2) {
        row[x] = pen.color;
    }
}

void DrawVertical(const Pixels& image, std::int64_t x, std::int64_t y0, std::int64_t y1,
                  LinePen pen) {
    if (x < 0 || x >= image.Width()) {
        return;
    }
    const Range rows = RunInside(y0, y1, image.Height());
    if (rows.Empty()) {
        return;
    }
    const std::int64_t first = pen.dotted ? FirstDot(rows.first, y0) : rows.first;
    const std::int64_t rowStep = pen.dotted ? 2 : 1;
    Color* column = image.Row(0) + x;
    for (std::int64_t y = first; y <= rows.last; y += rowStep) {
        column[y * image.Stride()] = pen.color;
    }
}

// A slanted line walks n steps along its longer axis and m across. Step k stands
// floor((2km + n) / 2n) across from the start: where Bresenham's error term puts it. The line is
// clipped first, with that closed form, to the steps whose pixel lies in the image; the walk then
// starts at the first of them with the error term it has there, however far the ends lie.
class SlantedLine {
public:
    SlantedLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1)
        : alongX_(Distance(x0, x1) >= Distance(y0, y1)),
          major_(alongX_ ? Axis{x0, x1} : Axis{y0, y1}),
          minor_(alongX_ ? Axis{y0, y1} : Axis{x0, x1}),
          n_(major_.Length()),
          m_(minor_.Length()) {}

    void Draw(const Pixels& image, LinePen pen) const {
        const std::int64_t majorLimit = alongX_ ? image.Width() : image.Height();
        const std::int64_t minorLimit = alongX_ ? image.Height() : image.Width();
        const Range steps = VisibleSteps(majorLimit, minorLimit);
        if (steps.Empty()) {
            return;
        }
        const Wide start = 2 * Wide{steps.first} * m_ + n_;
        auto error = static_cast<std::int64_t>(start % (2 * n_));
        std::int64_t u = major_.At(steps.first);
        std::int64_t v = minor_.At(static_cast<std::int64_t>(start / (2 * n_)));
        for (std::int64_t k = steps.first; k <= steps.last; ++k) {
            if (!pen.dotted || k % 2 == 0) {
                image.SetPixel(static_cast<int>(alongX_ ? u : v), static_cast<int>(alongX_ ? v : u),
                               pen.color);
            }
            u += major_.Direction();
            error += 2 * m_;
            if (error >= 2 * n_) {
                error -= 2 * n_;
                v += minor_.Direction();
            }
        }
    }

private:
    struct Axis {
        std::int64_t start;
        std::int64_t end;

        std::int64_t Direction() const { return start < end ? 1 : -1; }
        std::int64_t Length() const { return Distance(start, end); }
        std::int64_t At(std::int64_t steps) const { return start + Direction() * steps; }
        // The steps whose coordinate lies in [0, limit).
        Range StepsInside(std::int64_t limit) const {
            return Direction() > 0 ? Range{-start, limit - 1 - start}
                                   : Range{start - limit + 1, start};
        }
    };

    static std::int64_t Distance(std::int64_t a, std::int64_t b) { return a < b ? b - a : a - b; }

    static Wide CeilDiv(Wide numerator, Wide denominator) {  // denominator > 0
        return numerator / denominator + (numerator % denominator > 0 ? 1 : 0);
    }

    // The steps along the longer axis whose pixel lies in the image on both axes.
    Range VisibleSteps(std::int64_t majorLimit, std::int64_t minorLimit) const {
        const Range across = minor_.StepsInside(minorLimit).Cut(0, m_);
        if (across.Empty()) {
            return across;
        }
        // Step k lies at least j across when 2km + n >= 2nj, and at most j when 2km + n < 2n(j+1).
        const Wide firstReaching = CeilDiv((2 * Wide{across.first} - 1) * n_, 2 * Wide{m_});
        const Wide lastWithin = CeilDiv((2 * Wide{across.last} + 1) * n_, 2 * Wide{m_}) - 1;
        const Range along = major_.StepsInside(majorLimit).Cut(0, n_ - 1);
        return along.Cut(static_cast<std::int64_t>(std::max<Wide>(firstReaching, along.first)),
                         static_cast<std::int64_t>(std::min<Wide>(lastWithin, along.last)));
    }

    bool alongX_;
    Axis major_;
    Axis minor_;
    std::int64_t n_;
    std::int64_t m_;
};

// ---- Flood fill ----

// One bit per pixel for what the fill has taken. The colour alone cannot tell: the region may
// hold the fill colour before the fill reaches it, and the fill must pass through such pixels.
// A row is cleared when the fill first comes near it, so a small fill costs little on a large
// image.
class VisitMask {
public:
    VisitMask(int width, int height)
        : wordsPerRow_((static_cast<std::size_t>(width) + 63) / 64),
          rowCleared_(static_cast<std::size_t>(height)),
          words_(std::make_unique_for_overwrite<std::uint64_t[]>(
              wordsPerRow_ * static_cast<std::size_t>(height))) {}

    std::uint64_t* Row(int y) {
        std::uint64_t* row = words_.get() + static_cast<std::size_t>(y) * wordsPerRow_;
        if (!rowCleared_[static_cast<std::size_t>(y)]) {
            std::fill_n(row, wordsPerRow_, 0);
            rowCleared_[static_cast<std::size_t>(y)] = true;
        }
        return row;
    }

    static bool Test(const std::uint64_t* row, int x) {
        const auto bit = static_cast<unsigned>(x);
        return ((row[bit / 64] >> (bit % 64)) & 1u) != 0;
    }

    static void Mark(std::uint64_t* row, int first, int last) {
        for (int x = first; x <= last;) {
            const int bit = x % 64;
            const int count = std::min(64 - bit, last - x + 1);
            const std::uint64_t ones =
                count == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1;
            row[x / 64] |= ones << bit;
            x += count;
        }
    }

private:
    std::size_t wordsPerRow_;
    std::vector<bool> rowCleared_;
    std::unique_ptr<std::uint64_t[]> words_;
};

// The resolution at which the picture is drawn on every screen.
constexpr int kScreenDotsPerInch = 96;

// Qt counts in int; no text reaches from this far left into the image.
constexpr std::int64_t kFarthestTextStart = -(std::int64_t{1} << 30);

}  // namespace

// Fills whole horizontal runs. Each pending segment is a stretch of a filled row together with
// the direction of the row still to look at; only the parts of a new run that reach beyond the
// segment it came from are looked at again on the way back, so every pixel is read about twice.
// The explicit stack keeps deep regions off the call stack.
class Canvas::SpanFill {
public:
    // Finds the region in the whole image; sets the fill colour only within `area`. Beyond the
    // area the image already holds the result of this fill, drawn when its picture was composed
    // whole; there the fill passes through its own colour only, since lines drawn after it (the
    // hairline) may cross the borders it met.
    SpanFill(const Pixels& image, const Box& area, Color border, Color fill)
        : image_(image),
          area_(area),
          border_(border),
          fill_(fill),
          visited_(image.Width(), image.Height()) {}

    void From(int x, int y) {
        if (!Open(y, image_.Row(y), visited_.Row(y), x)) {
            return;
        }
        const Run first = TakeRun(y, x);
        Push(y, first, -1);
        Push(y, first, +1);
        while (!pending_.empty()) {
            const Segment segment = pending_.back();
            pending_.pop_back();
            Explore(segment);
        }
    }

    // Whether a fill of the same colours from (x, y) would take what this one took: (x, y) is one
    // of the pixels it took, so the region is the same and holds the fill colour throughout.
    bool Repeats(Color border, Color fill, int x, int y) {
        return border == border_ && fill == fill_ && VisitMask::Test(visited_.Row(y), x);
    }

private:
    struct Run {
        int first;
        int last;
    };

    // Row y + step is to be looked at between the columns of run, which lies in row y.
    struct Segment {
        int y;
        Run run;
        int step;
    };

    // Not yet taken, and within the region: not of the border colour where the fill writes, of the
    // fill colour beyond.
    bool Open(int y, const Color* pixels, const std::uint64_t* visited, int x) const {
        if (VisitMask::Test(visited, x)) {
            return false;
        }
        return Writes(y, x) ? pixels[x] != border_ : pixels[x] == fill_;
    }

    bool Writes(int y, int x) const {
        return area_.top <= y && y < area_.bottom && area_.left <= x && x < area_.right;
    }

    // Takes the open run through column x of row y, which callers know to be open.
    Run TakeRun(int y, int x) {
        const Color* pixels = image_.Row(y);
        const std::uint64_t* visited = visited_.Row(y);
        Run run{x, x};
        while (run.first > 0 && Open(y, pixels, visited, run.first - 1)) {
            --run.first;
        }
        while (run.last < image_.Width() - 1 && Open(y, pixels, visited, run.last + 1)) {
            ++run.last;
        }
        if (area_.top <= y && y < area_.bottom) {
            FillSpan(image_.Row(y), static_cast<int>(area_.right), {run.first, run.last}, fill_,
                     static_cast<int>(area_.left));
        }
        VisitMask::Mark(visited_.Row(y), run.first, run.last);
        return run;
    }

    void Push(int y, Run run, int step) {
        const int next = y + step;
        if (next >= 0 && next < image_.Height() && run.first <= run.last) {
            pending_.push_back({y, run, step});
        }
    }

    // Takes every open run of the next row that touches the segment; where such a run reaches
    // beyond the segment, the row the segment came from is looked at there too.
    void Explore(const Segment& segment) {
        const int y = segment.y + segment.step;
        const Color* pixels = image_.Row(y);
        const std::uint64_t* visited = visited_.Row(y);
        int x = segment.run.first;
        while (x <= segment.run.last) {
            if (!Open(y, pixels, visited, x)) {
                ++x;
                continue;
            }
            const Run run = TakeRun(y, x);
            Push(y, run, segment.step);
            Push(y, {run.first, segment.run.first - 1}, -segment.step);
            Push(y, {segment.run.last + 1, run.last}, -segment.step);
            x = run.last + 2;
        }
    }

    Pixels image_;
    Box area_;
    Color border_;
    Color fill_;
    VisitMask visited_;
    std::vector<Segment> pending_;
};

// ---- Text ----

// A Qt painter on the canvas's own pixels, writing in the face last used.
class Canvas::TextPainter {
public:
    TextPainter(const Pixels& image, TextShapes& shapes)
        : surface_(ImageView(image)), painter_(&surface_), shapes_(shapes) {}

    const TextShapes::Face& UseFont(const std::string& family, int pixelSize) {
        face_ = &shapes_.FaceOf(family, pixelSize);
        return *face_;
    }

    int Advance(std::string_view text) const { return TextShapes::ShapeOf(*face_, text).advance; }

    void FillCell(int x, int y, int width, Color color) {
        painter_.fillRect(QRect(x, y, width, face_->height), QColor::fromRgb(color));
    }

    void Write(int x, int y, std::string_view text, Color color) {
        const TextShapes::Shape& shape = TextShapes::ShapeOf(*face_, text);
        painter_.setPen(QColor::fromRgb(color));
        const QPointF origin(x, y + face_->ascent - shape.lineAscent);
        for (const QGlyphRun& run : shape.runs) {
            painter_.drawGlyphRun(origin, run);
        }
    }

    // Every pixel the text may touch: its cell and its glyphs' bounds, with a pixel to spare for
    // their smoothed edges.
    Box Extent(int x, int y, std::string_view text) const {
        const QFontMetrics metrics(face_->font);
        const QString qtext = QString::fromUtf8(Windows1252ToUtf8(text));
        const QRect cell(x, y, metrics.horizontalAdvance(qtext), face_->height);
        const QRect ink = metrics.boundingRect(qtext).translated(x, y + face_->ascent);
        const QRect extent = cell.united(ink).adjusted(-1, -1, 1, 1);
        return {extent.left(), extent.top(), std::int64_t{extent.right()} + 1,
                std::int64_t{extent.bottom()} + 1};
    }

private:
    QImage surface_;
    QPainter painter_;
    TextShapes& shapes_;
    TextShapes::Face* face_ = nullptr;
};

// ---- Canvas ----

Canvas::Canvas(const Pixels& whole, TextShapes& shapes, const Pixels& area, std::int64_t areaLeft,
               std::int64_t areaTop, int dotsPerInch)
    : whole_(whole),
      image_(area),
      areaLeft_(areaLeft),
      areaTop_(areaTop),
      shapes_(shapes),
      dotsPerInch_(dotsPerInch) {}

Canvas::Canvas(Bitmap& image, int dotsPerInch)
    : whole_(image.View()),
      image_(whole_),
      areaLeft_(0),
      areaTop_(0),
      ownShapes_(std::make_unique<TextShapes>()),
      shapes_(*ownShapes_),
      dotsPerInch_(dotsPerInch) {}

Canvas::Canvas(const Pixels& image, TextShapes& shapes, const Box& area)
    : Canvas(image, shapes, image.Part(area.left, area.top, area.right, area.bottom),
             std::clamp<std::int64_t>(area.left, 0, image.Width()),
             std::clamp<std::int64_t>(area.top, 0, image.Height()), kScreenDotsPerInch) {
    blankRows_.assign(static_cast<std::size_t>(image_.Height()), 1);
}

std::int64_t Canvas::AreaX(std::int64_t x) const {
    return Tame(x) - areaLeft_;
}

std::int64_t Canvas::AreaY(std::int64_t y) const {
    return Tame(y) - areaTop_;
}

// The text painter lets go of the pixels first; every row still blank is then painted white.
Canvas::~Canvas() {
    textPainter_.reset();
    PaintBlankRows(0, image_.Height() - 1);
}

void Canvas::SetFont(std::string_view family, int points) {
    fontFamily_ = family;
    fontPoints_ = points;
}

int Canvas::FontPixelSize() const {
    const std::int64_t scaled = std::int64_t{fontPoints_} * dotsPerInch_;
    return static_cast<int>(std::max<std::int64_t>((2 * scaled + 72) / 144, 1));
}

void Canvas::Rectangle(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
    RoundRect(x1, y1, x2, y2, 0, 0);
}

void Canvas::RoundRect(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                       std::int64_t cornerWidth, std::int64_t cornerHeight) {
    lastFill_.reset();
    const std::int64_t left = AreaX(std::min(x1, x2));
    const std::int64_t right = AreaX(std::max(x1, x2));
    const std::int64_t top = AreaY(std::min(y1, y2));
    const std::int64_t bottom = AreaY(std::max(y1, y2));
    const Range rows = Range{top, bottom - 1}.Cut(0, image_.Height() - 1);
    if (rows.Empty() || right <= 0 || left >= image_.Width() || left == right) {
        return;
    }
    const RoundedShape shape(left, top, right, bottom,
                             std::clamp<std::int64_t>(cornerWidth, 0, right - left),
                             std::clamp<std::int64_t>(cornerHeight, 0, bottom - top));
    const ShapePaint paint{penColor_, fillColor_, FillsInside()};
    // Each visible row's span is worked out once, with the one above and below at hand.
    Range above = shape.RowSpan(rows.first - 1);
    Range span = shape.RowSpan(rows.first);
    for (std::int64_t y = rows.first; y <= rows.last; ++y) {
        const Range below = shape.RowSpan(y + 1);
        const auto row = static_cast<std::size_t>(y);
        const bool blank = !blankRows_.empty() && blankRows_[row] != 0;
        PaintShapeRow(image_.Row(static_cast<int>(y)), image_.Width(), span,
                      Inside(above, span, below), paint, blank);
        if (blank) {
            blankRows_[row] = 0;
        }
        above = span;
        span = below;
    }
}

void Canvas::PaintBlankRows(std::int64_t first, std::int64_t last) {
    if (blankRows_.empty()) {
        return;
    }
    const Range rows = Range{first, last}.Cut(0, image_.Height() - 1);
    if (rows.Empty()) {
        return;
    }
    const auto begin = blankRows_.begin() + rows.first;
    const auto end = blankRows_.begin() + rows.last + 1;
    for (auto blank = std::find(begin, end, 1); blank != end; blank = std::find(blank, end, 1)) {
        const auto y = static_cast<int>(blank - blankRows_.begin());
        std::fill_n(image_.Row(y), image_.Width(), kWhite);
        *blank = 0;
    }
}

void Canvas::MoveTo(std::int64_t x, std::int64_t y) {
    penX_ = AreaX(x);
    penY_ = AreaY(y);
}

void Canvas::LineTo(std::int64_t x, std::int64_t y) {
    lastFill_.reset();
    const std::int64_t x0 = penX_;
    const std::int64_t y0 = penY_;
    MoveTo(x, y);
    // Most ticks of the slide's copies lie beside the image.
    const bool beside = std::max(x0, penX_) < 0 || std::min(x0, penX_) >= image_.Width() ||
                        std::max(y0, penY_) < 0 || std::min(y0, penY_) >= image_.Height();
    if (beside) {
        return;
    }
    PaintBlankRows(std::min(y0, penY_), std::max(y0, penY_));
    const LinePen pen{penColor_, penStyle_ == PenStyle::Dotted};
    if (y0 == penY_) {
        DrawHorizontal(image_, x0, penX_, y0, pen);
    } else if (x0 == penX_) {
        DrawVertical(image_, x0, y0, penY_, pen);
    } else {
        SlantedLine(x0, y0, penX_, penY_).Draw(image_, pen);
    }
}

void Canvas::FloodFill(std::int64_t x, std::int64_t y, Color border) {
    if (!FillsInside() || !whole_.Contains(x, y)) {
        return;
    }
    // A fill may reach any row.
    PaintBlankRows(0, image_.Height() - 1);
    const auto seedX = static_cast<int>(x);
    const auto seedY = static_cast<int>(y);
    // The cursor's frame is filled from two points that one fill usually takes both of.
    if (lastFill_ && lastFill_->Repeats(border, fillColor_, seedX, seedY)) {
        return;
    }
    const Box area{areaLeft_, areaTop_, areaLeft_ + image_.Width(), areaTop_ + image_.Height()};
    lastFill_ = std::make_unique<SpanFill>(whole_, area, border, fillColor_);
    lastFill_->From(seedX, seedY);
}

void Canvas::TextOut(std::int64_t wholeX, std::int64_t wholeY, std::string_view text) {
    lastFill_.reset();
    const std::int64_t x = AreaX(wholeX);
    const std::int64_t y = AreaY(wholeY);
    // Most labels of a picture lie off the image: reject them before asking Qt anything.
    if (image_.Empty() || text.empty() || x >= image_.Width() || y >= image_.Height()) {
        return;
    }
    if (!textPainter_) {
        textPainter_ = std::make_unique<TextPainter>(image_, shapes_);
    }
    const TextShapes::Face& face = textPainter_->UseFont(fontFamily_, FontPixelSize());
    // Twice the widest character leaves room for glyphs from fallback fonts.
    const auto widthBound = static_cast<std::int64_t>(text.size()) * 2 * face.widestCharacter;
    if (y + face.height <= 0 || x + widthBound <= 0 || x < kFarthestTextStart) {
        return;
    }
    const auto left = static_cast<int>(x);
    const auto top = static_cast<int>(y);
    // Glyphs may reach a little beyond their cell; a cell's height to either side is plenty.
    PaintBlankRows(y - face.height, y + 2 * face.height);
    if (FillsInside() || left < 0) {
        const int advance = textPainter_->Advance(text);
        if (left + advance <= 0) {
            return;
        }
        if (FillsInside()) {
            textPainter_->FillCell(left, top, advance, fillColor_);
        }
    }
    textPainter_->Write(left, top, text, textColor_);
    if (textCells_) {
        const Box cell = textPainter_->Extent(left, top, text);
        textCells_->push_back({cell.left + areaLeft_, cell.top + areaTop_, cell.right + areaLeft_,
                               cell.bottom + areaTop_});
    }
}
