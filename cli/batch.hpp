#pragma once
// Many calculations from one CSV stream: a header row whose first column is
// `core` and whose other columns are field letters, then one row per core.
//
// Each row is calculated as the single command would calculate it: a column
// the file lacks gives the field its start text, an empty cell is an empty
// field, and a column of a letter the row's core does not have must be empty.
// The output repeats the input columns and adds C1, C2, Le, Ae, Ve (and the
// exact values when asked) and the error, or is one JSON object per row. A bad
// row is reported in its own error cell and on the error stream; it never
// stops the batch.

#include <istream>
#include <ostream>

#include "cli/report.hpp"

namespace ferricalc {

// Returns the exit status: 0 when every row succeeded, 1 when any failed, 2
// when the input has no usable header or could not be read or written.
int runBatch(std::istream& in, std::ostream& out, std::ostream& err, const OutputOptions& options);

}  // namespace ferricalc
