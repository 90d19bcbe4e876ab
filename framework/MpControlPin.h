// Control pins: one value of int32, float, bool or MpBlob that changes by
// value events (inputs) or that the plug-in sends to the host (outputs).
//
// Contract: an input takes the value of each value event addressed to it in
// the first pass of its event group, and isUpdated() is true from then until
// the group's third pass, so onSetPins can tell which inputs changed. An
// output sends its value with setValue (only when it changed) or
// sendPinUpdate; the time stamp -1 means the plug-in's blockPosition. A value
// event's bytes are read by PinValue (framework/PinValue.h) over the current
// value: fewer than 4 bytes replace only the first bytes of an int32 or
// float, and no bytes leave int32, float and bool as they are and empty a
// blob.
#pragma once

#include <cstdint>
#include <utility>

#include "framework/MpPin.h"
#include "framework/MpPluginBase.h"
#include "framework/PinValue.h"

namespace gmpi {

template <typename T, int32_t Datatype>
class MpControlPinBase : public MpPinBase {
public:
    void preEvent(const MpEvent& event) override;   // a value event sets the value and marks it updated
    void postEvent(const MpEvent& event) override;  // the group is over: no longer updated
    int32_t getDatatype() const override { return Datatype; }
    void sendFirstUpdate() override { sendPinUpdate(); }       // sends the value at the plug-in's blockPosition
    virtual void setValueRaw(int32_t size, const void* data);  // takes a value from raw bytes
    virtual int32_t getSize() const;                           // bytes of the value
    virtual const void* getData() const;                       // the value's bytes

    const T& getValue() const { return value_; }
    bool isUpdated() const { return updated_; }      // meaningful inside onSetPins
    void sendPinUpdate(int32_t blockPosition = -1);  // sends the value to the host

protected:
    T value_{};
    bool updated_ = false;
};

template <typename T, int32_t Direction, int32_t Datatype>
class MpControlPin : public MpControlPinBase<T, Datatype> {
public:
    int32_t getDirection() const override { return Direction; }

    // Outputs only: stores and sends v when it differs from the value.
    void setValue(const T& v, int32_t blockPosition = -1) requires(Direction == MP_OUT) {
        if (v == this->value_) return;
        this->value_ = v;
        this->sendPinUpdate(blockPosition);
    }

    // Outputs only: trades the value with other, sending nothing; for values
    // produced in place and then published by sendPinUpdate.
    void swapValue(T& other) requires(Direction == MP_OUT) {
        using std::swap;
        swap(this->value_, other);
    }
};

using FloatInPin = MpControlPin<float, MP_IN, MP_FLOAT32>;
using IntInPin = MpControlPin<int32_t, MP_IN, MP_INT32>;
using IntOutPin = MpControlPin<int32_t, MP_OUT, MP_INT32>;
using BoolOutPin = MpControlPin<bool, MP_OUT, MP_BOOL>;
using BlobOutPin = MpControlPin<MpBlob, MP_OUT, MP_BLOB>;

template <typename T, int32_t Datatype>
void MpControlPinBase<T, Datatype>::preEvent(const MpEvent& event) {
    if (event.eventType != EVENT_PIN_SET) return;
    const MpEventValue value = eventValue(event);
    setValueRaw(value.size, value.data);
    updated_ = true;
}

template <typename T, int32_t Datatype>
void MpControlPinBase<T, Datatype>::postEvent(const MpEvent& event) {
    if (event.eventType == EVENT_PIN_SET) updated_ = false;
}

template <typename T, int32_t Datatype>
void MpControlPinBase<T, Datatype>::setValueRaw(int32_t size, const void* data) {
    PinValue<T>::take(value_, RawBytes(size, data), MissingBytes::kept);
}

template <typename T, int32_t Datatype>
int32_t MpControlPinBase<T, Datatype>::getSize() const {
    return PinValue<T>::size(value_);
}

template <typename T, int32_t Datatype>
const void* MpControlPinBase<T, Datatype>::getData() const {
    return PinValue<T>::data(value_);
}

template <typename T, int32_t Datatype>
void MpControlPinBase<T, Datatype>::sendPinUpdate(int32_t blockPosition) {
    if (blockPosition == -1) blockPosition = plugin_->getBlockPosition();
    if (IMpAudioHost* host = plugin_->getHost()) host->setPinValue(blockPosition, id_, getSize(), getData());
}

}  // namespace gmpi
