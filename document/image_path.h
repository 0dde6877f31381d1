// "ImagePath": the folder "Select Image File..." starts in, which becomes
// the folder of the last picture chosen. It is the program setting of the
// same name, loaded and saved with the others.
#pragma once

constexpr int kImagePathSize = 511;  // at most 510 characters
extern char (&g_imagePath)[kImagePathSize];

// The chosen path up to and including its last backslash; empty when it
// has none.
void RememberImageFolder(const char* chosenPath);
