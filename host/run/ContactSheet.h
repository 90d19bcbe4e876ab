// Pictures laid out in rows with a caption under each, drawn into one PNG:
// the gallery's contact sheet and a session's strip of frames.
//
// Contract: pictures are copied when added, those larger than
// largestPicture a side scaled down to fit it, so that a sheet stays within
// what a PNG may be whatever the panels' sizes; a row breaks after `columns`
// pictures. Cells are as wide as the widest picture and as high as the
// highest in their row plus two caption lines; a caption breaks after its
// first ": " and is cut off at its cell's edge. write() throws OutputError
// naming the file when the sheet would be too large to write, before it
// draws anything, or when the file cannot be written.
#pragma once

#include <cairo.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host/gui/cairo/CairoContext.h"

namespace zuhost {

class ContactSheet {
public:
    static constexpr int32_t largestPicture = 512;

    explicit ContactSheet(int32_t columns) : columns_(columns > 0 ? columns : 1) {}
    ~ContactSheet();
    ContactSheet(const ContactSheet&) = delete;
    ContactSheet& operator=(const ContactSheet&) = delete;

    void add(const gui::CairoContext& picture, std::string caption);
    void write(const std::filesystem::path& path) const;
    size_t size() const { return cells_.size(); }

private:
    struct Cell {
        cairo_surface_t* picture;
        std::string caption;
    };

    std::vector<Cell> cells_;
    int32_t columns_;
};

}  // namespace zuhost
