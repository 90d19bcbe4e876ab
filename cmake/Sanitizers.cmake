# AddressSanitizer and UndefinedBehaviorSanitizer for every target of a build
# that sets ZU_SANITIZE; any report fails the test that caused it.
option(ZU_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(ZU_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# ThreadSanitizer instead, for what runs on more than one thread (zuhost
# play's GUI and audio threads); any report fails the test that caused it.
option(ZU_SANITIZE_THREAD "Build with ThreadSanitizer" OFF)
if(ZU_SANITIZE_THREAD)
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
endif()
