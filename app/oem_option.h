// oem_option.h -- the OEM-to-ANSI option as the step list and the report show it.
#pragma once

// Sets `oemToAnsi` to 1 or 0 and writes "ja  " or "nein" over the option
// display of the step list and the last four characters of the report's
// option line.
void SetOemToAnsi(bool on);
