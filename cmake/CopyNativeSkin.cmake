# cmake -DFROM=native-skin-folder -DTO=folder -P CopyNativeSkin.cmake
# Copies the default skin drawn by a native build beside a cross build's
# executables; without a native build there is nothing to copy yet.
if(NOT EXISTS ${FROM}/global.txt)
    message(STATUS "No default skin in ${FROM}: build a native preset first to place one in ${TO}")
    return()
endif()
file(COPY ${FROM}/ DESTINATION ${TO})
