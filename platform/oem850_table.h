// oem850_table.h -- the fixed OEM-to-ANSI table of the POSIX build.
#pragma once

// Indexed by an OEM code page 850 byte from 0x80 on, less 0x80; gives its
// Windows-1252 byte. Bytes below 0x80 are the same in both.
extern const unsigned char kOem850HighToAnsi[128];
