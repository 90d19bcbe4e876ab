#include "framework/MpFactory.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace gmpi;

// A plug-in half that records whether and with what host it was initialised.
class RecordingPlugin final : public IMpUnknown, public IoldSchoolInitialisation {
public:
    static inline IMpUnknown* lastHost = nullptr;
    static inline int setHostCalls = 0;

    int32_t queryInterface(const MpGuid&, void** out) override {
        *out = nullptr;
        return MP_NOSUPPORT;
    }
    int32_t addRef() override { return ++refCount; }
    int32_t release() override {
        if (--refCount == 0) {
            delete this;
            return 0;
        }
        return refCount;
    }
    int32_t setHost(IMpUnknown* host) override {
        lastHost = host;
        ++setHostCalls;
        return MP_OK;
    }
    int refCount = 1;
};

class ThrowingPlugin {
public:
    ThrowingPlugin() { throw std::bad_alloc(); }
};

IMpUnknown* createRecording() { return static_cast<IMpUnknown*>(new RecordingPlugin()); }
IMpUnknown* createOther() { return nullptr; }
IMpUnknown* createThrowing() { return reinterpret_cast<IMpUnknown*>(new ThrowingPlugin()); }

class MpFactoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        RecordingPlugin::lastHost = nullptr;
        RecordingPlugin::setHostCalls = 0;
        factory.registerPlugin(MP_SUB_TYPE_AUDIO, u"Recorder", createRecording);
        factory.registerPlugin(MP_SUB_TYPE_AUDIO, u"Thrower", createThrowing);
    }
    MpFactory factory;
};

TEST_F(MpFactoryTest, AnswersBothFactoryInterfacesAndUnknownWithItself) {
    for (const MpGuid& iid : {MP_IID_FACTORY2, MP_IID_FACTORY, MP_IID_UNKNOWN}) {
        void* out = nullptr;
        EXPECT_EQ(factory.queryInterface(iid, &out), MP_OK);
        EXPECT_EQ(out, static_cast<IMpFactory2*>(&factory));
    }
    void* out = &factory;
    EXPECT_EQ(factory.queryInterface(MP_IID_PLUGIN, &out), MP_NOSUPPORT);
    EXPECT_EQ(out, nullptr);
}

TEST_F(MpFactoryTest, FirstRegistrationOfAKeyWins) {
    factory.registerPlugin(MP_SUB_TYPE_AUDIO, u"Recorder", createOther);
    void* out = nullptr;
    ASSERT_EQ(factory.createInstance2(u"Recorder", MP_SUB_TYPE_AUDIO, &out), MP_OK);
    ASSERT_NE(out, nullptr);
    static_cast<IMpUnknown*>(out)->release();
}

TEST_F(MpFactoryTest, UnknownIdOrKindGivesNotFoundAndNullObject) {
    void* out = &factory;
    EXPECT_EQ(factory.createInstance(u"Recorder", 1, nullptr, &out), MP_NOSUPPORT);
    EXPECT_EQ(out, nullptr);
    out = &factory;
    EXPECT_EQ(factory.createInstance2(u"Recorder", MP_SUB_TYPE_GUI, &out), MP_NOSUPPORT);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(factory.createInstance2(u"Recorde", MP_SUB_TYPE_AUDIO, &out), MP_NOSUPPORT);
    EXPECT_EQ(factory.createInstance2(nullptr, MP_SUB_TYPE_AUDIO, &out), MP_NOSUPPORT);
}

TEST_F(MpFactoryTest, CreateInstanceHandsTheHostToOldSchoolInitialisation) {
    RecordingPlugin hostStandIn;
    void* out = nullptr;
    ASSERT_EQ(factory.createInstance(u"Recorder", MP_SUB_TYPE_AUDIO, &hostStandIn, &out), MP_OK);
    EXPECT_EQ(RecordingPlugin::lastHost, &hostStandIn);
    static_cast<IMpUnknown*>(out)->release();
}

TEST_F(MpFactoryTest, NullHostIsNotHandedOnAndCreateInstance2PassesNone) {
    void* out = nullptr;
    ASSERT_EQ(factory.createInstance(u"Recorder", MP_SUB_TYPE_AUDIO, nullptr, &out), MP_OK);
    static_cast<IMpUnknown*>(out)->release();
    ASSERT_EQ(factory.createInstance2(u"Recorder", MP_SUB_TYPE_AUDIO, &out), MP_OK);
    static_cast<IMpUnknown*>(out)->release();
    EXPECT_EQ(RecordingPlugin::setHostCalls, 0);
}

TEST_F(MpFactoryTest, ExceptionWhileCreatingIsAFailure) {
    void* out = nullptr;
    EXPECT_EQ(factory.createInstance(u"Thrower", MP_SUB_TYPE_AUDIO, nullptr, &out), MP_FAIL);
    EXPECT_EQ(factory.createInstance2(u"Thrower", MP_SUB_TYPE_AUDIO, &out), MP_FAIL);
}

TEST_F(MpFactoryTest, SdkInformationTruncatesAndAlwaysTerminates) {
    int32_t version = 0;
    char16_t text[32];
    ASSERT_EQ(factory.getSdkInformation(&version, 32, text), MP_OK);
    EXPECT_EQ(version, 30500);
    EXPECT_EQ(std::u16string(text), u"MS Compiler V1900");

    char16_t shortText[8];
    factory.getSdkInformation(&version, 8, shortText);
    EXPECT_EQ(std::u16string(shortText), u"MS Comp");

    char16_t untouched[2] = {u'x', u'y'};
    factory.getSdkInformation(&version, 0, untouched);
    factory.getSdkInformation(&version, -5, untouched);
    EXPECT_EQ(untouched[0], u'x');
    factory.getSdkInformation(&version, 1, untouched);
    EXPECT_EQ(untouched[0], u'\0');
    EXPECT_EQ(untouched[1], u'y');
}

TEST(MpGetFactory, ReturnsTheSameFactoryEveryTime) {
    void* first = nullptr;
    void* second = nullptr;
    ASSERT_EQ(MP_GetFactory(&first), MP_OK);
    ASSERT_EQ(MP_GetFactory(&second), MP_OK);
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(first, second);
}

}  // namespace
