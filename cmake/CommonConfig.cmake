# Build settings shared by every target of the project: link tw_build_settings.
# The standard is a compile feature of these targets. The build type is the
# builder's choice (scripts/build asks for RelWithDebInfo); a plain
# configure builds optimised, as a user building the program expects.
set(CMAKE_CXX_EXTENSIONS OFF)
get_property(tw_multi_config GLOBAL PROPERTY GENERATOR_IS_MULTI_CONFIG)
if(NOT tw_multi_config AND NOT CMAKE_BUILD_TYPE)
    set(CMAKE_BUILD_TYPE Release CACHE STRING "Build type" FORCE)
endif()

# tw_test_build_settings: the same without QT_NO_CAST_FROM_ASCII, so that
# test tables can be written with plain string literals.
add_library(tw_test_build_settings INTERFACE)
target_compile_features(tw_test_build_settings INTERFACE cxx_std_17)
target_compile_options(tw_test_build_settings INTERFACE
    $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic>)
target_compile_definitions(tw_test_build_settings INTERFACE
    QT_NO_CONTEXTLESS_CONNECT
    QT_USE_QSTRINGBUILDER
    $<$<BOOL:${WIN32}>:WIN32_LEAN_AND_MEAN NOMINMAX UNICODE _UNICODE>)

add_library(tw_build_settings INTERFACE)
target_link_libraries(tw_build_settings INTERFACE tw_test_build_settings)
target_compile_definitions(tw_build_settings INTERFACE QT_NO_CAST_FROM_ASCII)

# Sanitizer builds: -DTONEWRIGHT_SANITIZE=ON.
option(TONEWRIGHT_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(TONEWRIGHT_SANITIZE)
    target_compile_options(tw_test_build_settings INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(tw_test_build_settings INTERFACE -fsanitize=address,undefined)
endif()
