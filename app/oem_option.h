// oem_option.h -- the OEM-to-ANSI option as the step list and the report show it.
#pragma once

// Sets `oemToAnsi` to 1 or 0 and writes "ja  " or "nein" over the option
// display of the step list; the report's option line says the same.
void SetOemToAnsi(bool on);
