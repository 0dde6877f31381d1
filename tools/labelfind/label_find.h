// labelfind's whole run: the paths walked for label bodies, each body read
// by the programs' own reader, its catalog searched and the matches
// printed. The exit status is grep's.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

enum FindStatus { FIND_MATCHED = 0, FIND_NONE = 1, FIND_ERROR = 2 };

struct FindSinks {
    std::function<void(std::string_view)> out;  // the matches, the counts, --help
    std::function<void(std::string_view)> err;  // what could not be read, and why; bad options
};

// args: the command line after the program name, in UTF-8.
FindStatus RunLabelFind(const std::vector<std::string>& args, const FindSinks& sinks);

// Whether a file found in a folder is a body: .KSB, .DVB or .WMB in any case.
bool IsBodyFileName(std::string_view name);
