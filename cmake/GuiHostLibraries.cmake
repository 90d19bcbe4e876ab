# Debian libraries of the substitute GUI host. stb_image is only a header,
# compiled into the host on every target, so only its folder is added (the
# MinGW build must not see the rest of /usr/include). Natively, Cairo draws
# and Pango lays text out.
find_path(ZU_STB_INCLUDE_DIR stb_image.h PATHS /usr/include/stb NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
if(NOT WIN32)
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(ZU_PANGOCAIRO REQUIRED IMPORTED_TARGET pangocairo cairo)
endif()
