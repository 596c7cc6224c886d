#include "window/prerendered.hpp"

#include <QResource>
#include <cstdint>
#include <cstring>
#include <memory>

namespace ferricalc {

QString prerenderedResource(const QString& svgResource, const QString& scale)
{
    QString path = svgResource;
    if (path.startsWith(QStringLiteral(":/")))
        path.remove(0, 2);
    if (path.endsWith(QStringLiteral(".svg")))
        path.chop(4);
    return QStringLiteral(":/prerendered/") + path + QLatin1Char('@') + scale + QStringLiteral(".argb32");
}

QImage prerenderedImage(const QString& resource, QSize pixels)
{
    const QResource file(resource);
    if (!file.isValid() || pixels.isEmpty())
        return {};
    const qsizetype rowBytes = static_cast<qsizetype>(pixels.width()) * 4;
    const auto fits = [&](const QByteArray& bytes) {
        if (bytes.size() != kPrerenderedHeaderBytes + rowBytes * pixels.height())
            return false;
        std::array<std::uint32_t, 4> header{};
        std::memcpy(header.data(), bytes.constData(), kPrerenderedHeaderBytes);
        return header == prerenderedHeaderWords(pixels);
    };

    if (file.compressionAlgorithm() == QResource::NoCompression) {
        // Read in place from the program's own mapped file: no copy and no
        // fresh memory until something draws on the image.
        const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(file.data()), file.size());
        const auto* first = reinterpret_cast<const uchar*>(bytes.constData() + kPrerenderedHeaderBytes);
        if (!fits(bytes))
            return {};
        const QImage image(first, pixels.width(), pixels.height(), rowBytes, QImage::Format_ARGB32_Premultiplied);
        return reinterpret_cast<std::uintptr_t>(first) % alignof(std::uint32_t) == 0 ? image : image.copy();
    }

    // Compressed data is unpacked into a block of its own, which the image then
    // works on in place and lets go of with itself.
    auto bytes = std::make_unique<QByteArray>(file.uncompressedData());
    if (!fits(*bytes))
        return {};
    auto* first = reinterpret_cast<uchar*>(bytes->data() + kPrerenderedHeaderBytes);
    QImage image(
        first, pixels.width(), pixels.height(), rowBytes, QImage::Format_ARGB32_Premultiplied,
        [](void* held) { delete static_cast<QByteArray*>(held); }, bytes.release());
    return reinterpret_cast<std::uintptr_t>(first) % alignof(std::uint32_t) == 0 ? image : image.copy();
}

}  // namespace ferricalc
