// phx_demo: asks for a file and the settings, runs the engine, and prints the
// key phrases and highlights or writes them to "test_api.html".
#include <cstdio>

#include "demo_program.h"

int main() { return phx_demo::run_demo(stdin, stdout); }
