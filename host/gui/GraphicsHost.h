// The substitute host's services to a host-drawn panel (IMpGraphicsHost):
// it records repaint and layout requests, keeps the pointer capture, makes
// text formats, loads images and hands out menus and text entries that
// follow a UserScript.
//
// Contract: a service object (see HostObject.h). Everything it hands out is
// counted in objects(). createTextFormat refuses a size that is not a finite
// number in (0, 100000]. loadImage decodes PNG and BMP files. Reserved slots
// answer -1 and count as unexpected calls.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/audio/UnexpectedCalls.h"
#include "host/gui/HostObject.h"
#include "host/gui/TextMeasurer.h"
#include "host/gui/UserScript.h"

namespace zuhost::gui {

class GraphicsHost final : public gmpi_gui::IMpGraphicsHost {
public:
    // A null measurer measures with the platform's (makePlatformTextMeasurer).
    explicit GraphicsHost(std::shared_ptr<TextMeasurer> measurer = nullptr);
    GraphicsHost(const GraphicsHost&) = delete;
    GraphicsHost& operator=(const GraphicsHost&) = delete;

    int32_t queryInterface(const gmpi::MpGuid& iid, void** out) override;
    int32_t addRef() override { return references_.addRef(); }
    int32_t release() override { return references_.release(); }
    int32_t reserved3() override { return unexpected_.note(); }
    void invalidateRect(const gmpi_gui::MpRect* rect) override;
    void invalidateMeasure() override { ++measureRequests_; }
    int32_t createTextFormat(const char* family, gmpi::IMpUnknown* collection, int32_t weight, int32_t style,
                             int32_t stretch, float size, const char* locale, void** format) override;
    int32_t reserved7() override { return unexpected_.note(); }
    int32_t createPlatformMenu(void** menu) override;
    int32_t setCapture() override;
    int32_t getCapture(int32_t* captured) override;
    int32_t releaseCapture() override;
    int32_t createPlatformTextEdit(void** textEdit) override;
    int32_t reserved13() override { return unexpected_.note(); }
    int32_t loadImage(const char* fullName, void** bitmap) override;

    // Repaint requests in order; an empty entry asked for the whole panel.
    const std::vector<std::optional<gmpi_gui::MpRect>>& invalidations() const { return invalidations_; }
    void clearInvalidations() { invalidations_.clear(); }
    // A host that has acted on the requests lets go of their record, so a long run does not grow.
    void forgetRequests() {
        textFormatRequests_.clear();
        imageLoads_.clear();
        imageFailures_.clear();
    }
    int32_t measureRequests() const { return measureRequests_; }
    bool captured() const { return captured_; }
    const std::vector<TextFormatSettings>& textFormatRequests() const { return textFormatRequests_; }
    const std::vector<std::string>& imageLoads() const { return imageLoads_; }        // full names asked for
    const std::vector<std::string>& imageFailures() const { return imageFailures_; }  // those that did not decode
    UserScript& script() { return *script_; }
    int32_t unexpectedCalls() const { return unexpected_.count(); }
    const gmpi::ServiceReferences& references() const { return references_; }
    const ObjectTally& objects() const { return *tally_; }

private:
    std::shared_ptr<TextMeasurer> measurer_;
    std::shared_ptr<UserScript> script_ = std::make_shared<UserScript>();
    gmpi::ServiceReferences references_;
    std::shared_ptr<ObjectTally> tally_ = std::make_shared<ObjectTally>();
    std::vector<std::optional<gmpi_gui::MpRect>> invalidations_;
    std::vector<TextFormatSettings> textFormatRequests_;
    std::vector<std::string> imageLoads_;
    std::vector<std::string> imageFailures_;
    int32_t measureRequests_ = 0;
    UnexpectedCalls unexpected_;
    bool captured_ = false;
};

}  // namespace zuhost::gui
