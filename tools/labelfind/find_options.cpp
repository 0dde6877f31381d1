#include "tools/labelfind/find_options.h"

const char kFindUsage[] =
    "usage: labelfind [--path] [--comment] [--files|--folders] [--min-size N] [--max-size N]\n"
    "                 [--json|--csv|--count] [--codepage N] PATTERN [PATH...]\n";

const char kFindHelp[] =
    "Finds catalog entries in saved label bodies (.KSB, .DVB, .WMB; folders are\n"
    "searched recursively, the current folder when no PATH is given).\n"
    "PATTERN: '*' any run of characters, '?' one; letters in either case.\n"
    "  --path          match the path inside the disk (Reports\\2026\\x.txt; / or \\)\n"
    "  --comment       match the entry comments too\n"
    "  --files         files only;  --folders  folders only\n"
    "  --min-size N    at least N bytes;  --max-size N  at most N (K, M: of 1024)\n"
    "  --json          one JSON object a match;  --csv  CSV with a header;\n"
    "  --count         the number of matches of each label file\n"
    "  --codepage N    the code page of the names in the bodies\n"
    "Exit status: 0 something matched, 1 nothing did, 2 an error.\n";

namespace {

bool ParseCount(const std::string& text, int* value) {
    if (text.empty() || text.size() > 5) return false;
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    *value = v;
    return v > 0;
}

bool SetFormat(FindFormat format, FindOptions* o, std::string* error) {
    if (o->format != FORMAT_TEXT && o->format != format) {
        *error = "choose one of --json, --csv and --count";
        return false;
    }
    o->format = format;
    return true;
}

}  // namespace

bool ParseSize(const std::string& text, int64_t* bytes) {
    size_t digits = 0;
    int64_t v = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        if (v > (int64_t(1) << 40)) return false;  // far beyond any stored size
        v = v * 10 + (text[digits++] - '0');
    }
    if (digits == 0 || text.size() > digits + 1) return false;
    if (digits < text.size()) {
        char unit = text[digits];
        if (unit == 'K' || unit == 'k')
            v <<= 10;
        else if (unit == 'M' || unit == 'm')
            v <<= 20;
        else
            return false;
    }
    *bytes = v;
    return true;
}

bool ParseFindOptions(const std::vector<std::string>& args, FindOptions* o, std::string* error) {
    std::vector<std::string> operands;
    bool optionsEnd = false;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string a = args[i];
        if (optionsEnd || a.size() < 2 || a[0] != '-') {
            operands.push_back(a);
            continue;
        }
        if (a == "--") {
            optionsEnd = true;
            continue;
        }
        // "--name=value" as well as "--name value".
        std::string value;
        bool inlineValue = false;
        size_t equals = a.find('=');
        if (a.compare(0, 2, "--") == 0 && equals != std::string::npos) {
            value = a.substr(equals + 1);
            a.erase(equals);
            inlineValue = true;
        }
        bool takesValue = a == "--codepage" || a == "--min-size" || a == "--max-size";
        if (takesValue && !inlineValue) {
            if (i + 1 == args.size()) {
                *error = a + " needs a value";
                return false;
            }
            value = args[++i];
        } else if (!takesValue && inlineValue) {
            *error = a + " takes no value";
            return false;
        }
        if (a == "--path") {
            o->wholePath = true;
        } else if (a == "--comment") {
            o->comments = true;
        } else if (a == "--files") {
            o->files = true;
        } else if (a == "--folders") {
            o->folders = true;
        } else if (a == "--json" || a == "--csv" || a == "--count") {
            if (!SetFormat(a == "--json" ? FORMAT_JSON : a == "--csv" ? FORMAT_CSV : FORMAT_COUNT, o, error))
                return false;
        } else if (a == "--help" || a == "-h") {
            o->help = true;
        } else if (a == "--codepage") {
            if (!ParseCount(value, &o->codePage)) {
                *error = "--codepage takes a code page number, not \"" + value + "\"";
                return false;
            }
        } else if (a == "--min-size" || a == "--max-size") {
            if (!ParseSize(value, a == "--min-size" ? &o->minSize : &o->maxSize)) {
                *error = a + " takes a number of bytes (K and M of 1024 allowed), not \"" + value + "\"";
                return false;
            }
        } else {
            *error = "unknown option " + a;
            return false;
        }
    }
    if (o->help) return true;
    if (operands.empty()) {
        *error = "no PATTERN";
        return false;
    }
    o->pattern = operands[0];
    o->paths.assign(operands.begin() + 1, operands.end());
    return true;
}
