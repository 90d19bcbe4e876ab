# Coverage instrumentation for libFuzzer over every target of a build that
# sets ZU_FUZZ (clang only), so the fuzzers are guided through the library
# and the host code as well as through their own harness. The fuzz targets
# themselves live in fuzz/ and link libFuzzer's main.
option(ZU_FUZZ "Build the libFuzzer targets in fuzz/ (clang)" OFF)
if(ZU_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
