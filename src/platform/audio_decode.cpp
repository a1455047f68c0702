#include "platform/audio_internal.h"

#include <vorbis/vorbisfile.h>

#include <cstring>

namespace aw::audio_detail {

namespace {

// A whole file held in memory, read through vorbisfile's callbacks.
struct MemoryReader {
    const uint8_t* data;
    size_t size;
    size_t pos;
};

size_t readMemory(void* dst, size_t size, size_t count, void* source) {
    auto* r = static_cast<MemoryReader*>(source);
    if (size == 0)
        return 0;
    size_t wanted = size * count;
    size_t left = r->size - r->pos;
    size_t n = wanted < left ? wanted : left;
    std::memcpy(dst, r->data + r->pos, n);
    r->pos += n;
    return n / size;
}

int seekMemory(void* source, ogg_int64_t offset, int whence) {
    auto* r = static_cast<MemoryReader*>(source);
    long long base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? (long long)r->pos : (long long)r->size;
    long long target = base + offset;
    if (target < 0 || target > (long long)r->size)
        return -1;
    r->pos = (size_t)target;
    return 0;
}

long tellMemory(void* source) {
    return (long)static_cast<MemoryReader*>(source)->pos;
}

// Ten minutes of audio: far beyond any effect, and a bound for broken headers.
constexpr long long kMaxFrames = 10LL * 60 * kAudioRate;

} // namespace

bool decodeVorbis(const uint8_t* data, size_t size, DecodedSample& out) {
    if (!data || size == 0)
        return false;
    MemoryReader reader{data, size, 0};
    ov_callbacks callbacks{readMemory, seekMemory, nullptr, tellMemory};
    OggVorbis_File vf;
    if (ov_open_callbacks(&reader, &vf, nullptr, 0, callbacks) != 0)
        return false;
    vorbis_info* info = ov_info(&vf, -1);
    if (!info || info->channels < 1 || info->rate < 1000 || info->rate > 192000) {
        ov_clear(&vf);
        return false;
    }
    // Mono stays mono; more channels are folded to stereo.
    int channels = info->channels == 1 ? 1 : 2;
    out.channels = channels;
    out.rate = (int)info->rate;
    out.data.clear();
    long long frames = 0;
    int section = 0;
    int failures = 0;
    while (frames < kMaxFrames) {
        float** pcm = nullptr;
        long n = ov_read_float(&vf, &pcm, 4096, &section);
        if (n == 0)
            break;
        if (n < 0) {
            // A hole or a damaged page: skip it, but never loop on a broken stream.
            if (n == OV_HOLE && ++failures < 64)
                continue;
            break;
        }
        vorbis_info* now = ov_info(&vf, section);
        int srcChannels = now ? now->channels : info->channels;
        for (long i = 0; i < n; ++i) {
            if (channels == 1) {
                out.data.push_back(pcm[0][i]);
            } else {
                float l = pcm[0][i];
                float r = srcChannels > 1 ? pcm[1][i] : l;
                out.data.push_back(l);
                out.data.push_back(r);
            }
        }
        frames += n;
    }
    ov_clear(&vf);
    out.frames = (int)frames;
    return frames > 0;
}

} // namespace aw::audio_detail
