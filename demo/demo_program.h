// phx_demo: the console dialogue that shows the engine at work on one file.
#pragma once

#include <cstdio>

namespace phx_demo {

// Runs the whole dialogue, reading answers from `in` and printing to `out`;
// the report file goes to the working directory. Always returns 0: every
// failure ends the dialogue after its message.
int run_demo(std::FILE* in, std::FILE* out);

}  // namespace phx_demo
