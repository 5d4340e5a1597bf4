// output_files.h -- the output table and memo file of a run, written into its
// run folder and put in place together with the report (convert/output_group.h).
#pragma once

#include <cstdint>

// Creates the output table and, with an open input memo file, the output memo
// file with its block 0, in the run folder. Returns 1, or 0 after a message.
std::uint8_t CreateOutputFiles();

// Ends a run's outputs. A run carried out (`carriedOut` 1) puts its table,
// memo file and report in place together; a run that stopped after its report
// was begun puts that report alone in place, which says why, unless an
// interrupt stopped it; everything else of the run goes. In a run of many
// tables, the outputs of a table wait in the group for the others. Returns
// the run's result: 0 when the outputs could not be put in place.
std::uint8_t PlaceOutputs(std::uint8_t carriedOut);
