#pragma once
#include <cstdint>
#include <cstdio>
#include <memory>

#include "picture/Picture.h"

struct WebPAnimEncoder;

namespace tidewell::sim {

// An animated WebP made picture by picture (libwebpmux's WebPAnimEncoder),
// lossless: a frame of the saver changes a few thousand pixels, which the
// encoder keeps as small sub-frames over the previous picture. The same
// pictures give the same bytes.
class WebpAnimation {
public:
    // Every picture is width x height and shows for frameMs milliseconds.
    WebpAnimation(int width, int height, std::uint32_t frameMs);
    ~WebpAnimation();
    WebpAnimation(const WebpAnimation&) = delete;
    WebpAnimation& operator=(const WebpAnimation&) = delete;

    // False when the encoder could not take the picture (out of memory).
    bool Add(const Picture& picture);

    // Ends the animation and writes it whole; false when that failed.
    bool Write(std::FILE* out);

private:
    int m_nWidth;
    int m_nHeight;
    std::uint32_t m_frameMs;
    std::int64_t m_timestamp = 0;
    bool m_ok;
    WebPAnimEncoder* m_encoder;
};

}  // namespace tidewell::sim
