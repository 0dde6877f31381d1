// labeljob: an edition's main job, run on the real program (see
// label_job.h). scripts/run starts it in the job's own Wine prefix:
//   labeljob EDITION [--disk FOLDER] [--levels 0|1|2|3|4|all] [--archives]
//            [--out FOLDER [--disk-names]] [--force] [--settings INI] [-label FILE]
// --disk-names names the outputs after the disk instead of the edition.
// Exit status: 0 done, 1 the run stopped (the reason on stderr), 2 bad
// input (nothing started).

#include <cstdio>
#include <string>
#include <vector>

#include "base/win32/command_line_win32.h"
#include "tools/labeljob/job_files.h"
#include "tools/labeljob/label_job.h"

namespace {

const char kUsage[] =
    "usage: labeljob EDITION [--disk FOLDER] [--levels 0|1|2|3|4|all] [--archives]\n"
    "                [--out FOLDER [--disk-names]] [--force] [--settings INI] [-label FILE]\n";

bool Parse(const std::vector<std::string>& args, JobOptions* o, std::string* error) {
    size_t i = 0;
    if (i < args.size() && args[i][0] != '-') o->edition = args[i++];
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool hasValue = i + 1 < args.size();
        if (a == "--archives") {
            o->archives = true;
        } else if (a == "--force") {
            o->force = true;
        } else if (a == "--disk-names") {
            o->diskNames = true;
        } else if ((a == "--disk" || a == "--levels" || a == "--out" || a == "--settings" || a == "-label") &&
                   hasValue) {
            std::string& field = a == "--disk" ? o->disk : a == "--levels" ? o->levels : a == "--out" ? o->outDir
                                 : a == "--settings" ? o->settings : o->labelFile;
            field = args[++i];
        } else {
            *error = "labeljob: what is \"" + a + "\"?";
            return false;
        }
    }
    if (o->outDir.empty()) {
        *error = "labeljob: --out FOLDER is needed";
        return false;
    }
    if (o->disk.empty() == o->labelFile.empty()) {
        *error = "labeljob: either --disk FOLDER or -label FILE";
        return false;
    }
    return true;
}

}  // namespace

int main() {
    JobOptions options;
    std::string error;
    if (!Parse(CommandLineUtf8(), &options, &error)) {
        std::fprintf(stderr, "%s\n%s", error.c_str(), kUsage);
        return JOB_BAD_INPUT;
    }
    JobResult result = RunLabelJob(options);
    if (!result.message.empty()) std::fprintf(stderr, "labeljob: %s\n", result.message.c_str());
    if (result.status != JOB_BAD_INPUT) std::printf("%s\n", SummaryLine(options, result).c_str());
    std::fflush(stdout);
    return result.status;
}
