#include <gtest/gtest.h>

#include "framework/ComObject.h"
#include "framework/ComRef.h"
#include "gui/GuiInterfaces.h"

namespace {

using namespace gmpi;

int liveProbes = 0;

// A string that is also a file: two faces, one count, deleted at the last release.
class Probe final : public IMpString, public IMpFile {
public:
    Probe() { ++liveProbes; }

    int32_t queryInterface(const MpGuid& iid, void** out) override {
        IMpString* const text = this;
        return answerQuery(iid, out,
                           {{MP_IID_RETURNSTRING, text},
                            {MP_IID_FILE, static_cast<IMpFile*>(this)},
                            {MP_IID_UNKNOWN, text},
                            {MP_IID_UI_HOST, offered}});
    }
    int32_t addRef() override { return references_.addRef(); }
    int32_t release() override { return references_.release(this); }
    int32_t setData(const char*, int32_t) override { return MP_OK; }
    int32_t getSize() override { return 0; }
    const char* getData() override { return ""; }
    int32_t getFileSize(int64_t*) override { return MP_OK; }
    int32_t readFile(void*, int64_t, int64_t) override { return MP_OK; }

    IMpUnknown* offered = nullptr;  // answers MP_IID_UI_HOST when set

private:
    friend class gmpi::ReferenceCount;
    ~Probe() { --liveProbes; }
    ReferenceCount references_;
};

// Refuses every query but writes an object anyway, as a faulty host might.
class Refuser final : public IMpUnknown {
public:
    explicit Refuser(IMpUnknown* written) : written_(written) {}
    int32_t queryInterface(const MpGuid&, void** out) override {
        *out = written_;
        return MP_NOSUPPORT;
    }
    int32_t addRef() override { return references.addRef(); }
    int32_t release() override { return references.release(); }

    ServiceReferences references;

private:
    IMpUnknown* written_;
};

TEST(ComRefTest, EachConstructionSaysWhatHappensToTheCount) {
    auto* probe = new Probe;
    IMpString* text = probe;
    {
        const auto adopted = ComRef<IMpString>::adopt(text);
        const auto added = ComRef<IMpString>::addRef(text);
        ComRef<IMpString> copy = added;
        EXPECT_EQ(text->addRef(), 4);
        EXPECT_EQ(text->release(), 3);
        const ComRef<IMpString> moved = std::move(copy);
        EXPECT_FALSE(copy);
        EXPECT_EQ(moved.get(), text);
    }
    EXPECT_EQ(liveProbes, 0);
}

TEST(ComRefTest, ResetAnswersWhatReleaseAnsweredAndDetachKeepsTheReference) {
    auto held = ComRef<IMpString>::adopt(new Probe);
    ComRef<IMpString> second = held;
    EXPECT_EQ(second.reset(), 1);
    EXPECT_EQ(second.reset(), 0);  // empty
    IMpString* detached = held.detach();
    EXPECT_FALSE(held);
    EXPECT_EQ(liveProbes, 1);
    EXPECT_EQ(ComRef<IMpString>::adopt(detached).reset(), 0);
    EXPECT_EQ(liveProbes, 0);
}

TEST(ComRefTest, QueriesAnswerTheMatchingPartWithAReferenceOfItsOwn) {
    const auto probe = ComRef<IMpString>::adopt(new Probe);
    const ComRef<IMpFile> file = probe.as<IMpFile>(MP_IID_FILE);
    ASSERT_TRUE(file);
    EXPECT_EQ(file.get(), static_cast<IMpFile*>(static_cast<Probe*>(probe.get())));
    EXPECT_EQ(ComRef<IMpUnknown>::query(file.get(), MP_IID_UNKNOWN).get(), probe.get());
    EXPECT_FALSE(probe.as<IMpUnknown>(MP_IID_UI_HOST2));
    EXPECT_FALSE(ComRef<IMpFile>::query(nullptr, MP_IID_FILE));
    EXPECT_EQ(probe->addRef(), 3);  // probe and file
    probe->release();
}

TEST(ComRefTest, WhatARefusalWritesIsNotReleased) {
    Refuser written(nullptr);
    Refuser refuser(&written);
    EXPECT_FALSE(ComRef<IMpUnknown>::query(&refuser, MP_IID_UNKNOWN));
    EXPECT_EQ(written.references.outstanding(), 0);
    EXPECT_FALSE(written.references.overReleased());
}

TEST(ComRefTest, PutReleasesWhatWasHeldAndTakesWhatIsWritten) {
    ComRef<IMpUnknown> held = ComRef<IMpUnknown>::adopt(static_cast<IMpString*>(new Probe));
    void** out = held.put();
    EXPECT_FALSE(held);
    EXPECT_EQ(liveProbes, 0);
    *out = static_cast<IMpString*>(new Probe);
    EXPECT_TRUE(held);
    held.reset();
    EXPECT_EQ(liveProbes, 0);
}

TEST(AnswerQueryTest, FacesWithoutAPartAreNotOfferedAndNoAnswerLeavesNull) {
    Refuser other(nullptr);
    auto* probe = new Probe;
    void* out = probe;
    EXPECT_EQ(probe->queryInterface(MP_IID_UI_HOST, &out), MP_NOSUPPORT);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(probe->queryInterface(MP_IID_FILE, nullptr), MP_NOSUPPORT);
    probe->offered = &other;
    ASSERT_EQ(probe->queryInterface(MP_IID_UI_HOST, &out), MP_OK);
    EXPECT_EQ(out, &other);
    EXPECT_EQ(other.references.outstanding(), 1);  // the reference went to the part that answered
    other.release();
    static_cast<IMpString*>(probe)->release();
    EXPECT_EQ(liveProbes, 0);
}

TEST(AnswerQueryTest, ABaseAnswersWhatTheAddedFacesDoNot) {
    Refuser base(nullptr);
    Refuser added(nullptr);
    const auto inherited = [&](const MpGuid& iid, void** out) {
        return answerQuery(iid, out, {{MP_IID_UNKNOWN, &base}, {MP_IID_FILE, &base}}, [] { return MP_FAIL; });
    };
    void* out = nullptr;
    for (const MpGuid* iid : {&MP_IID_FILE, &MP_IID_UNKNOWN, &MP_IID_RETURNSTRING}) {
        const int32_t answer = answerQuery(*iid, &out, {{MP_IID_FILE, &added}}, [&] { return inherited(*iid, &out); });
        const bool toAdded = *iid == MP_IID_FILE;
        const bool toBase = *iid == MP_IID_UNKNOWN;
        EXPECT_EQ(answer, toAdded || toBase ? MP_OK : MP_FAIL);
        EXPECT_EQ(out, toAdded ? &added : toBase ? static_cast<void*>(&base) : nullptr);
    }
    EXPECT_EQ(added.references.outstanding(), 1);
    EXPECT_EQ(base.references.outstanding(), 1);
}

}  // namespace
