// The audio CD reader (Dovantel): asks the CD audio device through MCI
// command strings whether the drive holds an audio CD and, if so, fills the
// label with one entry per track ("Track 1" and its playing time), the track
// count as NumFolders and the whole minutes of the disc as NumFiles.
//
// Device replies are read strictly: a track count that is not a number or
// is negative makes the reader answer 0 with the label untouched (the drive
// is then scanned as a file system); a count above 99 (the most a CD holds)
// is cut to 99; a disc or track length that is not "m:s:f" leaves 0 minutes
// or an empty time. No value that was not read reaches the catalog.
#pragma once
#include "record/zipinfo.h"

// Every command goes through this seam: the Win32 glue calls mciSendString,
// tests answer the command strings.
struct AudioCdHooks {
    // The MCI error code (0 for success); the reply is written to reply
    // (at most replySize characters including the NUL).
    int (*send)(const char* command, char* reply, int replySize);
    // Whether the drive's root holds any file, asked with the system's
    // critical-error and file-error boxes suppressed.
    bool (*driveHasFiles)(char drive);
};

// Null restores the default: no CD device (every command fails).
void SetAudioCdHooks(const AudioCdHooks* hooks);

constexpr int kMaxAudioTracks = 99;

// 1 when the drive held an audio CD and the label was filled, 0 otherwise
// (the label is then untouched).
int ReadAudioCD(char drive, ZIPINFO* label);
