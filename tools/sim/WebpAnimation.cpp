#include "tools/sim/WebpAnimation.h"

#include <webp/encode.h>
#include <webp/mux.h>

#include <climits>
#include <cstddef>

namespace tidewell::sim {

namespace {

WebPAnimEncoder* NewEncoder(int width, int height) {
    WebPAnimEncoderOptions options;
    if (!WebPAnimEncoderOptionsInit(&options)) {
        return nullptr;
    }
    options.anim_params.loop_count = 0;  // for ever
    options.allow_mixed = 0;
    return WebPAnimEncoderNew(width, height, &options);
}

}  // namespace

WebpAnimation::WebpAnimation(int width, int height, std::uint32_t frameMs)
    : m_nWidth(width), m_nHeight(height), m_frameMs(frameMs), m_encoder(NewEncoder(width, height)) {
    m_ok = m_encoder != nullptr;
}

WebpAnimation::~WebpAnimation() { WebPAnimEncoderDelete(m_encoder); }

bool WebpAnimation::Add(const Picture& picture) {
    WebPConfig config;
    WebPPicture frame;
    // Timestamps are ints of milliseconds: a run too long for them is refused
    // rather than wrapped.
    if (!m_ok || m_timestamp > INT_MAX || !WebPConfigInit(&config) || !WebPPictureInit(&frame)) {
        return m_ok = false;
    }
    config.lossless = 1;
    config.quality = 75;  // the effort spent on a lossless frame
    config.method = 4;
    config.exact = 1;
    frame.use_argb = 1;
    frame.width = m_nWidth;
    frame.height = m_nHeight;
    if (!WebPPictureAlloc(&frame)) {
        return m_ok = false;
    }
    for (int y = 0; y < m_nHeight; ++y) {
        std::uint32_t* row = frame.argb + static_cast<std::ptrdiff_t>(y) * frame.argb_stride;
        for (int x = 0; x < m_nWidth; ++x) {
            const COLORREF c = picture.At(x, y);  // 0x00BBGGRR
            row[x] = 0xFF000000u | (c & 0xFFu) << 16 | (c & 0xFF00u) | (c >> 16 & 0xFFu);
        }
    }
    m_ok = WebPAnimEncoderAdd(m_encoder, &frame, static_cast<int>(m_timestamp), &config) != 0;
    WebPPictureFree(&frame);
    m_timestamp += m_frameMs;
    return m_ok;
}

bool WebpAnimation::Write(std::FILE* out) {
    if (!m_ok || m_timestamp > INT_MAX ||
        !WebPAnimEncoderAdd(m_encoder, nullptr, static_cast<int>(m_timestamp), nullptr)) {
        return false;
    }
    WebPData data;
    WebPDataInit(&data);
    const bool assembled = WebPAnimEncoderAssemble(m_encoder, &data) != 0;
    const bool written = assembled && std::fwrite(data.bytes, 1, data.size, out) == data.size;
    WebPDataClear(&data);
    return written;
}

}  // namespace tidewell::sim
