// The program's arguments after its name, in UTF-8, for our console
// tools. A file of its own: the programs, which take their command line as
// it is, must not import what it calls.
#pragma once
#include <string>
#include <vector>

std::vector<std::string> CommandLineUtf8();
