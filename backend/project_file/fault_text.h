// What the user is told of a damaged project file: which value is wrong and
// how, in the user's language, with the file's own keys and indices (nodes
// by their index, the root being node 0; actions, rows and locks counted
// from 1).
#pragma once

#include <QString>

#include "backend/project_file/loader.h"

namespace project_fault_text {

// "The project file is damaged: ..." for a file refused as damaged.
QString damagedFileText(const project_file::LoadedProject& loaded);

// A number as the program writes it in any language: "-100", "1000000",
// "0.5"; beyond the millions of any field in exponent form ("1e+308").
QString plainNumber(double v);

}  // namespace project_fault_text
