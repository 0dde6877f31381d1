// The JPEG side of the picture loader. libjpeg reports a fatal error by
// calling its error handler, which must not return; ours jumps back to the
// decoder. Only libjpeg's own C frames lie between, and the decoder's frame
// owns nothing with a destructor: everything it holds is freed by hand.
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" {
#include <jpeglib.h>
#include <jerror.h>
}

#include "base/little_endian.h"
#include "document/picture_loader.h"
#include "record/packed_bitmap.h"

namespace {

struct LoaderErrors {
    jpeg_error_mgr pub;  // first: libjpeg sees only this part
    jmp_buf jump;
    void (*libraryEmit)(j_common_ptr, int);
};

// The library's message goes where its own routine puts it (standard
// error), then control returns to the decoder.
void ReturnToDecoder(j_common_ptr info) {
    (*info->err->output_message)(info);
    longjmp(reinterpret_cast<LoaderErrors*>(info->err)->jump, 1);
}

// A file that ends early is decoded by libjpeg as grey to the bottom and
// only warned about; a picture cut short is a damaged file.
void EmitMessage(j_common_ptr info, int level) {
    LoaderErrors* errors = reinterpret_cast<LoaderErrors*>(info->err);
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) ReturnToDecoder(info);
    errors->libraryEmit(info, level);
}

void WriteInfoHeader(uint8_t* block, uint32_t width, uint32_t height, uint32_t imageSize) {
    std::memset(block, 0, 40);
    PutLe32(block, 40);
    PutLe32(block + 4, width);
    PutLe32(block + 8, height);
    PutLe16(block + 12, 1);
    PutLe16(block + 14, 24);
    PutLe32(block + 20, imageSize);
    PutLe32(block + 24, 2835);
    PutLe32(block + 28, 2835);
}

}  // namespace

bool LoadJpegStream(FILE* file, PlacedObject* object) {
    jpeg_decompress_struct info;
    LoaderErrors errors;
    uint8_t* volatile block = nullptr;
    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = ReturnToDecoder;
    errors.libraryEmit = errors.pub.emit_message;
    errors.pub.emit_message = EmitMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        std::free(block);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    uint64_t pixels = static_cast<uint64_t>(info.image_width) * info.image_height;
    if (pixels == 0 || pixels > kMaxPicturePixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = info.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_EXT_BGR;
    jpeg_start_decompress(&info);
    uint32_t width = info.output_width, height = info.output_height;
    int components = info.output_components;
    if ((components != 1 && components != 3) || static_cast<uint64_t>(width) * height > kMaxPicturePixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    uint32_t rowSize = (3 * width + 3) & ~3u;
    uint32_t imageSize = rowSize * height;
    block = static_cast<uint8_t*>(std::malloc(40 + static_cast<size_t>(imageSize)));
    if (!block) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    WriteInfoHeader(block, width, height, imageSize);
    JSAMPARRAY line = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                width * static_cast<JDIMENSION>(components), 1);
    while (info.output_scanline < height) {
        JDIMENSION k = info.output_scanline;
        if (jpeg_read_scanlines(&info, line, 1) != 1) ERREXIT(&info, JERR_INPUT_EMPTY);
        // Bottom-up rows, blue, green, red.
        uint8_t* row = block + 40 + static_cast<size_t>(height - 1 - k) * rowSize;
        const JSAMPLE* samples = line[0];
        if (components == 3) {
            std::memcpy(row, samples, static_cast<size_t>(width) * 3);
        } else {
            for (uint32_t x = 0; x < width; ++x) row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = samples[x];
        }
        std::memset(row + 3 * static_cast<size_t>(width), 0, rowSize - 3 * width);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);

    ObjectRecord& rec = object->rec;
    SetFileHeaderSize(&rec, 54 + imageSize);
    SetFileHeaderBitsOffset(&rec, 54);
    BitmapFacts facts = {static_cast<int32_t>(width), static_cast<int32_t>(height), 2835, 2835};
    if (!SetPictureRectangles(&rec, facts)) {
        std::free(block);
        return false;
    }
    object->bitmap = block;
    object->bitmapSize = 40 + imageSize;
    object->bits = block + 40;
    return true;
}
