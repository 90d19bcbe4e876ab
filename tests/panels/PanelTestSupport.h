// Panels of the library driven through its factory by the substitute host,
// over a skin folder that each test writes, so every size is known.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "host/gui/PanelSession.h"
#include "host/gui/RecordingContext.h"
#include "tests/support/ImageFiles.h"
#include "tests/support/TestSkin.h"

class PanelTest : public ::testing::Test {
protected:
    // A session with the panel of plug-in id over this test's skin.
    zuhost::gui::PanelSession& open(std::u16string_view id) {
        zuhost::gui::PanelSessionOptions options;
        options.skinFolder = skin.folder();
        session_ = std::make_unique<zuhost::gui::PanelSession>(*zuhost::gui::PanelSession::factoryFrom(&MP_GetFactory),
                                                               id, options);
        EXPECT_EQ(session_->createResult(), gmpi::MP_OK);
        return *session_;
    }
    zuhost::gui::PanelSession& session() { return *session_; }

    // A strip of frameCount frames of the given size, one colour, with its metadata.
    void writeImage(const std::string& name, int32_t width, int32_t frameHeight, int32_t frameCount,
                    const std::string& metadata) {
        std::vector<uint8_t> rgba;
        for (int32_t i = 0; i < width * frameHeight * frameCount; ++i) rgba.insert(rgba.end(), {90, 90, 90, 255});
        skin.write(name + ".png", pngBytes(width, frameHeight * frameCount, rgba));
        skin.write(name + ".txt",
                   "frame_size " + std::to_string(width) + " " + std::to_string(frameHeight) + "\n" + metadata);
    }

    std::vector<zuhost::gui::DrawCall> render() {
        zuhost::gui::RecordingContext context;
        EXPECT_EQ(session_->render(context), gmpi::MP_OK);
        EXPECT_EQ(context.liveObjects(), 0);
        EXPECT_EQ(context.misuses(), 0);
        return context.calls();
    }
    static std::vector<zuhost::gui::DrawCall> only(const std::vector<zuhost::gui::DrawCall>& calls,
                                                   zuhost::gui::DrawCall::Kind kind) {
        std::vector<zuhost::gui::DrawCall> kept;
        for (const auto& call : calls)
            if (call.kind == kind) kept.push_back(call);
        return kept;
    }

    // Values the panel sent on a pin, read as T.
    template <class T>
    std::vector<T> sent(int32_t pinId) const {
        std::vector<T> values;
        for (const auto& transmit : session_->guiHost().transmits()) {
            if (transmit.pinId != pinId || transmit.bytes.size() != sizeof(T)) continue;
            T value;
            std::memcpy(&value, transmit.bytes.data(), sizeof(T));
            values.push_back(value);
        }
        return values;
    }

    void TearDown() override {
        if (!session_) return;
        session_->releasePanel();
        EXPECT_EQ(session_->leaks(), "");
    }

    TestSkin skin;

private:
    std::unique_ptr<zuhost::gui::PanelSession> session_;
};
