#pragma once

#include <string>

namespace sorika {

// Every text of the program, paths included: UTF-8 bytes, composed by plain concatenation.
using Text = std::string;

} // namespace sorika
