# Debian libraries used by the host tools (Linux only); each host layer links
# those it uses.
if(WIN32)
    return()
endif()
find_package(pugixml REQUIRED)
find_package(CLI11 REQUIRED)
find_package(nlohmann_json REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(SNDFILE REQUIRED IMPORTED_TARGET GLOBAL sndfile)
