// main_posix.cpp -- the converter's entry on POSIX: its arguments are the
// bytes of the names as the file system has them.
#include "cli/converter_main.h"

int main(int argc, char** argv) { return ConverterMain(argc, argv); }

int RefuseCurrentFolder() { return 0; }  // a name is its bytes, whatever the folder's
