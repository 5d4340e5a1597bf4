// converter_main.h -- the converter's work on its arguments, from the entry
// of each system: main on POSIX, wmain on Windows.
#pragma once

// The arguments as main has them, argv[0] the program; returns the exit status.
int ConverterMain(int argc, char** argv);

// 0 when relative names may be resolved against the current directory;
// otherwise the exit status of its refusal, after the message. Asked only
// before a conversion, so that --help and --version answer anywhere.
int RefuseCurrentFolder();
