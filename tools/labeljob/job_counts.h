// What a saved body holds and what its print job puts on paper, counted
// with the project's own reader, layout cache, page flow and print plan.
#pragma once
#include <string>

#include "editions/profile.h"
#include "tools/labeljob/label_job.h"

// The print settings a job ran with, as the program left them in its INI.
struct JobPrintSettings {
    int labelKind = 0;        // Wimbrook's one label or sheet; the others follow the format
    bool multiPage = false;   // "&New Page", set by the size warning's answer
    bool separate = false;    // "Print &Empty Labels" in Wimbrook
};

// False with the reason when the body cannot be read.
// The spine text a saved body holds (ANSI); empty when it cannot be read.
std::string SavedSpineText(const std::string& bytes);

bool CountSavedBody(const std::string& bytes, const EditionProfile& edition, const JobPrintSettings& settings,
                    JobCounts* counts, std::string* error);
