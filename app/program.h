#pragma once
// What the process entry decided for this run, shared by the main form and everything it creates.
#include <string>
#include <vector>

#include "storage/data_files.h"

namespace velmado::app {

struct Program {
    std::vector<std::wstring> arguments;
    bool nonResident = false; // argument 1 is "/Q"
    int runningInstanceState = 0;
    storage::DataFiles files;
    std::wstring ruleFilePath; // the rule file in use
};

} // namespace velmado::app
