#include "drawing/render.h"

#include "readouts/readings.h"

std::string RenderSlideRule(Canvas& canvas, const SlideRuleView& view, CellWriter& table) {
    WriteRowHeaders(view.mode, table);
    DrawPicture(canvas, view);
    const StripGeometry geometry =
        StripGeometry::ForArea(canvas.Image().Width(), canvas.Image().Height());
    const Readings readings = ComputeReadings(view.mode, view.slideX, view.cursorX,
                                              static_cast<std::int32_t>(geometry.stripWidth));
    WriteReadings(readings, table);
    return readings.taskLine;
}
