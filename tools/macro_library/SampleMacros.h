#pragma once

#include <QString>

#include <vector>

#include "macro/MacroTypes.h"

namespace orvex {

struct SampleMacro {
    QString name;
    MacroScript script;
};

// The sample macros of the initial library, in record order.
std::vector<SampleMacro> SampleMacros();

}  // namespace orvex
