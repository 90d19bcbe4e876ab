// zu_skin_painter FOLDER: draws the default skin into FOLDER.
#include <exception>
#include <filesystem>
#include <iostream>

#include "host/skin/DefaultSkin.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: zu_skin_painter FOLDER\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        for (const zuhost::skin::SkinImage& image : zuhost::skin::drawDefaultSkin())
            zuhost::skin::writeSkinImage(folder, image);
        // Written last: the build takes the style sheet as the sign of a whole skin.
        zuhost::skin::writeTextFile(folder / "global.txt", zuhost::skin::defaultStyleSheet());
    } catch (const std::exception& error) {
        std::cerr << "zu_skin_painter: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
