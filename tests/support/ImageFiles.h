// Image files made by tests: PNG through stb_image_write, BMP byte by byte.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// RGBA bytes, rows top to bottom.
std::string pngBytes(int32_t width, int32_t height, const std::vector<uint8_t>& rgba);
// A 24-bit bottom-up BMP of RGB bytes given top to bottom.
std::string bmpBytes(int32_t width, int32_t height, const std::vector<uint8_t>& rgb);
