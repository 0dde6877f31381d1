// Recognises the three command-line requests: "-label", "-template" and
// "-printlabel", each followed by one separating character and a file name.
#pragma once
#include <string>

struct CommandLineRequest {
    int command = 0;        // 40256, 40257, 40288, or 0 for a normal start
    std::string fileName;   // exactly as given: no quote removal, no trimming
};

// The text is matched case-sensitively at its start; the first keyword that
// matches decides. A keyword with no file name after it starts normally.
CommandLineRequest ParseCommandLine(const char* text);
