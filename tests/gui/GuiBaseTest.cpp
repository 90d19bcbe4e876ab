#include <gtest/gtest.h>

#include "framework/MpFactory.h"
#include "gui/MpGuiBase.h"
#include "gui/MpGuiGfxBase.h"
#include "tests/gui/GuiTestHost.h"

namespace {

using namespace gmpi;
using namespace gmpi_gui;
using guitest::TestGuiHost;

int liveTestPanels = 0;

class TestPanel : public MpGuiGfxBase {
public:
    TestPanel() { ++liveTestPanels; }
    ~TestPanel() override { --liveTestPanels; }
    int32_t measure(MpSize available, MpSize* desired) override {
        *desired = available;
        return MP_OK;
    }
    int32_t render(IMpUnknown*) override { return MP_OK; }

    using MpGuiGfxBase::getCapture;
    using MpGuiGfxBase::invalidateMeasure;
    using MpGuiGfxBase::invalidateRect;
    using MpGuiGfxBase::releaseCapture;
    using MpGuiGfxBase::setCapture;
};

TEST(GuiGfxBaseTest, BothFacesShareOneReferenceCount) {
    auto* panel = new TestPanel;
    IMpGraphics* graphics = nullptr;
    IMpUserInterface2* ui = nullptr;
    ASSERT_EQ(panel->queryInterface(MP_IID_GRAPHICS, reinterpret_cast<void**>(&graphics)), MP_OK);
    ASSERT_EQ(graphics->queryInterface(MP_IID_GUI_PLUGIN2, reinterpret_cast<void**>(&ui)), MP_OK);
    EXPECT_EQ(static_cast<void*>(ui), static_cast<void*>(static_cast<IMpUserInterface2*>(panel)));
    EXPECT_EQ(graphics->release(), 2);
    EXPECT_EQ(ui->release(), 1);
    EXPECT_EQ(liveTestPanels, 1);
    EXPECT_EQ(graphics->release(), 0);
    EXPECT_EQ(liveTestPanels, 0);
}

TEST(GuiGfxBaseTest, UnofferedInterfacesAnswerNotSupportedWithNull) {
    TestPanel* panel = new TestPanel;
    void* out = panel;
    EXPECT_EQ(panel->queryInterface(MP_IID_GUI_PLUGIN, &out), MP_NOSUPPORT);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(panel->queryInterface(MP_IID_PLUGIN2, &out), MP_NOSUPPORT);
    EXPECT_EQ(panel->reserved6(), MP_FAIL);
    EXPECT_EQ(panel->reserved9(), MP_FAIL);
    EXPECT_EQ(panel->onPointerDown(0, {1, 1}), MP_FAIL);
    EXPECT_EQ(panel->onPointerMove(0, {1, 1}), MP_FAIL);
    EXPECT_EQ(panel->onPointerUp(0, {1, 1}), MP_FAIL);
    panel->release();
}

TEST(GuiGfxBaseTest, ArrangeRepaintsOnlyWhenTheBoundsChange) {
    TestGuiHost host;
    auto* panel = new TestPanel;
    panel->setHost(host.unknown());
    const MpRect rect{0, 0, 100, 50};
    panel->arrange(&rect);
    panel->arrange(&rect);
    EXPECT_EQ(host.invalidations, 1);
    const MpRect moved{0, 0, 100, 51};
    panel->arrange(&moved);
    EXPECT_EQ(host.invalidations, 2);
    panel->release();
}

TEST(GuiGfxBaseTest, HostsAreReleasedWhenReplacedAndAtDestruction) {
    TestGuiHost first;
    TestGuiHost second;
    auto* panel = new TestPanel;
    EXPECT_EQ(panel->setHost(first.unknown()), MP_OK);
    EXPECT_EQ(first.references, 2);
    EXPECT_EQ(panel->setHost(second.unknown()), MP_OK);
    EXPECT_EQ(first.references, 0);
    EXPECT_EQ(second.references, 2);
    panel->release();
    EXPECT_EQ(second.references, 0);
}

TEST(GuiGfxBaseTest, WithoutAGraphicsHostGraphicsServicesDoNothing) {
    TestGuiHost host(false);
    auto* panel = new TestPanel;
    EXPECT_EQ(panel->setHost(host.unknown()), MP_OK);
    const MpRect rect{0, 0, 10, 10};
    EXPECT_EQ(panel->arrange(&rect), MP_OK);
    panel->invalidateRect();
    panel->invalidateMeasure();
    panel->setCapture();
    EXPECT_FALSE(panel->getCapture());
    panel->releaseCapture();
    EXPECT_EQ(host.invalidations, 0);
    panel->release();
    EXPECT_EQ(host.references, 0);
}

TEST(GuiGfxBaseTest, AHostWithoutGuiServicesIsRefused) {
    struct NoHost : IMpUnknown {
        int32_t queryInterface(const MpGuid&, void** out) override {
            *out = nullptr;
            return MP_NOSUPPORT;
        }
        int32_t addRef() override { return 1; }
        int32_t release() override { return 1; }
    } nothing;
    auto* panel = new TestPanel;
    EXPECT_EQ(panel->setHost(&nothing), MP_NOSUPPORT);
    EXPECT_EQ(panel->setHost(nullptr), MP_NOSUPPORT);
    panel->release();
}

TEST(GuiGfxBaseTest, CaptureGoesThroughTheGraphicsHost) {
    TestGuiHost host;
    auto* panel = new TestPanel;
    panel->setHost(host.unknown());
    panel->setCapture();
    EXPECT_TRUE(panel->getCapture());
    panel->releaseCapture();
    EXPECT_FALSE(panel->getCapture());
    panel->release();
}

// First generation: values are stored by setPin and handled only by notifyPin.
class OldSchoolPanel : public MpGuiBase {
public:
    OldSchoolPanel() {
        ++liveTestPanels;
        initializePin(3, value, &OldSchoolPanel::onValue);
    }
    ~OldSchoolPanel() override { --liveTestPanels; }
    int32_t addRef() override { return ++refCount; }
    int32_t release() override {
        if (--refCount == 0) {
            delete this;
            return 0;
        }
        return refCount;
    }
    void onValue() { ++handled; }

