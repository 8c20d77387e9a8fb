// Pictures of the reader: hex data collected, decoded within the limits, or shown as a placeholder box.
#include "viewers/doc/rtfreader.h"

#include <algorithm>

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTextDocument>

namespace rtfread {

void Reader::pictureHex(std::string_view bytes)
{
    Picture& p = m_pict;
    for (const char ch : bytes) {
        const int v = RtfTokenizer::hexDigit(static_cast<unsigned char>(ch));
        if (v < 0)
            continue; // blanks and line breaks between the digits
        if (p.pendingNibble < 0) {
            p.pendingNibble = v;
            continue;
        }
        if (p.data.size() < m_limits.maxPictureBytes)
            p.data.append(static_cast<char>(p.pendingNibble * 16 + v));
        else
            p.overflow = true;
        p.pendingNibble = -1;
    }
}

QImage Reader::decodePicture(const Picture& pic, bool& placeholder)
{
    placeholder = true;
    if (pic.overflow || pic.data.isEmpty() || m_pictureCount >= m_limits.maxPictures ||
        m_pictureBytes + pic.data.size() > m_limits.maxTotalPictureBytes)
        return {};
    m_pictureBytes += pic.data.size();
    QByteArray data = pic.data;
    QByteArray format;
    switch (pic.format) {
    case PictFormat::Png:
        format = "png";
        break;
    case PictFormat::Jpeg:
        format = "jpeg";
        break;
    case PictFormat::Dib: {
        // A DIB is a BMP file without its 14-byte file header; put one in front.
        if (data.size() < 40)
            return {};
        const auto u32 = [&](int at) {
            return quint32(quint8(data[at])) | quint32(quint8(data[at + 1])) << 8 |
                   quint32(quint8(data[at + 2])) << 16 | quint32(quint8(data[at + 3])) << 24;
        };
        const quint32 headerSize = u32(0);
        const quint16 bits = quint16(quint8(data[14]) | quint8(data[15]) << 8);
        quint32 colours = u32(32);
        if (colours == 0 && bits <= 8)
            colours = 1u << bits;
        const quint64 offset =
            14ull + std::min<quint32>(headerSize, 1024) + std::min<quint32>(colours, 256) * 4ull;
        QByteArray header(14, '\0');
        const quint32 total = quint32(14 + data.size());
        header[0] = 'B';
        header[1] = 'M';
        for (int i = 0; i < 4; ++i) {
            header[2 + i] = char((total >> (8 * i)) & 0xFF);
            header[10 + i] = char((quint32(offset) >> (8 * i)) & 0xFF);
        }
        data.prepend(header);
        format = "bmp";
        break;
    }
    case PictFormat::Wbitmap: {
        // A device-dependent bitmap: raw rows, top row first. Monochrome and true-colour rows are read.
        const int w = pic.picw, h = pic.pich, stride = pic.widthBytes;
        if (w <= 0 || h <= 0 || stride <= 0 || pic.planes != 1 || qint64(w) * h > m_limits.maxPicturePixels ||
            qint64(stride) * h > data.size())
            return {};
        QImage::Format f = pic.bitsPixel == 1    ? QImage::Format_Mono
                           : pic.bitsPixel == 24 ? QImage::Format_BGR888
                           : pic.bitsPixel == 32 ? QImage::Format_RGB32
                                                 : QImage::Format_Invalid;
        if (f == QImage::Format_Invalid || qint64(w) * pic.bitsPixel > qint64(stride) * 8)
            return {};
        QImage image(reinterpret_cast<const uchar*>(data.constData()), w, h, stride, f);
        if (f == QImage::Format_Mono)
            image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        placeholder = false;
        return image.copy();
    }
    default:
        return {};
    }
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAllocationLimit(
        static_cast<int>(std::max<qint64>(1, m_limits.maxPicturePixels * 4 / (1024 * 1024))));
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > m_limits.maxPicturePixels)
        return {};
    QImage image = reader.read();
    if (image.isNull())
        return {};
    placeholder = false;
    return image;
}

void Reader::finishPicture()
{
    flush();
    ensureTableContext();
    bool placeholder = true;
    const QImage image = decodePicture(m_pict, placeholder);
    const Picture& pic = m_pict;

    // Display size in twips: the goal size if given, else the picture's own size, then the scale.
    double wTw = pic.goalw > 0 ? pic.goalw : 0;
    double hTw = pic.goalh > 0 ? pic.goalh : 0;
    if (wTw <= 0 || hTw <= 0) {
        if (!image.isNull()) {
            wTw = image.width() * 15.0;
            hTw = image.height() * 15.0;
        } else if (pic.format == PictFormat::Metafile) {
            wTw = pic.picw * 1440.0 / 2540.0; // hundredths of a millimetre
            hTw = pic.pich * 1440.0 / 2540.0;
        } else {
            wTw = pic.picw * 15.0;
            hTw = pic.pich * 15.0;
        }
    }
    wTw *= std::clamp(pic.scalex, 1, 1000) / 100.0;
    hTw *= std::clamp(pic.scaley, 1, 1000) / 100.0;
    const double wPx = std::clamp(wTw / 15.0, 8.0, 4000.0);
    const double hPx = std::clamp(hTw / 15.0, 8.0, 4000.0);

    QString name;
    if (placeholder) {
        name = QStringLiteral("rtf-picture:placeholder");
        if (m_doc.resource(QTextDocument::ImageResource, QUrl(name)).isNull()) {
            QImage box(64, 48, QImage::Format_RGB32);
            box.fill(QColor(240, 240, 240));
            QPainter painter(&box);
            painter.setPen(QColor(128, 128, 128));
            painter.drawRect(0, 0, 63, 47);
            painter.drawLine(0, 0, 63, 47);
            painter.drawLine(0, 47, 63, 0);
            painter.end();
            m_doc.addResource(QTextDocument::ImageResource, QUrl(name), box);
        }
        ++m_result.placeholders;
    } else {
        name = QStringLiteral("rtf-picture:%1").arg(m_pictureCount);
        m_doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
        ++m_pictureCount;
        ++m_result.pictures;
    }
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(wPx);
    format.setHeight(hPx);
    m_cursor.insertImage(format);
    m_blockHasContent = true;
    m_pict = Picture{};
}

} // namespace rtfread
