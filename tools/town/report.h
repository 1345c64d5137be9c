// The checker's report: the problems found in the files, the weight on offer
// below each threshold, and what the run through the town achieved.
#pragma once

#include "tools/town/session.h"
#include "tools/town/validate.h"

#include <cstdio>
#include <vector>

struct Findings {
    std::vector<Problem> Problems; // from the files and the run, in that order
    std::vector<Supply> Supplies;
    Outcome Run;
    float MinWeight = 0;  // a final weight below this is a problem too
    bool Pickups = false; // list every pickup with its frame
};

// Prints the report; returns the number of problems, counting every record
// not taken and a final weight short of MinWeight as one each.
int PrintReport(std::FILE* out, const Findings& findings, const std::vector<PropRecord>& records,
                const std::vector<TypeRule>& rules);
