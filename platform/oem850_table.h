// oem850_table.h -- the fixed OEM-to-ANSI table of the POSIX build.
#pragma once

// Indexed by an OEM code page 850 byte; gives its Windows-1252 byte.
extern const unsigned char kOem850ToAnsi[256];
