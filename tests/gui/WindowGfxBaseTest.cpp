// The first-generation hosting bases: layout answers and host requirements
// everywhere, and their windows on real Win32 windows (under Wine on a
// virtual display) or on the library's stand-in.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <vector>

#include "framework/MpFactory.h"
#include "gui/ZuGuiCompositedGfxBase.h"
#include "gui/ZuGuiWindowsGfxBase.h"
#include "tests/gui/GuiTestHost.h"
#include "tests/gui/WindowTestSupport.h"

namespace {

using namespace gmpi;
using namespace gmpi_gui;
using platform::WindowHandle;
using platform::WindowPoint;
namespace wm = platform::window_message;

int livePanels = 0;

template <class Base>
class CountedPanel : public Base {
public:
    CountedPanel() { ++livePanels; }
    ~CountedPanel() override { --livePanels; }
};

struct Call {
    uint32_t message;
    uintptr_t wParam;
    WindowPoint point;
    bool operator==(const Call& o) const {
        return message == o.message && wParam == o.wParam && point.x == o.point.x && point.y == o.point.y;
    }
};

// Records what reaches a panel from its window.
template <class Base>
class RecordingPanel : public CountedPanel<Base> {
public:
    intptr_t onWindowMessage(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) override {
        messages.push_back(message);
        return Base::onWindowMessage(window, message, wParam, lParam);
    }
    int32_t onPaint(platform::DeviceContext context) override { return record(wm::paint, context != nullptr, {}); }
    int32_t onLButtonDown(uint32_t flags, WindowPoint point) override {
        return record(wm::leftButtonDown, flags, point);
    }
    int32_t onLButtonUp(uint32_t flags, WindowPoint point) override { return record(wm::leftButtonUp, flags, point); }
    int32_t onMouseMove(uint32_t flags, WindowPoint point) override { return record(wm::mouseMove, flags, point); }
    int32_t onWindowTimer(WindowHandle, uint32_t message, uintptr_t id) override { return record(message, id, {}); }

    using Base::getCapture;
    using Base::invalidateRect;
    using Base::releaseCapture;
    using Base::setCapture;

    std::vector<uint32_t> messages;  // every one that reached onWindowMessage
    std::vector<Call> calls;         // handler calls; paint records whether it had a device context

private:
    int32_t record(uint32_t message, uintptr_t wParam, WindowPoint point) {
        calls.push_back({message, wParam, point});
        return MP_OK;
    }
};

// A panel window with no parent, never shown.
template <class Base>
class TopLevelPanel : public RecordingPanel<Base> {
public:
    void getWindowStyles(uint32_t& style, uint32_t& extendedStyle) override { style = extendedStyle = 0; }
};

struct Releaser {
    template <class Panel>
    void operator()(Panel* panel) const {
        panel->release();
    }
};
template <class Panel>
std::unique_ptr<Panel, Releaser> makePanel() {
    return std::unique_ptr<Panel, Releaser>(new Panel);
}

// Arranges the panel at rect and opens its window; the window or null.
WindowHandle openAt(IMpGraphicsWinGdi& panel, WindowHandle parent, MpRectI rect = {0, 30, 0, 40}) {
    panel.arrange(&rect);
    void* window = &rect;
    EXPECT_EQ(panel.openWindow(parent, &window), MP_OK);
    return static_cast<WindowHandle>(window);
}

template <class Base>
class PanelWindowTest : public ::testing::Test {
protected:
    using Panel = RecordingPanel<Base>;

    // One shown parent for the suite: taking it down is what costs time.
    static void SetUpTestSuite() { parent = windowtest::createParentWindow(true); }
    static void TearDownTestSuite() {
        if (parent != nullptr) windowtest::destroyWindow(parent);
        parent = nullptr;
    }
    void SetUp() override {
        if (parent == nullptr) GTEST_SKIP() << "no display to make windows on; run this suite under xvfb-run";
        windowtest::takeQuitRequest();
    }
    void TearDown() override {
        EXPECT_FALSE(windowtest::isPanelClassRegistered());
        EXPECT_EQ(livePanels, 0);
    }

