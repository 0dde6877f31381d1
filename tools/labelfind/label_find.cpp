#include "tools/labelfind/label_find.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "base/text_compare.h"
#include "catalog/catalog_ops.h"
#include "document/body_file.h"
#include "document/look_section.h"
#include "tools/labelfind/platform.h"
#include "tools/labelfind/entry_match.h"
#include "tools/labelfind/find_options.h"
#include "tools/labelfind/match_output.h"

namespace {

class Search {
  public:
    Search(const FindOptions& options, const EntryFilter& filter, const FindSinks& sinks)
        : o_(options), filter_(filter), sinks_(sinks) {}

    // A path named on the command line: a folder is walked (a link to one
    // too), anything else is read as a body whatever its name.
    void Named(const std::string& path, const std::string& label) {
        PathKind kind = PATH_OTHER;
        std::string error;
        if (!KindOfPath(path, &kind, &error)) return Failed(label, error);
        if (kind == PATH_FOLDER)
            Folder(path, label);
        else
            Body(path, label);
    }

    bool matched() const { return matched_; }
    void Finish() { Flush(); }
    bool failed() const { return failed_; }

  private:
    // The matches go out in large pieces; everything printed so far goes
    // before a message, so that it stands where it arose.
    void Flush() {
        if (!pending_.empty()) sinks_.out(pending_);
        pending_.clear();
    }

    void Failed(const std::string& label, const std::string& reason) {
        Flush();
        sinks_.err(ForConsole("labelfind: " + (label.empty() ? "." : label) + ": " + reason + "\n"));
        failed_ = true;
    }

    static std::string Join(const std::string& folder, const std::string& name) {
        if (folder.empty()) return name;
        char last = folder.back();
        return last == '/' || last == PathSeparator() ? folder + name : folder + PathSeparator() + name;
    }

