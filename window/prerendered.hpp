#pragma once
// Pictures drawn ahead of time. The build renders each SVG of the windows at
// the device pixel ratios that desktops use most (resources/prerender.cpp) and
// compiles the bitmaps in; a window then shows its picture without parsing or
// drawing any SVG. A ratio without a bitmap falls back to drawing the SVG.
//
// A bitmap is premultiplied ARGB32, rows of width·4 bytes in the machine's byte
// order, behind a header of four 32-bit words: a mark, a version, the width
// and the height.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>

namespace ferricalc {

inline constexpr std::uint32_t kPrerenderedMark = 0x52414346;  // "FCAR" in a little-endian machine's bytes
inline constexpr std::uint32_t kPrerenderedVersion = 1;
inline constexpr qsizetype kPrerenderedHeaderBytes = 16;

inline std::array<std::uint32_t, 4> prerenderedHeaderWords(QSize pixels)
{
    return {kPrerenderedMark, kPrerenderedVersion, static_cast<std::uint32_t>(pixels.width()),
            static_cast<std::uint32_t>(pixels.height())};
}

inline QByteArray prerenderedHeader(QSize pixels)
{
    const std::array<std::uint32_t, 4> words = prerenderedHeaderWords(pixels);
    return QByteArray(reinterpret_cast<const char*>(words.data()), kPrerenderedHeaderBytes);
}

// The resource that holds `svgResource` (":/drawings/ring.svg") drawn at
// `scale`, "150" for a device pixel ratio of 1.5 or "32px" for a 32-pixel square.
QString prerenderedResource(const QString& svgResource, const QString& scale);

// The bitmap of that resource, when it exists and is `pixels` large; null otherwise.
QImage prerenderedImage(const QString& resource, QSize pixels);

}  // namespace ferricalc
