#include "render/layout_cache.h"

#include <cstdlib>
#include <cstring>

void FreeLayoutCache(LayoutCache* cache) {
    std::free(cache->entry);
    std::free(cache->depth);
    std::free(cache->ancestorMask);
    std::free(cache->nameLength);
    std::free(cache->extStyle);
    std::memset(cache, 0, sizeof *cache);
}
