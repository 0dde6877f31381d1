// Template files: a label's design without its catalog (which folders are
// shown open, the placed strings, the pictures by file name, the look),
// written in text mode. A template is parsed whole first and applied only
// when it is sound, so a damaged one changes nothing.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "document/body_file.h"
#include "editions/profile.h"
#include "record/zipinfo.h"

// Templates beyond this size are refused unread.
constexpr size_t kMaxTemplateBytes = size_t(16) << 20;

struct TemplateFolder {
    std::string name;  // compared with the catalog's names without regard to case
    int open;
    std::vector<TemplateFolder> children;
};

struct TemplateObject {
    ObjectRecord rec;       // a picture holds only its file name, no bitmap
    bool atNaturalSize;     // version 16: the picture's own size at (Left, Top)
};

struct LabelTemplate {
    int version = 0;
    std::string versionLine;  // the first line as read
    std::vector<TemplateFolder> folders;
    std::vector<TemplateObject> objects;
    ZIPINFO look{};           // look fields and extension styles (owned)
};

// The format version of a first line, "<edition> - Version <number>":
// 4.0 is 40; 1.6, 1.7, 1.8, 2.0, 2.5 and 3.0 are 16, 17, 18, 20, 25 and
// 30; 0 for anything else.
int TemplateVersionCode(const EditionProfile& edition, const std::string& line);

// Parses the file's bytes as written in text mode (CR LF or LF line ends).
LabelFileStatus ParseTemplate(const char* data, size_t size, const EditionProfile& edition, LabelTemplate* out);

// Frees the template's extension styles.
void FreeTemplate(LabelTemplate* t);

// Loads a picture file into an object (LoadPicture outside tests).
using PictureLoader = bool (*)(const char* path, PlacedObject* object);

// Applies a parsed template to the label: open flags of the folders it
// names, its objects in place of the label's (pictures loaded through the
// loader, placed on the template's rectangle; one that is not a plain file
// or does not load is dropped), and its look, but never the label's
// comment, space figures, counts or dates. The catalog is sorted by the
// new sort order; the layout cache is invalid after. The template's
// extension styles move to the label. False (label unchanged) only when
// memory runs out.
bool ApplyTemplate(LabelTemplate* t, ZIPINFO* label, PictureLoader load);

// The label's template as a text-mode file. False when its catalog nests
// deeper than a reader takes.
bool WriteTemplate(const ZIPINFO& label, const EditionProfile& edition, std::string* out);
