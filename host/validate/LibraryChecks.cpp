#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "framework/ComRef.h"
#include "framework/MpInterfaces.h"
#include "host/audio/AudioHost.h"
#include "host/description/EmbeddedDescription.h"
#include "host/description/PluginLibrary.h"
#include "host/description/SharedLibrary.h"
#include "host/description/TextEncoding.h"
#include "host/validate/Checks.h"
#include "host/validate/ExportTable.h"

namespace zuhost {

namespace {

using GetFactoryFunction = int32_t (*)(void**);

constexpr const char* factoryExport = "MP_GetFactory";
// An identifier no interface of this system has.
constexpr gmpi::MpGuid unknownIid{0x0BADF00D, 0x1234, 0x5678, {0x9A, 0xBC, 0xDE, 0xF0, 0x12, 0x34, 0x56, 0x78}};
// Fills out-parameters so that a callee that forgets to set them is caught.
void* const untouchedOut = reinterpret_cast<void*>(uintptr_t{0x5A5A5A5A});

GetFactoryFunction factoryEntry(const SharedLibrary& library) {
    auto entry = reinterpret_cast<GetFactoryFunction>(library.symbol(factoryExport));
    if (entry == nullptr) fail("the library does not export MP_GetFactory");
    return entry;
}

std::string result(int32_t code) { return "answered " + std::to_string(code); }

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (size_t i = 0; i < names.size() && i < 10; ++i) text += (i ? ", " : "") + names[i];
    if (names.size() > 10) text += " and " + std::to_string(names.size() - 10) + " more";
    return text;
}

void requireQuery(gmpi::IMpUnknown& factory, const gmpi::MpGuid& iid, const char* name, bool offered) {
    void* out = untouchedOut;
    const int32_t code = factory.queryInterface(iid, &out);
    const bool answered = code == gmpi::MP_OK && out != nullptr && out != untouchedOut;
    // An answer carries a reference of its own, given back when the check is done.
    const auto answer = gmpi::ComRef<gmpi::IMpUnknown>::adopt(answered ? static_cast<gmpi::IMpUnknown*>(out) : nullptr);
    if (offered && !answered) fail(std::string("the factory does not answer ") + name + " (" + result(code) + ")");
    if (!offered && (code != gmpi::MP_NOSUPPORT || out != nullptr))
        fail(std::string("asked for ") + name + ", the factory " + result(code) +
             (out ? " and left a non-null object" : "") + "; expected -2 and null");
}

// Calls getSdkInformation with a buffer of maxChars characters followed by a
// guard; the text must end within the buffer and leave the guard alone.
void requireTerminatedWithin(gmpi::IMpFactory2& factory, int32_t maxChars) {
    constexpr char16_t guardUnit = 0xA5A5;
    constexpr size_t guardChars = 16;
    std::vector<char16_t> buffer(static_cast<size_t>(std::max(maxChars, 0)) + guardChars, guardUnit);
    int32_t version = -1;
    const int32_t code = factory.getSdkInformation(&version, maxChars, buffer.data());
    const std::string with = " with maxChars " + std::to_string(maxChars);
    if (code != gmpi::MP_OK) fail("getSdkInformation" + with + " " + result(code));
    const auto limit = static_cast<size_t>(std::max(maxChars, 0));
    if (!std::all_of(buffer.begin() + static_cast<std::ptrdiff_t>(limit), buffer.end(),
                     [](char16_t c) { return c == guardUnit; }))
        fail("getSdkInformation" + with + " wrote past the buffer");
    if (limit > 0 && std::find(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(limit), u'\0') ==
                         buffer.begin() + static_cast<std::ptrdiff_t>(limit))
        fail("getSdkInformation" + with + " left the text unterminated");
}

void requireNotCreated(gmpi::IMpFactory2& factory, const std::u16string& id, int32_t kind, gmpi::IMpUnknown& host) {
    const std::string what =
        std::string(1, '"').append(utf16ToUtf8(id)).append("\" of kind ").append(std::to_string(kind));
    void* out = untouchedOut;
    int32_t code = factory.createInstance2(id.c_str(), kind, &out);
    if (code != gmpi::MP_NOSUPPORT || out != nullptr)
        fail("createInstance2 of " + what + " " + result(code) + (out ? " with an object" : "") +
             "; expected -2 and null");
    out = untouchedOut;
    code = factory.createInstance(id.c_str(), kind, &host, &out);
    if (code != gmpi::MP_NOSUPPORT || out != nullptr)
        fail("createInstance of " + what + " " + result(code) + (out ? " with an object" : "") +
             "; expected -2 and null");
}

}  // namespace

