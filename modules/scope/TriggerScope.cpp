#include "modules/scope/TriggerScope.h"

#include "framework/MpFactory.h"

namespace zu {

namespace {
gmpi::PluginRegistration triggerScopeRegistration(gmpi::MP_SUB_TYPE_AUDIO, u"ZU TrigScope3 XP",
                                                  gmpi::createPlugin<TriggerScope, gmpi::IMpPlugin>);
}

// Registered before Scope3's pins, which follow it in open().
TriggerScope::TriggerScope() { registerPin(trigger_); }

}  // namespace zu
