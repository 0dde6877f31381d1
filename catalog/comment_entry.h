// The Comment Entry dialog's rules: the line OK stores (which the sample
// shows exactly), the macros its buttons insert at the caret, and the
// default comments.
#pragma once
#include <string>

// The label record's comment holds 255 characters.
constexpr int kCommentChars = 255;

// What OK stores: the text's first line.
std::string StoredCommentLine(const std::string& text);

// The macro buttons, in the order of their controls.
enum CommentMacro {
    MACRO_SHORT_DATE = 0,
    MACRO_LONG_DATE,
    MACRO_FILES,
    MACRO_SPACE_USED,
    MACRO_SPACE_FREE,
    MACRO_PCT_FREE,
    MACRO_PCT_USED,
    MACRO_FOLDERS,
    MACRO_COUNT
};
const char* MacroText(CommentMacro macro);

// Whether the macro fits whole when it replaces the selection [start, end)
// of a text of `length` characters: the edit would cut it to a text that
// is no macro.
bool MacroFits(int length, int start, int end, CommentMacro macro);

// "&Default" and Dovantel's "Default &Data": the data comment (a new
// label's too); Dovantel's "Default &Audio": the track-list comment.
constexpr const char* kDefaultComment = "%spacefree% free, %spaceused% used  (%shortdate%)";
constexpr const char* kAudioComment = "%folders% Tracks (%files% min)";
