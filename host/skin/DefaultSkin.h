// The library's own skin: every image the panels ask for, with its metadata
// text, and the style sheet of the text styles they use.
#pragma once

#include <string>
#include <vector>

#include "host/skin/SkinImage.h"

namespace zuhost::skin {

std::vector<SkinImage> drawDefaultSkin();
// The text of global.txt, with Windows line ends as skins are usually edited.
std::string defaultStyleSheet();

}  // namespace zuhost::skin
