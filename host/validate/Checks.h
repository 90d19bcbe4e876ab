// The bodies of the validator's checks. Each runs in a child process of its
// own (see Check.h for the contract they share); the Validator names them and
// decides which run.
#pragma once

#include "host/validate/Check.h"

namespace zuhost {

// The library as a whole (LibraryChecks.cpp).
Verdict checkLibraryLoads(const CheckContext& context);
Verdict checkOnlyFactoryExported(const CheckContext& context);
Verdict checkFactoryIsSingle(const CheckContext& context);
Verdict checkFactoryInterfaces(const CheckContext& context);
Verdict checkSdkInformation(const CheckContext& context);
Verdict checkDescription(const CheckContext& context);
Verdict checkUnknownPlugins(const CheckContext& context);

// One plug-in's description against its code (DescriptionChecks.cpp).
Verdict checkCreatesProcessor(const CheckContext& context);
Verdict checkCreatesPanel(const CheckContext& context);
Verdict checkPinIndices(const CheckContext& context);
Verdict checkOutputValues(const CheckContext& context);

// One plug-in's processing (one file each).
Verdict checkProcessingSweep(const CheckContext& context);
Verdict checkBuffers(const CheckContext& context);
Verdict checkSleep(const CheckContext& context);
Verdict checkRealTimeSafety(const CheckContext& context);
Verdict checkDeterminism(const CheckContext& context);
Verdict checkReferenceCounting(const CheckContext& context);

// One plug-in's panel (PanelChecks.cpp).
Verdict checkPanelHosts(const CheckContext& context);
Verdict checkPanelPins(const CheckContext& context);
Verdict checkPanelRendering(const CheckContext& context);
Verdict checkPanelGestures(const CheckContext& context);
Verdict checkPanelRandomPins(const CheckContext& context);
Verdict checkPanelReferences(const CheckContext& context);

}  // namespace zuhost
