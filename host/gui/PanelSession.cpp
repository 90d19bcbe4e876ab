#include "host/gui/PanelSession.h"

#include <cstring>
#include <sstream>

#include "host/gui/VirtualPlatform.h"

namespace zuhost::gui {

namespace {

constexpr int32_t shiftKey = 0x10;
constexpr int32_t controlKey = 0x11;
constexpr int32_t altKey = 0x12;

// Holds the modifier keys down for its lifetime.
class HeldKeys {
public:
    explicit HeldKeys(uint32_t modifiers) : modifiers_(modifiers) { press(true); }
    ~HeldKeys() { press(false); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    void press(bool down) const {
        if (modifiers_ & ShiftKey) VirtualPlatform::instance().setKeyDown(shiftKey, down);
        if (modifiers_ & ControlKey) VirtualPlatform::instance().setKeyDown(controlKey, down);
        if (modifiers_ & AltKey) VirtualPlatform::instance().setKeyDown(altKey, down);
    }
    uint32_t modifiers_;
};

void describeReferences(std::ostream& out, const char* name, const gmpi::ServiceReferences& references) {
    if (references.outstanding() > 0) out << name << ": " << references.outstanding() << " references held; ";
    if (references.overReleased()) out << name << ": released too often; ";
}

template <class Value>
std::span<const uint8_t> bytesOf(const Value& value) {
    return {reinterpret_cast<const uint8_t*>(&value), sizeof(Value)};
}

}  // namespace

gmpi::IMpFactory2* PanelSession::factoryFrom(GetFactoryFunction getFactory) {
    void* unknown = nullptr;
    if (getFactory == nullptr || getFactory(&unknown) != gmpi::MP_OK) return nullptr;
    // The factory lives as long as its library; it counts no references.
    return gmpi::ComRef<gmpi::IMpFactory2>::query(static_cast<gmpi::IMpUnknown*>(unknown), gmpi::MP_IID_FACTORY2)
        .detach();
}

PanelSession::PanelSession(gmpi::IMpFactory2& factory, std::u16string_view id, PanelSessionOptions options,
                           std::shared_ptr<const void> keepLoaded)
    : keepLoaded_(std::move(keepLoaded)),
      guiHost_(std::move(options.skinFolder)),
      graphicsHost_(std::move(options.textMeasurer)) {
    if (options.offerGraphicsHost) guiHost_.offerGraphicsHost(&graphicsHost_);
    const std::u16string terminated(id);
    void* created = nullptr;
    createResult_ = factory.createInstance2(terminated.c_str(), gmpi::MP_SUB_TYPE_GUI, &created);
    if (createResult_ == gmpi::MP_OK)
        object_ = gmpi::ComRef<gmpi::IMpUnknown>::adopt(static_cast<gmpi::IMpUnknown*>(created));
    panel_ = object_.as<gmpi::IMpUserInterface2>(gmpi::MP_IID_GUI_PLUGIN2);
    graphics_ = object_.as<gmpi_gui::IMpGraphics>(gmpi_gui::MP_IID_GRAPHICS);
    if (panel_) setHostResult_ = panel_->setHost(static_cast<gmpi::IMpUserInterfaceHost2*>(&guiHost_));
}

PanelSession::~PanelSession() { releasePanel(); }

void PanelSession::releasePanel() {
    graphics_.reset();
    panel_.reset();
    object_.reset();
}

std::string PanelSession::leaks() const {
    std::ostringstream out;
    if (object_) out << "the panel is not released yet; ";
    describeReferences(out, "GUI host", guiHost_.references());
    describeReferences(out, "graphics host", graphicsHost_.references());
    if (guiHost_.objects().live() > 0) out << guiHost_.objects().live() << " files not released; ";
    if (graphicsHost_.objects().live() > 0)
        out << graphicsHost_.objects().live() << " graphics host objects not released; ";
    return out.str();
}

int32_t PanelSession::setPin(int32_t pinId, std::span<const uint8_t> bytes, int32_t voice) {
    if (!panel_) return gmpi::MP_NOSUPPORT;
    return panel_->setPin(pinId, voice, static_cast<int32_t>(bytes.size()), bytes.data());
}

int32_t PanelSession::setInt(int32_t pinId, int32_t value, int32_t voice) {
    return setPin(pinId, bytesOf(value), voice);
}

int32_t PanelSession::setFloat(int32_t pinId, float value, int32_t voice) {
    return setPin(pinId, bytesOf(value), voice);
}

int32_t PanelSession::setBool(int32_t pinId, bool value, int32_t voice) {
    const uint8_t byte = value ? 1 : 0;
    return setPin(pinId, {&byte, 1}, voice);
}

int32_t PanelSession::setString(int32_t pinId, std::u16string_view value, int32_t voice) {
    return setPin(pinId, {reinterpret_cast<const uint8_t*>(value.data()), value.size() * sizeof(char16_t)}, voice);
}

int32_t PanelSession::setBlob(int32_t pinId, std::span<const uint8_t> value, int32_t voice) {
    return setPin(pinId, value, voice);
}

int32_t PanelSession::initialize() { return panel_ ? panel_->initialize() : gmpi::MP_NOSUPPORT; }

gmpi_gui::MpSize PanelSession::measure(gmpi_gui::MpSize available) {
    gmpi_gui::MpSize desired{0, 0};
    if (!graphics_ || graphics_->measure(available, &desired) != gmpi::MP_OK) return {0, 0};
    return desired;
}

int32_t PanelSession::arrange(const gmpi_gui::MpRect& rect) {
    return graphics_ ? graphics_->arrange(&rect) : gmpi::MP_NOSUPPORT;
}

int32_t PanelSession::render(DrawingContextBase& context) {
    return graphics_ ? graphics_->render(static_cast<gmpi_gui::IMpDrawingContext*>(&context)) : gmpi::MP_NOSUPPORT;
}

int32_t PanelSession::pointer(PointerCall call, gmpi_gui::MpPoint point, uint32_t modifiers, uint32_t flags) {
    if (!graphics_) return gmpi::MP_NOSUPPORT;
    const HeldKeys keys(modifiers);
    return (graphics_.get()->*call)(flags, point);
}

int32_t PanelSession::pointerDown(gmpi_gui::MpPoint point, uint32_t modifiers, uint32_t flags) {
    return pointer(&gmpi_gui::IMpGraphics::onPointerDown, point, modifiers, flags);
}

int32_t PanelSession::pointerMove(gmpi_gui::MpPoint point, uint32_t modifiers, uint32_t flags) {
    return pointer(&gmpi_gui::IMpGraphics::onPointerMove, point, modifiers, flags);
}

int32_t PanelSession::pointerUp(gmpi_gui::MpPoint point, uint32_t modifiers, uint32_t flags) {
    return pointer(&gmpi_gui::IMpGraphics::onPointerUp, point, modifiers, flags);
}

int32_t PanelSession::drag(gmpi_gui::MpPoint from, gmpi_gui::MpPoint to, int32_t moves, uint32_t modifiers) {
    const HeldKeys keys(modifiers);
    const int32_t result = pointerDown(from);
    for (int32_t step = 1; step <= moves; ++step) {
        const float t = static_cast<float>(step) / static_cast<float>(moves);
        pointerMove({from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t});
    }
    pointerUp(to);
    return result;
}

void PanelSession::advance(int64_t milliseconds) { VirtualPlatform::instance().advance(milliseconds); }

}  // namespace zuhost::gui
