#include "host/gui/ApproximateTextMeasurer.h"

namespace zuhost::gui {

std::shared_ptr<TextMeasurer> makePlatformTextMeasurer() { return std::make_shared<ApproximateTextMeasurer>(); }

}  // namespace zuhost::gui
