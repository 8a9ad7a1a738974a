#pragma once
// The database account of the program, of the build's database creation and of the tests.
// data/CMakeLists.txt reads the two lines below for the build: keep their form.
inline constexpr char DatabaseUser[] = "SYSDBA";
inline constexpr char DatabasePassword[] = "siltravok";
