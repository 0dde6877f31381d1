// The texts the scanner writes into catalog entries.
#pragma once
#include <cstdint>

#include "record/zipinfo.h"

// A file's size: "%d" below 1024 bytes, "%dK" below 1048576, else "%0.1fM".
void SizeText(uint32_t size, char (&comment)[16]);

// An all-capital name (no lower-case letter) made readable: the first
// character stays, the rest up to the first '.' becomes lower case; after
// that '.', the first character stays and the rest becomes lower case.
// AUTOEXEC.BAT -> Autoexec.Bat; names with a lower-case letter stay.
void SoftenName(char* name);

// The folder summaries: "%d" entries below (mode 1), or the total size as
// "%01dK" up to 1024K and "%1.1fM" above (mode 2).
void SummaryCountText(uint64_t entries, char (&comment)[16]);
void SummarySizeText(uint64_t bytes, char (&comment)[16]);

// The playing time of an audio track file from its 44 bytes: the frame
// count at offset 32 (24 bits) at 75 frames a second, as "% 2d:%02d".
void TrackFileTimeText(const unsigned char (&data)[44], char (&comment)[16]);
