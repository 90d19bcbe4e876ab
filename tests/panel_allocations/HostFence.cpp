#include "tests/panel_allocations/HostFence.h"

#include "framework/ComRef.h"
#include "tests/support/AllocationCounter.h"

namespace panelalloc {

using zutest::UncountedScope;

namespace {

// A handed-out object standing for one of the host's, whose reference it owns.
template <class Interface>
class Fenced : public Interface {
public:
    int32_t queryInterface(const gmpi::MpGuid& iid, void** out) override {
        return gmpi::answerQuery(iid, out, {{gmpi::MP_IID_UNKNOWN, this}});
    }
    int32_t addRef() override { return references_.addRef(); }
    int32_t release() override { return references_.release(this); }
    Interface* inner() const { return inner_.get(); }

protected:
    explicit Fenced(Interface* inner) : inner_(gmpi::ComRef<Interface>::adopt(inner)) {}
    virtual ~Fenced() {
        const UncountedScope host;
        inner_.reset();
    }

    gmpi::ComRef<Interface> inner_;

private:
    friend class gmpi::ReferenceCount;  // deletes it at the last release
    gmpi::ReferenceCount references_;
};

// Makes an object through make (a host call, inside the caller's
// UncountedScope) and hands it out wrapped in a Wrapper.
template <class Wrapper, class Make>
int32_t handOut(Make make, void** out) {
    using Interface = typename Wrapper::Wrapped;
    *out = nullptr;
    void* made = nullptr;
    const int32_t result = make(&made);
    if (result != gmpi::MP_OK || made == nullptr) return result;
    *out = static_cast<Interface*>(new Wrapper(static_cast<Interface*>(made)));
    return result;
}

class FencedSink final : public Fenced<gmpi_gui::IMpGeometrySink> {
public:
    using Wrapped = gmpi_gui::IMpGeometrySink;
    explicit FencedSink(Wrapped* inner) : Fenced(inner) {}

    void beginFigure(gmpi_gui::MpPoint start, int32_t figureBegin) override {
        const UncountedScope host;
        inner_->beginFigure(start, figureBegin);
    }
    void addLine(gmpi_gui::MpPoint point) override {
        const UncountedScope host;
        inner_->addLine(point);
    }
    void endFigure(int32_t figureEnd) override {
        const UncountedScope host;
        inner_->endFigure(figureEnd);
    }
    int32_t close() override {
        const UncountedScope host;
        return inner_->close();
    }
};

class FencedGeometry final : public Fenced<gmpi_gui::IMpPathGeometry> {
public:
    using Wrapped = gmpi_gui::IMpPathGeometry;
    explicit FencedGeometry(Wrapped* inner) : Fenced(inner) {}

    int32_t open(void** sink) override {
        if (sink == nullptr) return gmpi::MP_FAIL;
        const UncountedScope host;
        return handOut<FencedSink>([this](void** made) { return inner_->open(made); }, sink);
    }
};

class FencedFactory final : public Fenced<gmpi_gui::IMpDrawingFactory> {
public:
    using Wrapped = gmpi_gui::IMpDrawingFactory;
    explicit FencedFactory(Wrapped* inner) : Fenced(inner) {}

