#pragma once
// The magnetic design on the command line: its figures (calc/design_request)
// as lines, CSV cells and a JSON object, in the texts calc/design writes for
// every front end.

#include <ostream>
#include <string>

#include "calc/design_request.hpp"
#include "cli/output.hpp"

namespace ferricalc {

// "Amin 91.61 mm2", "AL 917.5 nH" … one line per figure the design holds,
// then the losses' ("Pv 123.45 kW/m3") where they were asked for.
void writeDesignLines(OutputBuffer& out, const DesignOutcome& outcome);

// The batch's design columns, each preceded by its comma; the cells are the
// values without their units, which the header gives ("AL_nH"), and last the
// level of B_max against Bsat (clear, advisory, warning, unknown).
// With `losses` (the file has loss columns) the loss figures follow ("Pv_kW_per_m3" …).
void writeDesignCsvHeader(OutputBuffer& out, bool losses);
void writeDesignCsvCells(OutputBuffer& out, const DesignOutcome* outcome, bool losses);

// ,"design":{…} (null without a design).
void writeDesignJson(OutputBuffer& out, const DesignOutcome* outcome);

// The materials table: name, maker, base, μi, Bsat at 25 and 100 °C, density,
// Curie temperature, its loss fit (ours, published, loss factor only, none)
// and what is doubtful about its figures.
void writeMaterialList(std::ostream& out);

}  // namespace ferricalc
