# libFuzzer target over the project file reader, and the layout of what it read.
add_executable(fuzz_project_file FuzzProjectFile.cpp)
target_compile_options(fuzz_project_file PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
target_link_options(fuzz_project_file PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_libraries(fuzz_project_file PRIVATE norbek_reportengine)
