// Control pins: one value of int32, float, bool or MpBlob that changes by
// value events (inputs) or that the plug-in sends to the host (outputs).
//
// Contract: an input takes the value of each value event addressed to it in
// the first pass of its event group, and isUpdated() is true from then until
// the group's third pass, so onSetPins can tell which inputs changed. An
// output sends its value with setValue (only when it changed) or
// sendPinUpdate; the time stamp -1 means the plug-in's blockPosition. A value
// event of the wrong width for an int32 or float pin copies at most 4 bytes;
// a bool pin reads a 4-byte value as an int32 and otherwise its first byte,
// either way as true when non-zero. A value of size <= 0 leaves scalars as
// they are and empties a blob.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>

#include "framework/MpBlob.h"
#include "framework/MpPin.h"
#include "framework/MpPluginBase.h"

namespace gmpi {

template <typename T, int32_t Datatype>
class MpControlPinBase : public MpPinBase {
public:
    void preEvent(const MpEvent& event) override;              // a value event sets the value and marks it updated
    void postEvent(const MpEvent& event) override;             // the group is over: no longer updated
    int32_t getDatatype() const override { return Datatype; }
    void sendFirstUpdate() override { sendPinUpdate(); }       // sends the value at the plug-in's blockPosition
    virtual void setValueRaw(int32_t size, const void* data);  // takes a value from raw bytes
    virtual int32_t getSize() const;                           // bytes of the value
    virtual const void* getData() const;                       // the value's bytes

    const T& getValue() const { return value_; }
    bool isUpdated() const { return updated_; }                // meaningful inside onSetPins
    void sendPinUpdate(int32_t blockPosition = -1);            // sends the value to the host

protected:
    T value_{};
    bool updated_ = false;
};

template <typename T, int32_t Direction, int32_t Datatype>
class MpControlPin : public MpControlPinBase<T, Datatype> {
public:
    int32_t getDirection() const override { return Direction; }

    // Outputs only: stores and sends v when it differs from the value.
    void setValue(const T& v, int32_t blockPosition = -1)
        requires(Direction == MP_OUT)
    {
        if (v == this->value_) return;
        this->value_ = v;
        this->sendPinUpdate(blockPosition);
    }

    // Outputs only: trades the value with other, sending nothing; for values
    // produced in place and then published by sendPinUpdate.
    void swapValue(T& other)
        requires(Direction == MP_OUT)
    {
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
    if constexpr (std::is_same_v<T, MpBlob>) {
        value_.setValueRaw(size, data);
    } else if constexpr (std::is_same_v<T, bool>) {
        // Any non-zero byte pattern is true: a bool object must never hold another value.
        if (size == sizeof(int32_t)) {
            int32_t word;
            std::memcpy(&word, data, sizeof word);
            value_ = word != 0;
        } else if (size > 0) {
            value_ = *static_cast<const uint8_t*>(data) != 0;
        }
    } else {
        static_assert(sizeof(T) == 4, "scalar control pins hold 4-byte values");
        if (size >= static_cast<int32_t>(sizeof(T))) {
            std::memcpy(&value_, data, sizeof(T));
        } else if (size > 0) {
            std::memcpy(&value_, data, static_cast<size_t>(size));
        }
    }
}

template <typename T, int32_t Datatype>
int32_t MpControlPinBase<T, Datatype>::getSize() const {
    if constexpr (std::is_same_v<T, MpBlob>) {
        return value_.getSize();
    } else {
        return static_cast<int32_t>(sizeof(T));
    }
}

template <typename T, int32_t Datatype>
const void* MpControlPinBase<T, Datatype>::getData() const {
    if constexpr (std::is_same_v<T, MpBlob>) {
        return value_.getData();
    } else {
        return &value_;
    }
}

template <typename T, int32_t Datatype>
void MpControlPinBase<T, Datatype>::sendPinUpdate(int32_t blockPosition) {
    if (blockPosition == -1) blockPosition = plugin_->getBlockPosition();
    if (IMpAudioHost* host = plugin_->getHost()) host->setPinValue(blockPosition, id_, getSize(), getData());
}

}  // namespace gmpi
