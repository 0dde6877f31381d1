// The jobs of one CUPS queue, asked of the scheduler over IPP on
// localhost:631 (the Get-Jobs operation), so that a print job is known by
// its number and its state rather than by the newest file in a folder.
#pragma once
#include <string>
#include <vector>

// IPP job states.
enum CupsJobState {
    CUPS_JOB_PENDING = 3,
    CUPS_JOB_HELD = 4,
    CUPS_JOB_PROCESSING = 5,
    CUPS_JOB_STOPPED = 6,
    CUPS_JOB_CANCELED = 7,
    CUPS_JOB_ABORTED = 8,
    CUPS_JOB_COMPLETED = 9,
};

struct CupsJob {
    int id = 0;
    int state = 0;
    std::string name;     // the document name the program gave StartDoc
    std::string message;  // job-printer-state-message, when there is one
};

// Every job of the queue the scheduler still remembers, finished or not.
// False, with the reason, when the scheduler cannot be asked.
bool ListQueueJobs(const std::string& queue, std::vector<CupsJob>* jobs, std::string* error);

