// Finds a resource of a Windows DLL by type name and numeric id, walking the
// resource directory (type / id / language) with every read bounds-checked.
//
// Contract: PE32 and PE32+ files are read. Returns where the resource's data
// lies in the file, in the preferred language when the resource has it and
// otherwise in its first one, or nothing when the file has no such resource;
// the range itself is not checked against the file. Headers or directories
// outside the file, or data at an address no section maps, throw
// DescriptionError.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "host/description/FileView.h"

namespace zuhost {

std::optional<FileRange> findPeResource(const FileView& file, std::u16string_view type, uint32_t id,
                                        uint32_t preferredLanguage);

}  // namespace zuhost
