// The baseline of the panel benchmarks: the drawing calls of one recorded
// render drawn again with plain Cairo calls, as a program drawing with Cairo
// directly would: the same fills, lines and polylines with the stroke
// settings of CairoContext, and the same bitmaps at the same places, painted
// from Cairo surfaces made once.
//
// Contract: the bitmaps are copied when the replay is made, so the panel
// that drew them must still hold them then, and need not afterwards. Text
// calls are not replayed (textCalls() counts them), so a render that draws
// text is charged for it against the baseline.
#pragma once

#include <cairo.h>

#include <map>
#include <memory>
#include <vector>

#include "host/gui/DrawCall.h"

namespace zubench {

class CairoReplay {
public:
    CairoReplay(std::vector<zuhost::gui::DrawCall> calls, int32_t width, int32_t height);

    // One frame, drawn over the last.
    void draw();
    int32_t textCalls() const;

private:
    struct SurfaceDestroy {
        void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
    };
    struct CairoDestroy {
        void operator()(cairo_t* cairo) const { cairo_destroy(cairo); }
    };
    using Surface = std::unique_ptr<cairo_surface_t, SurfaceDestroy>;

    void setSource(const zuhost::gui::DrawCall& call);
    void stroke(float width);
    void fillRectangle(const zuhost::gui::DrawCall& call);
    void drawLine(const zuhost::gui::DrawCall& call);
    void drawGeometry(const zuhost::gui::DrawCall& call);
    void drawBitmap(const zuhost::gui::DrawCall& call);

    std::vector<zuhost::gui::DrawCall> calls_;
    std::map<const void*, Surface> bitmaps_;  // by the pointer the panel drew with
    Surface surface_;
    std::unique_ptr<cairo_t, CairoDestroy> cairo_;
};

}  // namespace zubench
