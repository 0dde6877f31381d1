#include "document/insert_picture.h"

#include <cstdlib>
#include <cstring>

#include "document/program_settings.h"
#include "document/object_list.h"
#include "document/picture_loader.h"
#include "base/report.h"

bool InsertPictureFile(ZIPINFO* label, const char* path, const PlacementContext& context) {
    RememberImageFolder(path);
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

char (&g_imagePath)[kImagePathSize] = g_settings.ImagePath;

void RememberImageFolder(const char* chosenPath) {
    const char* slash = std::strrchr(chosenPath, '\\');
    size_t length = slash ? static_cast<size_t>(slash - chosenPath) + 1 : 0;
    if (length >= sizeof g_imagePath) length = sizeof g_imagePath - 1;
    std::memcpy(g_imagePath, chosenPath, length);
    g_imagePath[length] = 0;
}
