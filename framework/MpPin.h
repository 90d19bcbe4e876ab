// The base of every pin of an audio-side plug-in.
//
// Contract: a pin is a member object of its plug-in, bound once by the
// plug-in's registerPin (id and plug-in set) and destroyed with it. The
// plug-in's block loop hands each event addressed to the pin to preEvent,
// onEvent and postEvent in three passes, in that order; none of these
// allocates. Everything a pin does happens on the audio thread.
#pragma once

#include <cstdint>

#include "framework/MpInterfaces.h"

namespace gmpi {

class MpPluginBase;
class MpPinBase;

// A plug-in member function that a pin calls when an event reaches it.
using MpPinHandler = void (MpPluginBase::*)(MpPinBase& pin);

// The bytes of a value event. Sizes are clamped so that reading them never
// leaves the event: a negative size is 0, and an inline value (no extraData)
// is at most the 8 bytes of parm3 and parm4.
struct MpEventValue {
    int32_t size;
    const void* data;
};
inline MpEventValue eventValue(const MpEvent& event) {
    constexpr int32_t inlineBytes = 8;
    const int32_t size = event.parm2 > 0 ? event.parm2 : 0;
    if (event.extraData != nullptr) return {size, event.extraData};
    // parm3 and parm4 are adjacent in the record, so the inline value is read
    // as bytes of the record itself.
    const auto* record = reinterpret_cast<const uint8_t*>(&event);
    return {size < inlineBytes ? size : inlineBytes, record + offsetof(MpEvent, parm3)};
}

class MpPinBase {
public:
    virtual ~MpPinBase() = default;
    virtual void setBuffer(float* buffer);           // an audio pin keeps the host's samples for the block
    virtual void preEvent(const MpEvent& event);     // first pass: takes the event's value or state
    virtual void onEvent(const MpEvent& event);      // second pass: calls the handler if one was given
    virtual void postEvent(const MpEvent& event);    // third pass, after onSetPins: clears per-group flags
    virtual int32_t getDatatype() const = 0;         // the MpDatatype code
    virtual int32_t getDirection() const = 0;        // MP_IN or MP_OUT
    virtual MpPinHandler getDefaultHandler() const;  // the handler registerPin binds when given none
    virtual void sendFirstUpdate();                  // at graph start an output tells the host its state

    int32_t getId() const { return id_; }          // the pin index, -1 until registered
    MpPluginBase* getPlugin() { return plugin_; }  // the owning plug-in, null until registered

    // Called by MpPluginBase::registerPin only.
    void bind(int32_t id, MpPluginBase& plugin, MpPinHandler handler);

protected:
    int32_t id_ = -1;
    MpPluginBase* plugin_ = nullptr;
    MpPinHandler handler_ = nullptr;
};

}  // namespace gmpi
