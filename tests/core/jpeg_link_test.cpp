// The JPEG library links into both builds and its decompressor can be made.
#include <gtest/gtest.h>

#include <cstdio>

extern "C" {
#include <jpeglib.h>
}

// The IJG API of version 6b or later: what the decoder is written against.
static_assert(JPEG_LIB_VERSION >= 62, "libjpeg 6b or later");

namespace {

TEST(JpegLibrary, DecompressorCanBeCreatedAndDestroyed) {
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    EXPECT_EQ(info.global_state, 200);  // DSTATE_START: ready for a source
    jpeg_destroy_decompress(&info);
}

}  // namespace
