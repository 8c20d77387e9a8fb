// The chunk walk that tells whether a sound or movie file has something to play, on any bytes: it ends, it
// reads only inside the file, and it never claims a file without the chunk it looked for.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QBuffer>
#include <QtGlobal>

#include "platform/riffcheck.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // A chunk size that points past the end makes QBuffer complain about the seek; that is the walk's end.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const bool playableSound = riffcheck::waveProblem(buffer).isEmpty();
    const bool playableMovie = riffcheck::aviProblem(buffer).isEmpty();
    if (playableSound && (!bytes.contains("fmt ") || !bytes.contains("data")))
        std::abort();
    if (playableMovie && (!bytes.contains("avih") || !bytes.contains("movi")))
        std::abort();
    return 0;
}
