#include "picture/PngFile.h"

#include <png.h>

#include <csetjmp>
#include <vector>

namespace tidewell {

namespace {

// libpng reports an error by calling back, and the callback must not return:
// it keeps the message and jumps back to the setjmp of the running codec.
struct ErrorTrap {
    std::jmp_buf jump;
    std::string message;
};

[[noreturn]] void OnError(png_structp png, png_const_charp message) {
    auto* trap = static_cast<ErrorTrap*>(png_get_error_ptr(png));
    trap->message = message;
    std::longjmp(trap->jump, 1);
}

void OnWarning(png_structp, png_const_charp) {}

// The state of one read. It lives outside the function that calls setjmp,
// so a jump back leaves nothing in it undefined.
struct Decoder {
    ErrorTrap trap;
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::vector<unsigned char> bytes;
    std::vector<png_bytep> rows;

    ~Decoder() { png_destroy_read_struct(&png, &info, nullptr); }

    bool Run(std::FILE* in, const PictureSize& screen, std::string& error) {
        png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &trap, OnError, OnWarning);
        info = png == nullptr ? nullptr : png_create_info_struct(png);
        if (info == nullptr) {
            error = "cannot be read: out of memory";
            return false;
        }
        if (setjmp(trap.jump) != 0) {
            error = "is not a readable PNG: " + trap.message;
            return false;
        }
        png_init_io(png, in);
        // Only the pixels matter here: every ancillary chunk but tRNS is
        // skipped unread, so a text or profile chunk that claims gigabytes
        // costs no memory.
        png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
        png_read_info(png, info);
        if (!screen.Fits(png_get_image_width(png, info), png_get_image_height(png, info), error)) {
            return false;
        }
        png_set_expand(png);
        png_set_scale_16(png);
        png_set_gray_to_rgb(png);
        png_set_strip_alpha(png);
        png_set_interlace_handling(png);
        png_read_update_info(png, info);
        const std::size_t stride = png_get_rowbytes(png, info);
        if (stride != 3 * static_cast<std::size_t>(screen.width)) {
            error = "has a pixel layout that cannot be read";
            return false;
        }
        bytes.resize(stride * static_cast<std::size_t>(screen.height));
        for (long y = 0; y < screen.height; ++y) {
            rows.push_back(&bytes[static_cast<std::size_t>(y) * stride]);
        }
        png_read_image(png, rows.data());
        png_read_end(png, nullptr);
        return true;
    }
};

struct Encoder {
    ErrorTrap trap;
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::vector<unsigned char> row;

    ~Encoder() { png_destroy_write_struct(&png, &info); }

    bool Run(std::FILE* out, const Picture& picture) {
        png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &trap, OnError, OnWarning);
        info = png == nullptr ? nullptr : png_create_info_struct(png);
        if (info == nullptr || setjmp(trap.jump) != 0) {
            return false;
        }
        png_init_io(png, out);
        png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width), static_cast<png_uint_32>(picture.height), 8,
                     PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        row.resize(3 * static_cast<std::size_t>(picture.width));
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                const COLORREF c = picture.At(x, y);
                row[3 * static_cast<std::size_t>(x)] = static_cast<unsigned char>(RedOf(c));
                row[3 * static_cast<std::size_t>(x) + 1] = static_cast<unsigned char>(GreenOf(c));
                row[3 * static_cast<std::size_t>(x) + 2] = static_cast<unsigned char>(BlueOf(c));
            }
            png_write_row(png, row.data());
        }
        png_write_end(png, nullptr);
        return true;
    }
};

}  // namespace

bool ReadPng(std::FILE* in, const PictureSize& screen, Picture& picture, std::string& error) {
    Decoder decoder;
    if (!decoder.Run(in, screen, error)) {
        return false;
    }
    picture = Picture(static_cast<int>(screen.width), static_cast<int>(screen.height));
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        picture.pixels[i] = MakeColor(decoder.bytes[3 * i], decoder.bytes[3 * i + 1], decoder.bytes[3 * i + 2]);
    }
    return true;
}

bool WritePng(std::FILE* out, const Picture& picture) {
    Encoder encoder;
    return encoder.Run(out, picture) && std::fflush(out) == 0 && !std::ferror(out);
}

}  // namespace tidewell
