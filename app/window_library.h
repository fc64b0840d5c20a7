// What Tessera.exe and its window library agree on.
#pragma once

// The library's file, beside the program's.
inline constexpr const char* kWindowLibraryFile = "libtessera-window.so";

// The exported entry: runs the window front end with the program's
// arguments and gives the exit code.
extern "C" int TesseraWindowMain(int argc, char** argv);
using WindowMainFunction = int(int argc, char** argv);