    int32_t createPathGeometry(void** geometry) override {
        if (geometry == nullptr) return gmpi::MP_FAIL;
        const UncountedScope host;
        return handOut<FencedGeometry>([this](void** made) { return inner_->createPathGeometry(made); }, geometry);
    }
};

gmpi_gui::IMpPathGeometry* unwrapped(gmpi_gui::IMpPathGeometry* geometry) {
    const auto* fenced = dynamic_cast<FencedGeometry*>(geometry);
    return fenced != nullptr ? fenced->inner() : geometry;
}

}  // namespace

int32_t FencedContext::queryInterface(const gmpi::MpGuid& iid, void** out) {
    return gmpi::answerQuery(iid, out, {{gmpi_gui::MP_IID_DRAWING_CONTEXT, this}, {gmpi::MP_IID_UNKNOWN, this}});
}

int32_t FencedContext::getFactory(void** factory) {
    if (factory == nullptr) return gmpi::MP_FAIL;
    const UncountedScope host;
    return handOut<FencedFactory>([this](void** made) { return inner_.getFactory(made); }, factory);
}

int32_t FencedContext::createSolidColorBrush(const gmpi_gui::MpColor* color, void** brush) {
    const UncountedScope host;
    return inner_.createSolidColorBrush(color, brush);
}

int32_t FencedContext::reserved5() {
    const UncountedScope host;
    return inner_.reserved5();
}

void FencedContext::fillRectangle(const gmpi_gui::MpRect* rect, gmpi_gui::IMpSolidColorBrush* brush) {
    const UncountedScope host;
    inner_.fillRectangle(rect, brush);
}

void FencedContext::drawLine(gmpi_gui::MpPoint from, gmpi_gui::MpPoint to, gmpi_gui::IMpSolidColorBrush* brush,
                             float width, gmpi::IMpUnknown* strokeStyle) {
    const UncountedScope host;
    inner_.drawLine(from, to, brush, width, strokeStyle);
}

void FencedContext::drawGeometry(gmpi_gui::IMpPathGeometry* geometry, gmpi_gui::IMpSolidColorBrush* brush, float width,
                                 gmpi::IMpUnknown* strokeStyle) {
    const UncountedScope host;
    inner_.drawGeometry(unwrapped(geometry), brush, width, strokeStyle);
}

void FencedContext::drawText(const char* text, int32_t length, gmpi_gui::IMpTextFormat* format,
                             const gmpi_gui::MpRect* layout, gmpi_gui::IMpSolidColorBrush* brush, int32_t options) {
    const UncountedScope host;
    inner_.drawText(text, length, format, layout, brush, options);
}

void FencedContext::drawBitmap(gmpi_gui::IMpBitmap* bitmap, const gmpi_gui::MpRect* destination, float opacity,
                               int32_t interpolation, const gmpi_gui::MpRect* source) {
    const UncountedScope host;
    inner_.drawBitmap(bitmap, destination, opacity, interpolation, source);
}

int32_t FencedGraphicsHost::queryInterface(const gmpi::MpGuid& iid, void** out) {
    return gmpi::answerQuery(iid, out, {{gmpi_gui::MP_IID_GRAPHICS_HOST, this}, {gmpi::MP_IID_UNKNOWN, this}});
}

int32_t FencedGraphicsHost::reserved3() {
    const UncountedScope host;
    return inner_.reserved3();
}

void FencedGraphicsHost::invalidateRect(const gmpi_gui::MpRect* rect) {
    const UncountedScope host;
    inner_.invalidateRect(rect);
}

void FencedGraphicsHost::invalidateMeasure() {
    const UncountedScope host;
    inner_.invalidateMeasure();
}

int32_t FencedGraphicsHost::createTextFormat(const char* family, gmpi::IMpUnknown* collection, int32_t weight,
                                             int32_t style, int32_t stretch, float size, const char* locale,
                                             void** format) {
    const UncountedScope host;
    return inner_.createTextFormat(family, collection, weight, style, stretch, size, locale, format);
}

int32_t FencedGraphicsHost::reserved7() {
    const UncountedScope host;
    return inner_.reserved7();
}

int32_t FencedGraphicsHost::createPlatformMenu(void** menu) {
    const UncountedScope host;
    return inner_.createPlatformMenu(menu);
}

int32_t FencedGraphicsHost::setCapture() {
    const UncountedScope host;
    return inner_.setCapture();
}

int32_t FencedGraphicsHost::getCapture(int32_t* captured) {
    const UncountedScope host;
    return inner_.getCapture(captured);
}

int32_t FencedGraphicsHost::releaseCapture() {
    const UncountedScope host;
    return inner_.releaseCapture();
}

int32_t FencedGraphicsHost::createPlatformTextEdit(void** textEdit) {
    const UncountedScope host;
    return inner_.createPlatformTextEdit(textEdit);
}

int32_t FencedGraphicsHost::reserved13() {
    const UncountedScope host;
    return inner_.reserved13();
}

int32_t FencedGraphicsHost::loadImage(const char* fullName, void** bitmap) {
    const UncountedScope host;
    return inner_.loadImage(fullName, bitmap);
}

int32_t FencedHost::queryInterface(const gmpi::MpGuid& iid, void** out) {
    if (iid == gmpi_gui::MP_IID_GRAPHICS_HOST) return graphicsHost_.queryInterface(iid, out);
    return guiHost_.queryInterface(iid, out);
}

}  // namespace panelalloc
