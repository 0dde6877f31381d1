// Fuzzes the template reader. An accepted template is applied to a label
// with a catalog (pictures named "ok..." load as a 2 x 2 picture, others
// are missing), written, parsed and applied again, and must write the same
// bytes; then the label goes through what the program does with it.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "document/template_file.h"
#include "tests/fuzz/label_fuzz_common.h"
#include "tests/support/label_file_builder.h"

namespace {

bool FakeLoad(const char* path, PlacedObject* object) {
    return std::strncmp(path, "ok", 2) == 0 && fixture::LoadTinyPicture(path, object);
}

// A label with the fixtures' catalog.
void BaseLabel(ZIPINFO* label) {
    std::memset(label, 0, sizeof *label);
    std::string body = fixture::Body(41);
    if (ReadBody(body.data(), body.size(), label) != FILE_OK) std::abort();
}

// Parses and applies; false when the bytes are refused.
bool Apply(const char* data, size_t size, ZIPINFO* label) {
    LabelTemplate t;
    if (ParseTemplate(data, size, kKestrinProfile, &t) != FILE_OK) return false;
    if (!ApplyTemplate(&t, label, FakeLoad)) std::abort();
    FreeTemplate(&t);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ZIPINFO label, again;
    BaseLabel(&label);
    if (!Apply(reinterpret_cast<const char*>(data), size, &label)) {
        FreeScratchLabel(&label);
        return 0;
    }
    std::string first, second;
    BaseLabel(&again);
    if (!WriteTemplate(label, kKestrinProfile, &first) || !Apply(first.data(), first.size(), &again) ||
        !WriteTemplate(again, kKestrinProfile, &second) || first != second)
        std::abort();
    fuzz_label::UseLabel(&again);
    FreeScratchLabel(&label);
    FreeScratchLabel(&again);
    return 0;
}
