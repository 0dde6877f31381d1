#include "catalog/listing.h"

#include <cstring>

namespace {
void* NoFirst(const char*, ListingRecord*) { return nullptr; }
int NoNext(void*, ListingRecord*) { return 0; }
void NoClose(void*) {}

const ListingSource kNoListing = {NoFirst, NoNext, NoClose};
const ListingSource* g_system = &kNoListing;
}  // namespace

void SetSystemListing(const ListingSource* source) { g_system = source ? source : &kNoListing; }
const ListingSource& SystemListing() { return *g_system; }

const char* OpeningName(const ListingRecord& record) {
    bool lacking = std::memchr(record.Name, '?', strnlen(record.Name, sizeof record.Name)) != nullptr;
    return lacking && record.ShortName[0] ? record.ShortName : record.Name;
}
