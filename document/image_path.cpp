#include "document/image_path.h"

#include <cstring>

#include "catalog/text_field.h"

#include "document/program_settings.h"

char (&g_imagePath)[kImagePathSize] = g_settings.ImagePath;

void RememberImageFolder(const char* chosenPath) {
    const char* slash = std::strrchr(chosenPath, '\\');
    size_t length = slash ? static_cast<size_t>(slash - chosenPath) + 1 : 0;
    if (length >= sizeof g_imagePath) length = sizeof g_imagePath - 1;
    std::memcpy(g_imagePath, chosenPath, length);
    g_imagePath[length] = 0;
}
