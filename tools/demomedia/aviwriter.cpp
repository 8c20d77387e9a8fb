#include "aviwriter.h"

#include <algorithm>

#include <QtEndian>

namespace aviwriter {

namespace {

class Bytes {
public:
    QByteArray data;
    void u32(quint32 v)
    {
        char b[4];
        qToLittleEndian(v, b);
        data.append(b, 4);
    }
    void u16(quint16 v)
    {
        char b[2];
        qToLittleEndian(v, b);
        data.append(b, 2);
    }
    void fourcc(const char* c) { data.append(c, 4); }
    // A chunk: id, size, payload, padded to an even length.
    void chunk(const char* id, const QByteArray& payload)
    {
        fourcc(id);
        u32(quint32(payload.size()));
        data += payload;
        if (payload.size() % 2)
            data += '\0';
    }
    void list(const char* type, const QByteArray& payload)
    {
        fourcc("LIST");
        u32(quint32(payload.size() + 4));
        fourcc(type);
        data += payload;
    }
};

}  // namespace

QByteArray write(const Movie& m)
{
    const bool hasAudio = !m.audio.empty();
    const int frames = int(m.jpegFrames.size());
    const int streams = hasAudio ? 2 : 1;
    int maxFrame = 0;
    for (const QByteArray& f : m.jpegFrames)
        maxFrame = std::max(maxFrame, int(f.size()));
    const int samplesPerFrame = m.audioRate / m.framesPerSecond;

    // movi list and its index.
    Bytes movi;
    Bytes idx;
    movi.fourcc("movi");
    auto indexed = [&](const char* id, const QByteArray& payload, quint32 flags) {
        idx.fourcc(id);
        idx.u32(flags);
        idx.u32(quint32(movi.data.size()));  // offset from the "movi" type field
        idx.u32(quint32(payload.size()));
        movi.chunk(id, payload);
    };
    std::size_t audioPos = 0;
    for (int i = 0; i < frames; ++i) {
        if (hasAudio) {
            const std::size_t end = i == frames - 1
                                        ? m.audio.size()
                                        : std::min(m.audio.size(), audioPos + std::size_t(samplesPerFrame));
            QByteArray pcm;
            for (std::size_t s = audioPos; s < end; ++s) {
                char b[2];
                qToLittleEndian(quint16(m.audio[s]), b);
                pcm.append(b, 2);
            }
            audioPos = end;
            indexed("01wb", pcm, 0x10);
        }
        indexed("00dc", m.jpegFrames[i], 0x10);  // every JPEG frame is a key frame
    }

    // Header list.
    Bytes avih;
    avih.u32(quint32(1000000 / m.framesPerSecond));
    avih.u32(quint32(maxFrame * m.framesPerSecond + (hasAudio ? m.audioRate * 2 : 0)));
    avih.u32(0);
    avih.u32(0x10 | 0x100);  // AVIF_HASINDEX | AVIF_ISINTERLEAVED
    avih.u32(quint32(frames));
    avih.u32(0);
    avih.u32(quint32(streams));
    avih.u32(quint32(maxFrame + 8));
    avih.u32(quint32(m.width));
    avih.u32(quint32(m.height));
    for (int i = 0; i < 4; ++i)
        avih.u32(0);

    Bytes vstrh;
    vstrh.fourcc("vids");
    vstrh.fourcc("MJPG");
    vstrh.u32(0);   // flags
    vstrh.u16(0);   // priority
    vstrh.u16(0);   // language
    vstrh.u32(0);   // initial frames
    vstrh.u32(1);   // scale
    vstrh.u32(quint32(m.framesPerSecond));  // rate
    vstrh.u32(0);   // start
    vstrh.u32(quint32(frames));
    vstrh.u32(quint32(maxFrame + 8));
    vstrh.u32(0xFFFFFFFFu);  // quality
    vstrh.u32(0);            // sample size
    vstrh.u16(0);
    vstrh.u16(0);
    vstrh.u16(quint16(m.width));
    vstrh.u16(quint16(m.height));

    Bytes vstrf;  // BITMAPINFOHEADER
    vstrf.u32(40);
    vstrf.u32(quint32(m.width));
    vstrf.u32(quint32(m.height));
    vstrf.u16(1);
    vstrf.u16(24);
    vstrf.fourcc("MJPG");
    vstrf.u32(quint32(m.width * m.height * 3));
    for (int i = 0; i < 4; ++i)
        vstrf.u32(0);

    Bytes vstrl;
    vstrl.chunk("strh", vstrh.data);
    vstrl.chunk("strf", vstrf.data);

    Bytes hdrl;
    hdrl.chunk("avih", avih.data);
    hdrl.list("strl", vstrl.data);

    if (hasAudio) {
        Bytes astrh;
        astrh.fourcc("auds");
        astrh.u32(0);  // handler
        astrh.u32(0);
        astrh.u16(0);
        astrh.u16(0);
        astrh.u32(0);
        astrh.u32(2);                          // scale: block align
        astrh.u32(quint32(m.audioRate * 2));  // rate: bytes per second
        astrh.u32(0);
        astrh.u32(quint32(m.audio.size()));  // length in blocks
        astrh.u32(quint32(samplesPerFrame * 2 + 8));
        astrh.u32(0xFFFFFFFFu);
        astrh.u32(2);  // sample size
        for (int i = 0; i < 4; ++i)
            astrh.u16(0);

        Bytes astrf;  // WAVEFORMATEX
        astrf.u16(1);
        astrf.u16(1);
        astrf.u32(quint32(m.audioRate));
        astrf.u32(quint32(m.audioRate * 2));
        astrf.u16(2);
        astrf.u16(16);
        astrf.u16(0);

        Bytes astrl;
        astrl.chunk("strh", astrh.data);
        astrl.chunk("strf", astrf.data);
        hdrl.list("strl", astrl.data);
    }

    Bytes body;
    body.fourcc("AVI ");
    body.list("hdrl", hdrl.data);
    body.fourcc("LIST");
    body.u32(quint32(movi.data.size()));
    body.data += movi.data;
    body.chunk("idx1", idx.data);

    Bytes file;
    file.fourcc("RIFF");
    file.u32(quint32(body.data.size()));
    file.data += body.data;
    return file.data;
}

}  // namespace aviwriter
