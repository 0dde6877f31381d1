// labelfind's command line: the options as grep and find users know them,
// the pattern and the paths.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum FindFormat { FORMAT_TEXT, FORMAT_JSON, FORMAT_CSV, FORMAT_COUNT };

struct FindOptions {
    std::string pattern;             // as typed (UTF-8)
    std::vector<std::string> paths;  // none: the current folder
    bool wholePath = false;
    bool comments = false;
    bool files = false;    // neither files nor folders: both kinds
    bool folders = false;
    int64_t minSize = 0;
    int64_t maxSize = INT64_MAX;
    int codePage = 0;      // 0: the platform's default
    FindFormat format = FORMAT_TEXT;
    bool help = false;
};

extern const char kFindUsage[];  // the usage line
extern const char kFindHelp[];   // what --help prints after it

// False with the reason in *error when an option is unknown, lacks its
// value or has a wrong one, or the pattern is missing.
bool ParseFindOptions(const std::vector<std::string>& args, FindOptions* options, std::string* error);

// A size in bytes with an optional K or M (of 1024); false for anything
// else.
bool ParseSize(const std::string& text, int64_t* bytes);