    // Bodies in the folder and below, in name order. Links to folders are
    // not followed, so that no link leads the walk round in a loop; a link
    // to a file is read.
    void Folder(const std::string& folder, const std::string& label) {
        std::vector<FolderEntry> entries;
        std::string error;
        if (!ListFolder(folder, &entries, &error)) return Failed(label, error);
        std::sort(entries.begin(), entries.end(),
                  [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
        for (const FolderEntry& entry : entries) {
            std::string path = Join(folder, entry.name);
            if (entry.kind == PATH_FOLDER && !entry.link)
                Folder(path, Join(label, entry.name));
            else if (entry.kind == PATH_FILE && IsBodyFileName(entry.name))
                Body(path, Join(label, entry.name));
        }
    }

    bool ReadFile(const std::string& path, const std::string& label) {
        std::FILE* file = OpenForReading(path);
        if (!file) {
            Failed(label, std::strerror(errno));
            return false;
        }
        // One buffer for every body, read into directly: the memory a run
        // takes is that of its largest body.
        used_ = 0;
        bool tooLarge = false;
        for (;;) {
            if (bytes_.size() - used_ < (1 << 16)) bytes_.resize(bytes_.size() * 2 + (1 << 16));
            size_t got = std::fread(bytes_.data() + used_, 1, bytes_.size() - used_, file);
            if (got == 0) break;
            used_ += got;
            if (used_ > kMaxBodyBytes) {
                tooLarge = true;
                break;
            }
        }
        bool readError = std::ferror(file) != 0;
        int error = errno;
        std::fclose(file);
        if (tooLarge) Failed(label, "larger than any label body");
        if (readError) Failed(label, std::strerror(error));
        return !tooLarge && !readError;
    }

    void Body(const std::string& path, const std::string& label) {
        if (!ReadFile(path, label)) return;
        ZIPINFO body;
        std::memset(&body, 0, sizeof body);
        LabelFileStatus status = ReadBody(bytes_.data(), used_, &body);
        if (status != FILE_OK) {
            Failed(label, status == FILE_BAD_VERSION ? "not a label body (no version line the programs read)"
                          : status == FILE_NO_MEMORY ? "not enough memory to read it"
                                                     : "damaged or cut short");
            return;
        }
        found_ = FoundEntry();
        found_.label = label;
        NameToUtf8(FieldText(body.VolumeName, sizeof body.VolumeName), &found_.volume);
        // Older bodies store no date: the reader gave them today's.
        found_.dated = BodyFileVersion(bytes_.data(), used_) >= kFirstDatedVersion;
        if (found_.dated) NameToUtf8(FieldText(body.ShortDate, sizeof body.ShortDate), &found_.date);
        count_ = 0;
        std::string inside;
        List(body, &inside);
        if (o_.format == FORMAT_COUNT) pending_ += ForConsole(label + ":" + std::to_string(count_) + "\n");
        if (count_ > 0) matched_ = true;
        FreeScratchLabel(&body);
    }

    // path: the list's own path inside the disk. An entry's path is made
    // only where it is needed (matched by path, printed, or a folder to go
    // into): most entries are files that do not match.
    void List(const ZIPINFO& list, std::string* path) {
        for (int i = 0; i < list.NumEntries && list.Entries; ++i) {
            const CatalogEntry& e = list.Entries[i];
            std::string_view name = EntryName(e);
            size_t mark = path->size();
            bool joined = false;
            auto join = [&] {
                if (joined) return;
                if (mark) *path += '\\';
                path->append(name.data(), name.size());
                joined = true;
            };
            if (filter_.wholePath) join();
            if (EntryMatches(filter_, e, name, *path)) {
                join();
                Print(e, name, *path);
            }
            if (e.HasSubtree && e.Child) {
                join();
                List(*e.Child, path);
            }
            path->resize(mark);
        }
    }

    void Print(const CatalogEntry& e, std::string_view name, const std::string& path) {
        ++count_;
        if (o_.format == FORMAT_COUNT) return;
        // The fields keep their memory from match to match.
        for (std::string* field : {&found_.path, &found_.name, &found_.comment, &line_}) field->clear();
        NameToUtf8(path, &found_.path);
        found_.size = e.Size;
        found_.folder = ShownAsFolder(e);
        // The readable line shows the path alone.
        if (o_.format != FORMAT_TEXT) {
            NameToUtf8(name, &found_.name);
            NameToUtf8(FieldText(e.EntryComment, sizeof e.EntryComment), &found_.comment);
        }
        if (o_.format == FORMAT_JSON) {
            PutJsonLine(found_, &pending_);
        } else if (o_.format == FORMAT_CSV) {
            PutCsvLine(found_, &pending_);
        } else if (consoleConverts_) {
            PutTextLine(found_, &line_);
            pending_ += ForConsole(line_);
        } else {
            PutTextLine(found_, &pending_);
        }
        if (pending_.size() >= (1 << 16)) Flush();
    }

    const FindOptions& o_;
    const EntryFilter& filter_;
    const FindSinks& sinks_;
    std::vector<char> bytes_;
    size_t used_ = 0;
    FoundEntry found_;
    std::string line_;
    std::string pending_;
    // Whether readable text needs converting for the console at all.
    bool consoleConverts_ = ForConsole("\xC3\xA9") != "\xC3\xA9";
    long count_ = 0;
    bool matched_ = false;
    bool failed_ = false;
};

}  // namespace

bool IsBodyFileName(std::string_view name) {
    if (name.size() < 4 || name[name.size() - 4] != '.') return false;
    std::string extension(name.substr(name.size() - 3));
    for (const char* known : {"ksb", "dvb", "wmb"})
        if (CompareNoCase(extension.c_str(), known) == 0) return true;
    return false;
}

FindStatus RunLabelFind(const std::vector<std::string>& args, const FindSinks& sinks) {
    FindOptions options;
    std::string error;
    auto bad = [&](const std::string& why) {
        sinks.err(ForConsole("labelfind: " + why + "\n" + kFindUsage));
        return FIND_ERROR;
    };
    if (!ParseFindOptions(args, &options, &error)) return bad(error);
    if (options.help) {
        sinks.out(ForConsole(std::string(kFindUsage) + kFindHelp));
        return FIND_MATCHED;
    }
    if (!SelectCodePage(options.codePage ? options.codePage : DefaultCodePage(), &error)) return bad(error);
    EntryFilter filter;
    std::string pattern = options.pattern;
    if (options.wholePath) {
        // Paths inside a disk start at its root and part with '\'.
        std::replace(pattern.begin(), pattern.end(), '/', '\\');
        size_t start = pattern.find_first_not_of('\\');
        pattern.erase(0, start == std::string::npos ? pattern.size() : start);
    }
    std::string namePattern;
    if (!Utf8ToName(pattern, &namePattern))
        return bad("the pattern holds characters that code page " +
                   std::to_string(options.codePage ? options.codePage : DefaultCodePage()) + " has no letters for");
    filter.pattern = MakeWildcard(namePattern);
    filter.wholePath = options.wholePath;
    filter.comments = options.comments;
    if (options.files || options.folders) {
        filter.files = options.files;
        filter.folders = options.folders;
    }
    filter.minSize = options.minSize;
    filter.maxSize = options.maxSize;
    if (options.format == FORMAT_JSON || options.format == FORMAT_CSV) UseBinaryOutput();
    if (options.format == FORMAT_CSV) sinks.out(kCsvHeader);
    Search search(options, filter, sinks);
    if (options.paths.empty()) {
        // The current folder, its bodies named as grep -r names them.
        search.Named(".", "");
    } else {
        for (const std::string& path : options.paths) search.Named(path, path);
    }
    search.Finish();
    if (search.failed()) return FIND_ERROR;
    return search.matched() ? FIND_MATCHED : FIND_NONE;
}
