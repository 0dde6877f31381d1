// The outputs of a job named after its disk, so that disk after disk
// labelled into one folder builds a shelf of labels: the spine text made a
// file name, and a number for a second disk of the same name.
#pragma once
#include <functional>
#include <string>

// The title (UTF-8) as a file name that Windows and Linux both take:
// control characters and < > : " / \ | ? * become '_', blanks and dots
// at the ends go, a device name (CON, NUL, COM1, ...) gets a '_'; "disk"
// when nothing is left.
std::string FileNameOfTitle(const std::string& title);

// The stem itself, or the first of "stem (2)", "stem (3)", ... that taken
// says no to.
std::string FreeStem(const std::string& stem, const std::function<bool(const std::string&)>& taken);
