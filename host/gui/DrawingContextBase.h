// What both drawing contexts share (IMpDrawingContext): the service object,
// the factory and brushes it hands out, and how it recognises the objects a
// panel hands back.
//
// Contract: a service object (see HostObject.h) owned by whoever renders;
// liveObjects() counts what it handed out and is still alive, so after a
// render it is 0 when the panel released everything it created. Each draw
// call with a null or unrecognised object or rectangle counts in misuses();
// such objects are looked up with the find* functions, which answer null for
// them. drawBitmap's null source or destination stands for the whole
// bitmap, as Direct2D has it. Reserved slot 5 answers -1 and counts as a misuse.
#pragma once

#include <memory>
#include <optional>

#include "host/gui/DrawingObjects.h"
#include "host/gui/HostBitmap.h"
#include "host/gui/HostTextFormat.h"

namespace zuhost::gui {

class DrawingContextBase : public gmpi_gui::IMpDrawingContext {
public:
    DrawingContextBase(const DrawingContextBase&) = delete;
    DrawingContextBase& operator=(const DrawingContextBase&) = delete;

    int32_t queryInterface(const gmpi::MpGuid& iid, void** out) override;
    int32_t addRef() override { return references_.addRef(); }
    int32_t release() override { return references_.release(); }
    int32_t getFactory(void** factory) override;
    int32_t createSolidColorBrush(const gmpi_gui::MpColor* color, void** brush) override;
    int32_t reserved5() override;

    int32_t liveObjects() const { return tally_->live(); }
    int32_t createdObjects() const { return tally_->created(); }
    int32_t misuses() const { return misuses_; }
    const gmpi::ServiceReferences& references() const { return references_; }

protected:
    DrawingContextBase() = default;
    virtual ~DrawingContextBase() = default;

    // The brush's colour now, or none for a null or unrecognised brush.
    std::optional<gmpi_gui::MpColor> brushColor(gmpi_gui::IMpSolidColorBrush* brush);
    const HostPathGeometry* findGeometry(gmpi_gui::IMpPathGeometry* geometry);
    const HostTextFormat* findTextFormat(gmpi_gui::IMpTextFormat* format);
    const HostBitmap* findBitmap(gmpi_gui::IMpBitmap* bitmap);
    // The rectangle, or none (a misuse) for a null pointer.
    const gmpi_gui::MpRect* checkRect(const gmpi_gui::MpRect* rect);
    // A bitmap's rectangle as given, or the whole bitmap (at the origin) for null.
    static gmpi_gui::MpRect rectOrWhole(const gmpi_gui::MpRect* rect, const HostBitmap* bitmap);

private:
    template <class T>
    const T* recognise(const void* handle);

    gmpi::ServiceReferences references_;
    std::shared_ptr<ObjectTally> tally_ = std::make_shared<ObjectTally>();
    int32_t misuses_ = 0;
};

}  // namespace zuhost::gui
