#include "catalog/audio_cd.h"

#include <cstdio>
#include <cstring>

#include "catalog/catalog_ops.h"
#include "catalog/dates.h"
#include "base/text_field.h"

namespace {

int NoDevice(const char*, char* reply, int replySize) {
    if (replySize > 0) reply[0] = '\0';
    return 263;  // no such device
}
bool NoFiles(char) { return false; }

const AudioCdHooks kNoHooks = {NoDevice, NoFiles};
const AudioCdHooks* g_hooks = &kNoHooks;

constexpr int kNoElementAllowed = 301;
constexpr int kReplyChars = 255;

struct Reply {
    char text[kReplyChars + 1];
};

int Send(const char* command, Reply* reply) {
    std::memset(reply->text, 0, sizeof reply->text);
    int error = g_hooks->send(command, reply->text, kReplyChars);
    reply->text[kReplyChars] = '\0';
    return error;
}

// A whole non-negative number of at most 9 digits at *p; advances *p.
bool ReadNumber(const char** p, long* value) {
    const char* s = *p;
    long v = 0;
    int digits = 0;
    while (*s >= '0' && *s <= '9') {
        if (++digits > 9) return false;
        v = v * 10 + (*s - '0');
        ++s;
    }
    if (digits == 0) return false;
    *value = v;
    *p = s;
    return true;
}

const char* SkipBlanks(const char* s) {
    while (*s == ' ' || *s == '\t') ++s;
    return s;
}

// The whole reply as one number; a sign is read so that a negative count
// can be refused rather than misread.
bool ReadCount(const char* text, long* value) {
    const char* s = SkipBlanks(text);
    bool negative = *s == '-';
    if (negative) ++s;
    if (!ReadNumber(&s, value)) return false;
    if (negative) *value = -*value;
    return *SkipBlanks(s) == '\0';
}

// The whole reply as minutes:seconds:frames of the msf time format.
bool ReadLength(const char* text, long* minutes, long* seconds) {
    const char* s = SkipBlanks(text);
    long frames = 0;
    if (!ReadNumber(&s, minutes) || *s++ != ':' || !ReadNumber(&s, seconds) || *s++ != ':' ||
        !ReadNumber(&s, &frames))
        return false;
    return *SkipBlanks(s) == '\0' && *seconds < 60 && frames < 75;
}

void TrackName(int track, int tracks, char (&name)[64]) {
    const char* format = tracks < 10 ? "Track %1d" : (tracks < 100 ? "Track %2d" : "Track %3d");
    std::snprintf(name, sizeof name, format, track);
}

}  // namespace

void SetAudioCdHooks(const AudioCdHooks* hooks) { g_hooks = hooks ? hooks : &kNoHooks; }

int ReadAudioCD(char drive, ZIPINFO* label) {
    Reply reply;
    char command[64];
    std::snprintf(command, sizeof command, "open cdaudio!%c: alias musiccd", drive);
    int error = Send(command, &reply);
    if (error == kNoElementAllowed) {
        // The driver takes no drive element: only the default CD drive can
        // be asked, and only when this drive shows no files of a data disc.
        if (g_hooks->driveHasFiles(drive)) return 0;
        if (Send("open cdaudio alias musiccd", &reply) != 0) return 0;
    }
    if (Send("status musiccd type track 1", &reply) != 0 || std::strcmp(reply.text, "audio") != 0) {
        Send("close musiccd", &reply);
        return 0;
    }

    Send("set musiccd time format msf", &reply);
    long tracks = 0;
    if (Send("status musiccd number of tracks", &reply) != 0 || !ReadCount(reply.text, &tracks) || tracks < 0) {
        Send("close musiccd", &reply);
        return 0;
    }
    if (tracks > kMaxAudioTracks) tracks = kMaxAudioTracks;

    // An audio CD: its track list replaces the catalog.
    FreeCatalog(label);
    CopyField(label->VolumeName, "Audio CD");
    TodayDates(label->ShortDate, 64, label->LongDate, 64);

    long minutes = 0;
    long seconds = 0;
    if (Send("status musiccd length", &reply) != 0 || !ReadLength(reply.text, &minutes, &seconds)) minutes = 0;
    label->SpaceUsed = 0;
    label->SpaceFree = 0;
    label->SpaceTotal = 0;
    label->NumFiles = static_cast<int32_t>(minutes);
    label->NumFolders = static_cast<int32_t>(tracks);

    int n = static_cast<int>(tracks);
    label->Entries = NewEntries(n, kFirstArrayFailure);
    label->NumEntries = n;
    for (int i = 1; i <= n; ++i) {
        CatalogEntry& e = label->Entries[i - 1];
        TrackName(i, n, e.Name);
        std::snprintf(command, sizeof command, "status musiccd length track %d", i);
        if (Send(command, &reply) == 0 && ReadLength(reply.text, &minutes, &seconds))
            std::snprintf(e.EntryComment, sizeof e.EntryComment, "%ld:%02ld", minutes, seconds);
    }

    Send("close musiccd", &reply);
    InvalidateLayout(label);
    return 1;
}