Verdict checkLibraryLoads(const CheckContext& context) {
    SharedLibrary::open(context.options.library);
    return passed();
}

Verdict checkOnlyFactoryExported(const CheckContext& context) {
    const std::vector<std::string> names = exportedNames(context.options.library);
    if (std::find(names.begin(), names.end(), factoryExport) == names.end())
        fail("MP_GetFactory is not exported" + (names.empty() ? std::string() : "; exported: " + joined(names)));
    if (names.size() > 1) {
        std::vector<std::string> others;
        for (const std::string& name : names)
            if (name != factoryExport) others.push_back(name);
        fail("exports " + std::to_string(others.size()) + " names besides MP_GetFactory: " + joined(others));
    }
    return passed();
}

Verdict checkFactoryIsSingle(const CheckContext& context) {
    const auto library = SharedLibrary::open(context.options.library);
    const GetFactoryFunction entry = factoryEntry(*library);
    void* first = untouchedOut;
    void* second = untouchedOut;
    const int32_t firstCode = entry(&first);
    const int32_t secondCode = entry(&second);
    if (firstCode != gmpi::MP_OK || secondCode != gmpi::MP_OK)
        fail("MP_GetFactory " + result(firstCode) + ", then " + result(secondCode));
    if (first == nullptr || first == untouchedOut) fail("MP_GetFactory gave no object");
    if (first != second) fail("two calls of MP_GetFactory gave two different objects");
    return passed();
}

Verdict checkFactoryInterfaces(const CheckContext& context) {
    const auto library = SharedLibrary::open(context.options.library);
    void* unknown = nullptr;
    if (factoryEntry(*library)(&unknown) != gmpi::MP_OK || unknown == nullptr) fail("MP_GetFactory gave no factory");
    auto& factory = *static_cast<gmpi::IMpUnknown*>(unknown);
    requireQuery(factory, gmpi::MP_IID_FACTORY2, "IMpFactory2", true);
    requireQuery(factory, gmpi::MP_IID_FACTORY, "IMpFactory", true);
    requireQuery(factory, gmpi::MP_IID_UNKNOWN, "IMpUnknown", true);
    requireQuery(factory, gmpi::MP_IID_PLUGIN, "IMpPlugin", false);
    requireQuery(factory, gmpi::MP_IID_PLUGIN2, "IMpPlugin2", false);
    requireQuery(factory, gmpi::MP_IID_AUDIO_HOST, "IMpAudioHost", false);
    requireQuery(factory, unknownIid, "an unknown interface", false);
    return passed();
}

Verdict checkSdkInformation(const CheckContext& context) {
    const PluginLibrary library = PluginLibrary::open(context.options.library);
    for (const int32_t maxChars : {-1, 0, 1, 2, 8, 17, 18, 64, 256})
        requireTerminatedWithin(library.factory(), maxChars);
    int32_t version = 0;
    std::array<char16_t, 256> text{};
    library.factory().getSdkInformation(&version, static_cast<int32_t>(text.size()), text.data());
    return passed("version " + std::to_string(version) + ", \"" + utf16ToUtf8(text.data()) + "\"");
}

Verdict checkDescription(const CheckContext& context) {
    const LibraryDescription description = loadDescription(context.options.library);
    if (description.plugins.empty()) fail("the description names no plug-in");
    return passed(std::to_string(description.plugins.size()) + " plug-ins");
}

Verdict checkUnknownPlugins(const CheckContext& context) {
    const PluginLibrary library = PluginLibrary::open(context.options.library);
    AudioHost host;
    requireNotCreated(library.factory(), u"", gmpi::MP_SUB_TYPE_AUDIO, host);
    requireNotCreated(library.factory(), u"no such plug-in", gmpi::MP_SUB_TYPE_AUDIO, host);
    requireNotCreated(library.factory(), u"no such plug-in", gmpi::MP_SUB_TYPE_GUI, host);
    for (const PluginDescription& plugin : context.description.plugins) {
        const std::u16string id = utf8ToUtf16(plugin.id);
        for (const int32_t kind : {-1, 1, 3, 0x7FFFFFFF}) requireNotCreated(library.factory(), id, kind, host);
        requireNotCreated(library.factory(), id + u" ", gmpi::MP_SUB_TYPE_AUDIO, host);
    }
    if (host.outstandingReferences() != 0) fail("a refused creation kept a reference on the host");
    return passed();
}

}  // namespace zuhost
