// The eight text macros of a label comment, expanded when the comment is
// drawn or previewed: "%shortdate%", "%longdate%", "%spacefree%",
// "%spaceused%", "%files%", "%folders%", "%pctfree%", "%pctused%", matched
// with their exact case; any other text, "%%" too, is copied unchanged.
#pragma once
#include <cstddef>

#include "record/zipinfo.h"

// Room for the longest expansion of a 255-character comment (25 times
// "%longdate%" of 63 characters and 5 more: 1580) with margin; every value
// a macro prints, 64-bit space figures included, is shorter than that ratio.
constexpr size_t kExpandedCommentSize = 2048;

// The label's Comment with every macro replaced by the label's facts.
void ExpandMacros(const ZIPINFO* label, char (&out)[kExpandedCommentSize]);

// The same for a comment not yet stored in the label (at most its first 255
// characters are read); the output is cut to outSize - 1 characters.
void ExpandMacroText(const ZIPINFO* facts, const char* text, char* out, size_t outSize);