    static inline WindowHandle parent = nullptr;
};

using WindowBases = ::testing::Types<MpGuiWindowsGfxBase, ZuGuiWindowsGfxBase>;
TYPED_TEST_SUITE(PanelWindowTest, WindowBases);

TYPED_TEST(PanelWindowTest, PanelWindowsShareOneClassUntilTheLastCloses) {
    auto first = makePanel<typename TestFixture::Panel>();
    auto second = makePanel<typename TestFixture::Panel>();
    const WindowHandle a = openAt(*first, TestFixture::parent, {10, 60, 20, 120});
    EXPECT_TRUE(windowtest::isPanelClassRegistered());
    const WindowHandle b = openAt(*second, TestFixture::parent, {70, 90, 5, 45});
    const struct {
        WindowHandle window;
        platform::WindowRect placement;
    } opened[] = {{a, {20, 10, 120, 60}}, {b, {5, 70, 45, 90}}};
    for (const auto& [window, placement] : opened) {
        const windowtest::WindowState state = windowtest::stateOf(window);
        ASSERT_TRUE(state.exists);
        EXPECT_EQ(state.parent, TestFixture::parent);
        EXPECT_EQ(state.placement.left, placement.left);
        EXPECT_EQ(state.placement.top, placement.top);
        EXPECT_EQ(state.placement.right, placement.right);
        EXPECT_EQ(state.placement.bottom, placement.bottom);
        EXPECT_TRUE(state.visible);
    }

    EXPECT_EQ(first->closeWindow(), MP_OK);
    EXPECT_FALSE(windowtest::stateOf(a).exists);
    EXPECT_TRUE(windowtest::isPanelClassRegistered());
    EXPECT_EQ(first->closeWindow(), MP_OK);  // counts nothing: the second window still holds the class
    EXPECT_TRUE(windowtest::isPanelClassRegistered());
    second->closeWindow();
    EXPECT_FALSE(windowtest::isPanelClassRegistered());
}

TYPED_TEST(PanelWindowTest, OnlyWindowsThatExistAreCounted) {
    const WindowHandle gone = windowtest::createParentWindow(false);
    windowtest::destroyWindow(gone);
    auto panel = makePanel<typename TestFixture::Panel>();
    for (const WindowHandle unusable : {WindowHandle{}, gone}) {
        EXPECT_EQ(openAt(*panel, unusable), nullptr);
        EXPECT_FALSE(windowtest::isPanelClassRegistered());
    }
    const WindowHandle first = openAt(*panel, TestFixture::parent);
    ASSERT_NE(openAt(*panel, TestFixture::parent), nullptr);  // opening again replaces the window
    EXPECT_FALSE(windowtest::stateOf(first).exists);
    panel->closeWindow();
}

TYPED_TEST(PanelWindowTest, MessagesReachTheirHandlersWithSignedPoints) {
    auto panel = makePanel<typename TestFixture::Panel>();
    const WindowHandle window = openAt(*panel, TestFixture::parent);
    const Call posted[] = {
        {wm::mouseMove, 0x0001, {-5, 7}},
        {wm::leftButtonDown, 0x0009, {30, -2}},
        {wm::leftButtonUp, 0, {-32768, 32767}},
        {wm::timer, 7, {0, 0}},
    };
    for (const Call& call : posted) {
        const intptr_t position = windowtest::mousePosition(call.point.x, call.point.y);
        windowtest::postAndRunMessageLoop(window, call.message, call.wParam, position);
        EXPECT_NE(std::find(panel->calls.begin(), panel->calls.end(), call), panel->calls.end())
            << "message " << call.message << " at " << call.point.x << ", " << call.point.y;
    }

    windowtest::repaintNow(window);
    EXPECT_EQ(panel->calls.back(), (Call{wm::paint, true, {}}));  // with a device context
    EXPECT_FALSE(windowtest::stateOf(window).needsPaint);
    const platform::WindowRect part{1, 1, 5, 5};
    panel->invalidateRect(&part);
    EXPECT_TRUE(windowtest::stateOf(window).needsPaint);
    panel->closeWindow();
}

TYPED_TEST(PanelWindowTest, MessagesBeforeAttachmentGetTheDefaultHandling) {
    auto panel = makePanel<typename TestFixture::Panel>();
    const WindowHandle window = openAt(*panel, TestFixture::parent);
    EXPECT_EQ(std::count(panel->messages.begin(), panel->messages.end(), wm::create), 0);
    const WindowHandle unattached = windowtest::createUnattachedPanelClassWindow(TestFixture::parent);
    ASSERT_NE(unattached, nullptr);
    EXPECT_EQ(windowtest::send(unattached, wm::leftButtonDown, 0, 0), 0);  // the default answer
    EXPECT_EQ(windowtest::send(window, wm::leftButtonDown, 0, 0), 1);
    EXPECT_EQ(panel->calls.size(), 1u);
    windowtest::destroyWindow(unattached);
    panel->closeWindow();
}

TYPED_TEST(PanelWindowTest, NoMessageReachesAPanelAfterItsWindowIsDestroyed) {
    using Panel = typename TestFixture::Panel;
    const struct {
        const char* how;
        void (*destroy)(Panel& panel, WindowHandle window, WindowHandle parent);
    } ways[] = {
        {"closeWindow", [](Panel& panel, WindowHandle, WindowHandle) { panel.closeWindow(); }},
        {"WM_CLOSE", [](Panel&, WindowHandle window, WindowHandle) { windowtest::send(window, wm::close, 0, 0); }},
        {"parent destroyed", [](Panel&, WindowHandle, WindowHandle parent) { windowtest::destroyWindow(parent); }},
    };
    for (const auto& way : ways) {
        const WindowHandle ownParent = windowtest::createParentWindow(false);
        auto panel = makePanel<Panel>();
        const WindowHandle window = openAt(*panel, ownParent);
        ASSERT_NE(window, nullptr) << way.how;
        way.destroy(*panel, window, ownParent);
        EXPECT_FALSE(windowtest::stateOf(window).exists) << way.how;
        EXPECT_EQ(panel->messages.empty() ? 0 : panel->messages.back(), wm::destroy) << way.how;
        panel.reset();
        EXPECT_FALSE(windowtest::isPanelClassRegistered()) << way.how;
        windowtest::destroyWindow(ownParent);
    }

    auto released = makePanel<Panel>();
    const WindowHandle window = openAt(*released, TestFixture::parent);
    released.reset();
    EXPECT_FALSE(windowtest::stateOf(window).exists);
}

TYPED_TEST(PanelWindowTest, CaptureBelongsToThePanelWindow) {
    auto panel = makePanel<typename TestFixture::Panel>();
    EXPECT_FALSE(panel->getCapture());
    const WindowHandle window = openAt(*panel, TestFixture::parent);
    panel->setCapture();
    EXPECT_EQ(windowtest::captured(), window);
    EXPECT_TRUE(panel->getCapture());
    panel->releaseCapture();
    EXPECT_EQ(windowtest::captured(), nullptr);
    EXPECT_FALSE(panel->getCapture());
    panel->closeWindow();
}

TYPED_TEST(PanelWindowTest, OnlyAWindowWithoutParentEndsTheMessageLoop) {
    auto child = makePanel<typename TestFixture::Panel>();
    openAt(*child, TestFixture::parent);
    child->closeWindow();
    EXPECT_FALSE(windowtest::takeQuitRequest());

    auto topLevel = makePanel<TopLevelPanel<TypeParam>>();
    ASSERT_NE(openAt(*topLevel, nullptr), nullptr);
    topLevel->closeWindow();
    EXPECT_TRUE(windowtest::takeQuitRequest());
}

// Layout and creation need no display.
template <class Base>
class FirstGenerationPanelTest : public ::testing::Test {};
using AllBases = ::testing::Types<MpGuiWindowsGfxBase, ZuGuiWindowsGfxBase, ZuGuiCompositedGfxBase>;
TYPED_TEST_SUITE(FirstGenerationPanelTest, AllBases);

TYPED_TEST(FirstGenerationPanelTest, MeasureKeepsEachSideWithin15To100) {
    const struct {
        MpSizeI available, desired;
    } cases[] = {
        {{10, 500}, {15, 100}},
        {{15, 100}, {15, 100}},
        {{-7, 60}, {15, 60}},
        {{INT32_MIN, INT32_MAX}, {15, 100}},
    };
    auto panel = makePanel<TypeParam>();
    for (const auto& c : cases) {
        MpSizeI desired{};
        EXPECT_EQ(panel->measure(c.available, &desired), MP_OK);
        EXPECT_EQ(desired.width, c.desired.width);
        EXPECT_EQ(desired.height, c.desired.height);
    }
    EXPECT_EQ(panel->measure({20, 20}, nullptr), MP_FAIL);
    EXPECT_EQ(panel->arrange(nullptr), MP_FAIL);
}

const PluginRegistration windowPanel(MP_SUB_TYPE_GUI, u"Test Window Panel",
                                     &createPlugin<CountedPanel<MpGuiWindowsGfxBase>, IMpUserInterface>);
const PluginRegistration extraWindowPanel(MP_SUB_TYPE_GUI, u"Test Extra Window Panel",
                                          &createPlugin<CountedPanel<ZuGuiWindowsGfxBase>, IMpUserInterface>);
const PluginRegistration compositedPanel(MP_SUB_TYPE_GUI, u"Test Composited Panel",
                                         &createPlugin<CountedPanel<ZuGuiCompositedGfxBase>, IMpUserInterface>);

TEST(FirstGenerationFactoryTest, CreationFailsForEveryMissingHostInterface) {
    const MpGuid window = MP_IID_WINDOW_HOST, extra = MP_IID_WINDOW_HOST_EXTRA, composited = MP_IID_COMPOSITED_HOST;
    const struct {
        const char16_t* plugin;
        std::vector<MpGuid> offered;  // besides the GUI host
        int32_t expected;
    } cases[] = {
        {u"Test Window Panel", {window}, MP_OK},
        {u"Test Window Panel", {extra, composited}, MP_FAIL},
        {u"Test Extra Window Panel", {window, extra}, MP_OK},
        {u"Test Extra Window Panel", {window}, MP_FAIL},
        {u"Test Extra Window Panel", {extra}, MP_FAIL},
        {u"Test Composited Panel", {composited}, MP_OK},
        {u"Test Composited Panel", {window, extra}, MP_FAIL},
    };
    void* factoryObject = nullptr;
    ASSERT_EQ(MP_GetFactory(&factoryObject), MP_OK);
    auto* factory = static_cast<IMpFactory*>(factoryObject);
    for (const auto& c : cases) {
        guitest::TestGuiHost host(false);
        host.alsoOffered = c.offered;
        void* panel = &host;
        EXPECT_EQ(factory->createInstance(c.plugin, MP_SUB_TYPE_GUI, host.unknown(), &panel), c.expected);
        EXPECT_EQ(panel == nullptr, c.expected != MP_OK);
        if (panel != nullptr) static_cast<IMpUnknown*>(panel)->release();
        EXPECT_EQ(host.references, 0);
        EXPECT_EQ(livePanels, 0);
    }
    factory->release();
}

}  // namespace
