# Debian libraries used by the host tools (Linux only), gathered in one
# interface target.
if(WIN32 OR TARGET zu_host_libraries)
    return()
endif()
find_package(pugixml REQUIRED)
find_package(CLI11 REQUIRED)
find_package(nlohmann_json REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(SNDFILE REQUIRED IMPORTED_TARGET sndfile)

add_library(zu_host_libraries INTERFACE)
target_link_libraries(zu_host_libraries INTERFACE
    pugixml::pugixml CLI11::CLI11 nlohmann_json::nlohmann_json PkgConfig::SNDFILE)
