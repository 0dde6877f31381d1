// The main job of an edition, done on the real program from outside as a
// user does it: a folder read as a disk (or a saved body loaded), the
// window captured, the label saved through Save As and printed through the
// print dialog to a PDF queue, the program closed. labeljob.exe runs it for
// scripts/run; the whole-program tests call it directly.
#pragma once
#include <string>
#include <vector>

struct JobOptions {
    std::string edition = "Kestrin";
    std::string disk;        // the folder read as the drive (Unix path)
    std::string labelFile;   // instead of a disk: this body is printed (Unix or Windows path)
    std::string levels = "all";  // "0" to "4" or "all"
    bool archives = false;
    std::string outDir;      // Unix path; made when missing
    bool diskNames = false;  // the outputs named after the disk, not the edition
    bool force = false;      // existing outputs may be replaced (with diskNames: that disk's)
    std::string settings;    // an INI to start from (Unix path), copied in
    std::string queue = "LabelRun";  // the PDF queue
    char drive = 'R';        // the letter the folder is mapped to
};

// What the saved body holds, read back with the project's reader and laid
// out by its page flow and print plan.
struct JobCounts {
    int entries = 0;  // every entry of the catalog, at every level
    int files = 0;
    int folders = 0;  // entries with a list of their own (folders, archives)
    int pages = 0;    // label pages the print job puts on paper
    int sheets = 0;   // sheets of paper the print job takes
};

struct JobStep {
    std::string name;
    double seconds;
};

enum JobStatus { JOB_DONE = 0, JOB_STOPPED = 1, JOB_BAD_INPUT = 2 };

struct JobResult {
    JobStatus status = JOB_STOPPED;
    std::string message;               // why the job did not finish
    std::vector<JobStep> steps;        // the time of each step
    std::vector<std::string> written;  // Unix paths, in the order written
    JobCounts counts;
    std::string bodyPath, pdfPath, picturePath;  // Unix paths
};

// Checks the options against the files they name; the message says what
// is wrong. Nothing has started yet when this fails.
bool CheckJobOptions(const JobOptions& options, std::string* message);

// The whole job. Every wait is bounded; the program never outlives it.
JobResult RunLabelJob(const JobOptions& options);

// The one line the job ends with.
std::string SummaryLine(const JobOptions& options, const JobResult& result);

// An output file: the stem is the edition ("Kestrin.KSB", "Kestrin.pdf")
// or, with diskNames, the disk's (disk_file_names.h).
std::string OutputPath(const JobOptions& options, const std::string& stem, const std::string& extension);
