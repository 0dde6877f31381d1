#include "document/insert_picture.h"

#include <cstdlib>
#include <cstring>

#include "document/program_settings.h"
#include "document/object_list.h"
#include "document/picture_loader.h"
#include "base/report.h"

// The folder is the program setting itself: callers hand its field in.
static_assert(sizeof(ProgramSettings::ImagePath) == kImagePathSize, "ImagePath is the picture folder");

bool InsertPictureFile(ZIPINFO* label, const char* path, const PlacementContext& context,
                       char (&imageFolder)[kImagePathSize]) {
    RememberImageFolder(path, imageFolder);
    auto* object = static_cast<PlacedObject*>(std::calloc(1, sizeof(PlacedObject)));
    bool placed = object && LoadPicture(path, object);
    if (placed) {
        object->rec.Layer = LAYER_ABOVE;
        object->rec.Page = context.currentPage;
        ClearObjectSelection(label);
        placed = InsertObjectAtHead(label, *object);
        if (!placed) FreeObjectData(object);
    }
    std::free(object);
    if (!placed) {
        ReportError("Image Load Failure...", "Couldn't load the image.\nFile may be corrupted, or extension incorrect.");
        return false;
    }
    SelectListObject(label, 0);
    CenterHorizontally(&label->Objects[0].rec, context);
    CenterVertically(&label->Objects[0].rec, context);
    return true;
}

void RememberImageFolder(const char* chosenPath, char (&imageFolder)[kImagePathSize]) {
    const char* slash = std::strrchr(chosenPath, '\\');
    size_t length = slash ? static_cast<size_t>(slash - chosenPath) + 1 : 0;
    if (length >= sizeof imageFolder) length = sizeof imageFolder - 1;
    std::memcpy(imageFolder, chosenPath, length);
    imageFolder[length] = 0;
}