    MpGuiPinInt value;
    int handled = 0;
    int32_t refCount = 1;
};

TEST(GuiBaseFirstGenerationTest, SetPinStoresAndNotifyPinHandles) {
    auto* panel = new OldSchoolPanel;
    const int32_t five = 5;
    EXPECT_EQ(panel->setPin(3, 0, 4, &five), MP_OK);
    EXPECT_EQ(panel->value.getValue(), 5);
    EXPECT_EQ(panel->handled, 0);
    EXPECT_EQ(panel->notifyPin(3, 0), MP_OK);
    EXPECT_EQ(panel->handled, 1);
    EXPECT_EQ(panel->notifyPin(4, 0), MP_FAIL);
    EXPECT_EQ(panel->setPin(4, 0, 4, &five), MP_FAIL);
    EXPECT_EQ(panel->reserved3(), MP_OK);
    panel->release();
}

const PluginRegistration oldSchoolRegistration(MP_SUB_TYPE_GUI, u"Test Old School Panel",
                                               &createPlugin<OldSchoolPanel, IMpUserInterface>);

TEST(GuiBaseFirstGenerationTest, FactoryRefusesAHostWithoutTheGuiHostAndFreesThePanel) {
    struct AudioOnlyHost : IMpUnknown {
        int32_t queryInterface(const MpGuid&, void** out) override {
            *out = nullptr;
            return MP_NOSUPPORT;
        }
        int32_t addRef() override { return 1; }
        int32_t release() override { return 1; }
    } audioOnly;
    void* factoryObject = nullptr;
    ASSERT_EQ(MP_GetFactory(&factoryObject), MP_OK);
    auto* factory = static_cast<IMpFactory*>(factoryObject);
    void* panel = &audioOnly;
    EXPECT_EQ(factory->createInstance(u"Test Old School Panel", MP_SUB_TYPE_GUI, &audioOnly, &panel), MP_FAIL);
    EXPECT_EQ(panel, nullptr);
    EXPECT_EQ(liveTestPanels, 0);

    TestGuiHost host;
    ASSERT_EQ(factory->createInstance(u"Test Old School Panel", MP_SUB_TYPE_GUI, host.unknown(), &panel), MP_OK);
    EXPECT_EQ(host.references, 1);
    static_cast<IMpUnknown*>(panel)->release();
    EXPECT_EQ(host.references, 0);
    factory->release();
}

}  // namespace
