// Pins of a panel: members of the panel object, bound in its constructor by
// GuiPinOwner::initializePin, holding the value the host delivered and
// running the panel's handler when it changes.
//
// Contract: a pin's value starts at its type's default (0, 0.0, false, empty
// string, empty blob; for array pins every voice). setValueRaw stores a
// changed value and reports true; an unchanged one reports false and leaves
// the pin alone. Bytes are read by PinValue (framework/PinValue.h) as the
// whole value: fewer bytes than an int32, float or bool holds are
// zero-filled. Assigning a value from the panel stores it and, when it
// changed, sends it to the host with voice 0. Array pins are only received.
// Everything here runs on the host's GUI thread.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "framework/PinValue.h"

namespace gmpi {

class GuiPinOwner;

// clang-format off
// A pin's change handler, owned by its pin.
class IGuiPinCallbackImpl {
public:
    virtual ~IGuiPinCallbackImpl() = default;
    virtual void invoke(int32_t voice) = 0;
};

// Calls a panel member function without arguments.
template <class GuiInterface>
class IGuiPinCallback : public IGuiPinCallbackImpl {
public:
    using Handler = void (GuiInterface::*)();
    IGuiPinCallback(GuiInterface* object, Handler handler) : object_(object), handler_(handler) {}
    void invoke(int32_t) override { (object_->*handler_)(); }

private:
    GuiInterface* object_;
    Handler handler_;
};

// Calls a panel member function with the voice whose value changed.
template <class GuiInterface>
class IGuiPinCallbackIndexed : public IGuiPinCallbackImpl {
public:
    using Handler = void (GuiInterface::*)(int32_t voice);
    IGuiPinCallbackIndexed(GuiInterface* object, Handler handler) : object_(object), handler_(handler) {}
    void invoke(int32_t voice) override { (object_->*handler_)(voice); }

private:
    GuiInterface* object_;
    Handler handler_;
};

class MpGuiPinBase {
public:
    MpGuiPinBase() = default;
    MpGuiPinBase(const MpGuiPinBase&) = delete;
    MpGuiPinBase& operator=(const MpGuiPinBase&) = delete;
    virtual ~MpGuiPinBase() = default;

    virtual bool setValueRaw(int32_t voice, int32_t size, const void* data) = 0;  // stores a changed value; true when it changed
    virtual int32_t getDatatype() const = 0;                                      // the MpDatatype code
    void notifyIfDefault(int32_t pinId);                                           // runs the handler (voice 0) while the value is the default

    int32_t getId() const { return pinId_; }
    void invokeCallback(int32_t voice) {
        if (callback_) callback_->invoke(voice);
    }

protected:
    virtual bool holdsDefault() const = 0;
    void sendValue(int32_t size, const void* data);

    template <class T>
    static bool storeIfChanged(T& stored, RawBytes bytes) {
        if (PinValue<T>::holds(stored, bytes)) return false;
        PinValue<T>::take(stored, bytes, MissingBytes::zeroed);
        return true;
    }

private:
    friend class GuiPinOwner;
    int32_t pinId_ = -1;
    GuiPinOwner* owner_ = nullptr;
    std::unique_ptr<IGuiPinCallbackImpl> callback_;
};

template <class T>
class MpGuiPin : public MpGuiPinBase {
public:
    bool setValueRaw(int32_t, int32_t size, const void* data) override {
        return storeIfChanged(value_, RawBytes(size, data));
    }
    int32_t getDatatype() const override { return PinValue<T>::datatype; }
    int32_t getSize() const { return PinValue<T>::size(value_); }
    const void* getData() const { return PinValue<T>::data(value_); }

    const T& getValue() const { return value_; }
    operator const T&() const { return value_; }

    // Stores the value and sends it when it differs from the stored one.
    MpGuiPin& operator=(const T& value) {
        if (setValueRaw(0, PinValue<T>::size(value), PinValue<T>::data(value))) sendValue(getSize(), getData());
        return *this;
    }

protected:
    bool holdsDefault() const override { return value_ == T{}; }

private:
    T value_{};
};

// One value per voice; a voice outside 0..Count-1 is ignored.
template <class T, int32_t Count = 128>
class MpGuiArrayPin : public MpGuiPinBase {
public:
    bool setValueRaw(int32_t voice, int32_t size, const void* data) override {
        return voice >= 0 && voice < Count && storeIfChanged(values_[voice], RawBytes(size, data));
    }
    int32_t getDatatype() const override { return PinValue<T>::datatype; }
    int32_t getSize(int32_t voice) const { return PinValue<T>::size(values_.at(voice)); }
    const void* getData(int32_t voice) const { return PinValue<T>::data(values_.at(voice)); }

    const T& getValue(int32_t voice) const { return values_.at(voice); }
    const T& operator[](int32_t voice) const { return values_.at(voice); }
    static constexpr int32_t voiceCount() { return Count; }

protected:
    bool holdsDefault() const override { return values_[0] == T{}; }

private:
    std::array<T, Count> values_{};
};
// clang-format on

using MpGuiPinInt = MpGuiPin<int32_t>;
using MpGuiPinFloat = MpGuiPin<float>;
using MpGuiPinBool = MpGuiPin<bool>;
using MpGuiPinString = MpGuiPin<std::u16string>;
using MpGuiArrayPinFloat = MpGuiArrayPin<float>;
using MpGuiArrayPinBlob = MpGuiArrayPin<MpBlob>;

}  // namespace gmpi
