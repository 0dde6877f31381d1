#include "document/text_entry.h"

#include "base/text_field.h"

void TakeStringText(const std::string& edited, ObjectRecord* rec) {
    std::string text = edited.substr(0, kStringTextSize - 1);
    while (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0) text.resize(text.size() - 2);
    size_t start = 0;
    while (text.compare(start, 2, "\r\n") == 0) start += 2;
    text.erase(0, start);
    CopyField(rec->Text, text.empty() ? " " : text.c_str());
}

StringControls StringControlsOf(const ObjectRecord& rec) {
    StringControls c;
    c.orientation = rec.Orientation == 90 ? 1 : rec.Orientation == 180 ? 2 : rec.Orientation == 270 ? 3 : 0;
    c.hAlign = rec.HAlign >= 0 && rec.HAlign <= 2 ? rec.HAlign : 1;
    c.vAlign = rec.VAlign >= 0 && rec.VAlign <= 2 ? rec.VAlign : 1;
    c.autoSize = rec.AutoSize != 0;
    return c;
}

void TakeStringControls(const StringControls& controls, ObjectRecord* rec) {
    rec->Orientation = controls.orientation >= 0 && controls.orientation <= 3 ? controls.orientation * 90 : 0;
    rec->HAlign = controls.hAlign >= 0 && controls.hAlign <= 2 ? controls.hAlign : 1;
    rec->VAlign = controls.vAlign >= 0 && controls.vAlign <= 2 ? controls.vAlign : 1;
    rec->AutoSize = controls.autoSize ? 1 : 0;
}

void SetStringDefaults(const ZIPINFO& label, ObjectRecord* rec) {
    rec->Font = label.SpineFont;
    rec->TextColor = label.SpineFontColor;
    rec->BackColor = MakeColor(255, 255, 255);
    rec->Orientation = 0;
    rec->Filled = 1;
    rec->AutoSize = 1;
    rec->HAlign = 1;
    rec->VAlign = 1;
}

std::string SpineDialogCaption(const char* format, const char* editionName, int labelNumber) {
    // The caption comes from the resources: its two "%s" are filled here
    // rather than handed to a formatting function.
    std::string parts[2] = {editionName, labelNumber != 0 ? std::to_string(labelNumber) : std::string()};
    std::string caption;
    int used = 0;
    for (const char* p = format; *p; ++p) {
        if (p[0] == '%' && p[1] == 's' && used < 2) {
            caption += parts[used++];
            ++p;
        } else {
            caption += *p;
        }
    }
    return caption;
}

std::string FirstLineCut(const std::string& text, int limit) {
    return text.substr(0, text.find_first_of("\r\n")).substr(0, static_cast<size_t>(limit));
}

void TakeInitials(const std::string& initials, const std::string* number, ProgramSettings* settings) {
    CopyField(settings->Initials, initials.c_str());
    if (number) CopyField(settings->Number, number->c_str());
}
