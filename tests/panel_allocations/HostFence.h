// Stands between a panel and the substitute host so that a test counts only
// the panel's own allocations: every call the panel makes into the drawing
// context, the drawing objects it hands out, or the graphics host runs
// inside an UncountedScope, and so do the wrappers made for the objects.
//
// Contract: the fence hands out wrapped factories, path geometries and
// sinks (the objects whose calls allocate on the host side); brushes, text
// formats and bitmaps pass through unwrapped, so their own calls count. A
// geometry drawn that the fence did not hand out is passed on as it is.
// The wrapped services must outlive the fence. GUI thread.
#pragma once

#include "framework/ComObject.h"
#include "host/gui/GraphicsHost.h"
#include "host/gui/GuiHost.h"

namespace panelalloc {

// A drawing context that draws into another one.
class FencedContext final : public gmpi_gui::IMpDrawingContext {
public:
    explicit FencedContext(gmpi_gui::IMpDrawingContext& inner) : inner_(inner) {}

    int32_t queryInterface(const gmpi::MpGuid& iid, void** out) override;
    int32_t addRef() override { return references_.addRef(); }
    int32_t release() override { return references_.release(); }
    int32_t getFactory(void** factory) override;
    int32_t createSolidColorBrush(const gmpi_gui::MpColor* color, void** brush) override;
    int32_t reserved5() override;
    void fillRectangle(const gmpi_gui::MpRect* rect, gmpi_gui::IMpSolidColorBrush* brush) override;
    void drawLine(gmpi_gui::MpPoint from, gmpi_gui::MpPoint to, gmpi_gui::IMpSolidColorBrush* brush, float width,
                  gmpi::IMpUnknown* strokeStyle) override;
    void drawGeometry(gmpi_gui::IMpPathGeometry* geometry, gmpi_gui::IMpSolidColorBrush* brush, float width,
                      gmpi::IMpUnknown* strokeStyle) override;
    void drawText(const char* text, int32_t length, gmpi_gui::IMpTextFormat* format, const gmpi_gui::MpRect* layout,
                  gmpi_gui::IMpSolidColorBrush* brush, int32_t options) override;
    void drawBitmap(gmpi_gui::IMpBitmap* bitmap, const gmpi_gui::MpRect* destination, float opacity,
                    int32_t interpolation, const gmpi_gui::MpRect* source) override;

private:
    gmpi_gui::IMpDrawingContext& inner_;
    gmpi::ServiceReferences references_;
};

// The graphics host's services, fenced.
class FencedGraphicsHost final : public gmpi_gui::IMpGraphicsHost {
public:
    explicit FencedGraphicsHost(zuhost::gui::GraphicsHost& inner) : inner_(inner) {}

    int32_t queryInterface(const gmpi::MpGuid& iid, void** out) override;
    int32_t addRef() override { return references_.addRef(); }
    int32_t release() override { return references_.release(); }
    int32_t reserved3() override;
    void invalidateRect(const gmpi_gui::MpRect* rect) override;
    void invalidateMeasure() override;
    int32_t createTextFormat(const char* family, gmpi::IMpUnknown* collection, int32_t weight, int32_t style,
                             int32_t stretch, float size, const char* locale, void** format) override;
    int32_t reserved7() override;
    int32_t createPlatformMenu(void** menu) override;
    int32_t setCapture() override;
    int32_t getCapture(int32_t* captured) override;
    int32_t releaseCapture() override;
    int32_t createPlatformTextEdit(void** textEdit) override;
    int32_t reserved13() override;
    int32_t loadImage(const char* fullName, void** bitmap) override;

private:
    zuhost::gui::GraphicsHost& inner_;
    gmpi::ServiceReferences references_;
};

// What a panel's setHost is given: the GUI host as it is, and the graphics host fenced.
class FencedHost final : public gmpi::IMpUnknown {
public:
    FencedHost(zuhost::gui::GuiHost& guiHost, zuhost::gui::GraphicsHost& graphicsHost)
        : guiHost_(guiHost), graphicsHost_(graphicsHost) {}

    int32_t queryInterface(const gmpi::MpGuid& iid, void** out) override;
    int32_t addRef() override { return references_.addRef(); }
    int32_t release() override { return references_.release(); }

private:
    zuhost::gui::GuiHost& guiHost_;
    FencedGraphicsHost graphicsHost_;
    gmpi::ServiceReferences references_;
};

}  // namespace panelalloc
