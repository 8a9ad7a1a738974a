# libFuzzer target over the snapshot reader: loads and decodes every page.
add_executable(fuzz_snapshot ${CMAKE_CURRENT_SOURCE_DIR}/FuzzSnapshot.cpp)
target_compile_options(fuzz_snapshot PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
target_link_options(fuzz_snapshot PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_libraries(fuzz_snapshot PRIVATE norbek_reportengine)
