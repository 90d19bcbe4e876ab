// The binary interface between the library and its host, declared once.
//
// Conventions that every host-facing interface here follows:
//  - An interface is an abstract class whose virtual functions appear exactly
//    in the host's slot order. No virtual destructor stands among the host
//    slots; where an implementing class has one, it comes after them.
//  - Results are int32_t: 0 success, -1 failure, -2 not supported / not found.
//  - Identifiers are 16-byte GUIDs in the little-endian GUID layout, passed as
//    const MpGuid& and compared byte for byte.
//  - Wide strings are zero-terminated UTF-16 (const char16_t*, the layout of a
//    Windows wchar_t); inside the library they are std::u16string.
//  - Out parameters are pointers: void** for interfaces, int32_t*, float*.
//  - Reference counts start at 1; the release that reaches 0 deletes the
//    object. An interface handed out by queryInterface carries one reference.
//    References are held through ComRef (ComRef.h); objects answer the three
//    base slots through ComObject.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/Export.h"

namespace gmpi {

struct MpGuid {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
};
static_assert(sizeof(MpGuid) == 16);

inline bool operator==(const MpGuid& a, const MpGuid& b) { return std::memcmp(&a, &b, sizeof(MpGuid)) == 0; }

enum MpResult : int32_t { MP_OK = 0, MP_FAIL = -1, MP_NOSUPPORT = -2 };

// Plug-in kinds in the factory registry.
enum MpKind : int32_t { MP_SUB_TYPE_AUDIO = 0, MP_SUB_TYPE_GUI = 2 };

// Pin datatype codes reported by pin classes and named by the description.
enum MpDatatype : int32_t {
    MP_STRING = 1,
    MP_BOOL = 4,
    MP_AUDIO = 5,
    MP_FLOAT32 = 6,
    MP_INT32 = 8,
    MP_BLOB = 10,
};

enum MpDirection : int32_t { MP_IN = 0, MP_OUT = 1 };

// Event types delivered to process().
enum MpEventType : int32_t {
    EVENT_PIN_SET = 100,
    EVENT_PIN_STREAMING_START = 101,
    EVENT_PIN_STREAMING_STOP = 102,
    EVENT_MIDI = 103,
    EVENT_GRAPH_START = 104,
};

// One event of the time-ordered list the host passes to process(). A value's
// bytes are at extraData when it is non-null, else inline from parm3.
struct MpEvent {
    int32_t timeDelta;         // sample offset within the block
    int32_t eventType;         // MpEventType
    int32_t parm1;             // pin index
    int32_t parm2;             // value size in bytes
    int32_t parm3;             // first 4 inline value bytes
    int32_t parm4;             // next 4 inline value bytes
    const uint8_t* extraData;  // value bytes that do not fit inline, else null
    const MpEvent* next;       // following event, null at the end
};
static_assert(sizeof(void*) == 8, "the host ABI is 64-bit");
static_assert(offsetof(MpEvent, timeDelta) == 0);
static_assert(offsetof(MpEvent, eventType) == 4);
static_assert(offsetof(MpEvent, parm1) == 8);
static_assert(offsetof(MpEvent, parm2) == 12);
static_assert(offsetof(MpEvent, parm3) == 16);
static_assert(offsetof(MpEvent, parm4) == 20);
static_assert(offsetof(MpEvent, extraData) == 24);
static_assert(offsetof(MpEvent, next) == 32);
static_assert(sizeof(MpEvent) == 40);

// clang-format off
inline constexpr MpGuid MP_IID_UNKNOWN{0x00000000, 0x0000, 0xC000, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr MpGuid MP_IID_FACTORY2{0x91C3D2EE, 0xC701, 0x4F35, {0x91, 0xA6, 0x09, 0x4D, 0xC7, 0xE0, 0x59, 0x76}};
inline constexpr MpGuid MP_IID_FACTORY{0x9A7904B7, 0x7F7F, 0x4D61, {0xB5, 0x58, 0xC1, 0xA6, 0x69, 0x5B, 0xB6, 0x38}};
inline constexpr MpGuid MP_IID_PLUGIN{0x2B0DFC7E, 0xA539, 0x49CD, {0xB7, 0x2D, 0x32, 0xFF, 0x9D, 0xF0, 0xD9, 0xE4}};
inline constexpr MpGuid MP_IID_PLUGIN2{0x1E07E3E8, 0x8118, 0x457F, {0xA6, 0x3C, 0xD4, 0xF2, 0x82, 0xA0, 0xF5, 0x19}};
inline constexpr MpGuid MP_IID_AUDIO_HOST{0x4F1B532F, 0x3C46, 0x4927, {0xA4, 0x98, 0x61, 0x48, 0x67, 0x42, 0x5B, 0xE7}};

// Base of every interface. Any thread that holds the object.
class IMpUnknown {
public:
    virtual int32_t queryInterface(const MpGuid& iid, void** out) = 0;  // 0: answers out with one reference; -2: not offered
    virtual int32_t addRef() = 0;                                        // one more reference; returns the new count
    virtual int32_t release() = 0;                                       // one reference fewer; 0 deletes the object
};

// The library's factory, handed out by MP_GetFactory. Any host thread.
class IMpFactory : public IMpUnknown {
public:
    virtual int32_t createInstance(const char16_t* id, int32_t kind, IMpUnknown* host, void** out) = 0;  // creates a plug-in half and hands it the host
    virtual int32_t getSdkInformation(int32_t* sdkVersion, int32_t maxChars, char16_t* compilerText) = 0;  // interface version and a terminated compiler text
};

class IMpFactory2 : public IMpFactory {
public:
    virtual int32_t createInstance2(const char16_t* id, int32_t kind, void** out) = 0;  // creates a plug-in half without a host
};

// Audio-side processor, first generation. Audio thread.
class IMpPlugin : public IMpUnknown {
public:
    virtual int32_t open() = 0;                                                    // after buffers are set, before the first block
    virtual int32_t setBuffer(int32_t pinIndex, float* buffer) = 0;                // the sample buffer of an audio pin; -1 for an unknown index
    virtual int32_t process(int32_t sampleFrames, const MpEvent* events) = 0;      // one block with its time-ordered events
    virtual int32_t spareCall(int32_t a, int32_t b, const void* data) = 0;         // reserved; returns 0
};

// Audio-side processor, second generation. Audio thread.
class IMpPlugin2 : public IMpUnknown {
public:
    virtual int32_t setHost(IMpUnknown* host) = 0;                                 // the host object; the plug-in asks it for IMpAudioHost
    virtual int32_t open() = 0;                                                    // after buffers are set, before the first block
    virtual int32_t setBuffer(int32_t pinIndex, float* buffer) = 0;                // the sample buffer of an audio pin; -1 for an unknown index
    virtual int32_t process(int32_t sampleFrames, const MpEvent* events) = 0;      // one block with its time-ordered events
    virtual int32_t spareCall(int32_t a, int32_t b, const void* data) = 0;         // reserved; returns 0
};

// Objects that want the host at creation; found by a run-time type check.
class IoldSchoolInitialisation {
public:
    virtual int32_t setHost(IMpUnknown* host) = 0;  // same as IMpPlugin2::setHost; called by the factory's createInstance
};

// The host's services to audio plug-ins. Called only from the audio thread,
// inside a plug-in call.
class IMpAudioHost : public IMpUnknown {
public:
    virtual int32_t setPinValue(int32_t time, int32_t pinId, int32_t size, const void* data) = 0;  // 3: output value from sample `time` on; bytes copied in the call
    virtual int32_t setPinStreaming(int32_t time, int32_t pinId, bool isStreaming) = 0;           // 4: audio output changes per sample (true) or holds (false)
    virtual int32_t requestSleep() = 0;                                                          // 5: no work until the next process call
    virtual int32_t unused6() = 0;                                                               // 6: not called by this library
    virtual int32_t querySleepCountdown(int32_t* samples) = 0;                                   // 7: samples to produce after outputs go static
    virtual int32_t getSampleRate(float* rate) = 0;                                              // 8: samples per second
    virtual int32_t getHandle(int32_t* handle) = 0;                                              // 9: same for all voice clones of one module
    virtual int32_t unused10() = 0;                                                              // 10: not called by this library
    virtual int32_t unused11() = 0;                                                              // 11: not called by this library
    virtual int32_t unused12() = 0;                                                              // 12: not called by this library
    virtual int32_t unused13() = 0;                                                              // 13: not called by this library
    virtual int32_t queryPolyphonic(int32_t* isPolyphonic) = 0;                                  // 14: non-zero for a per-voice clone
    virtual int32_t unused15() = 0;                                                              // 15: not called by this library
    virtual int32_t allocateSharedMemory(const char16_t* name, void** out, float sampleRate, int32_t size,
                                         int32_t* needInitialise) = 0;                           // 16: one block per name, shared by all who ask
};
// clang-format on

}  // namespace gmpi

// The library's one exported function: stores the factory's IMpUnknown in out.
extern "C" ZU_EXPORT int32_t MP_GetFactory(void** out);
