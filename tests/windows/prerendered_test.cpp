// The pictures that the build draws ahead must be the pictures the SVGs draw:
// a bitmap left stale by an edited drawing, or written with the wrong size or
// byte order, would show a window a picture that its SVG no longer has.

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include "app/application.hpp"
#include "window/prerendered.hpp"
#include "cores/registry.hpp"

namespace ferricalc {
namespace {

QImage drawnFromSvg(const QString& resource, QSize logical, qreal ratio)
{
    QImage image((QSizeF(logical) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(resource).render(&painter, QRectF(QPointF(0, 0), QSizeF(logical)));
    return image;
}

// The share of pixels whose channels all lie within a few levels of the other
// image's: antialiasing may round an edge differently, a stale picture differs
// in whole strokes and letters.
double sameShare(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 0.0;
    constexpr int kLevels = 8;
    qint64 same = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = rowA[x], q = rowB[x];
            same += std::abs(qRed(p) - qRed(q)) <= kLevels && std::abs(qGreen(p) - qGreen(q)) <= kLevels
                    && std::abs(qBlue(p) - qBlue(q)) <= kLevels && std::abs(qAlpha(p) - qAlpha(q)) <= kLevels;
        }
    }
    return static_cast<double>(same) / (static_cast<double>(a.width()) * a.height());
}

}  // namespace

class PrerenderedTest : public QObject {
    Q_OBJECT

private slots:
    void matchesItsSvg_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QSize>("logical");
        QTest::addColumn<int>("percent");
        struct Picture {
            QString resource;
            QSize logical;
        };
        QList<Picture> pictures{{QStringLiteral(":/art/selector.svg"), QSize(547, 496)},
                                {QStringLiteral(":/art/credits.svg"), QSize(277, 381)}};
        for (int index = 0; index < kCoreTypeCount; ++index) {
            const DrawingSpec& drawing = coreType(index).drawing;
            pictures.append({QString::fromUtf8(drawing.resource.data(), static_cast<qsizetype>(drawing.resource.size())),
                             QSize(drawing.pixelWidth, drawing.pixelHeight)});
        }
        for (const Picture& picture : pictures)
            for (const int percent : {100, 150, 200})
                QTest::addRow("%s@%d", qPrintable(picture.resource), percent)
                    << picture.resource << picture.logical << percent;
    }

    void matchesItsSvg()
    {
        QFETCH(QString, resource);
        QFETCH(QSize, logical);
        QFETCH(int, percent);
        const qreal ratio = percent / 100.0;
        const QSize pixels = (QSizeF(logical) * ratio).toSize();
        const QImage ahead = prerenderedImage(prerenderedResource(resource, QString::number(percent)), pixels);
        QVERIFY2(!ahead.isNull(), "no bitmap of that size was built");
        QVERIFY(sameShare(ahead, drawnFromSvg(resource, logical, ratio)) > 0.999);
    }

    // A size the build did not draw is refused, so the caller draws the SVG instead.
    void refusesAnotherSize()
    {
        const QString ring = prerenderedResource(QStringLiteral(":/drawings/ring.svg"), QStringLiteral("100"));
        const DrawingSpec& drawing = coreType(0).drawing;
        QVERIFY(!prerenderedImage(ring, QSize(drawing.pixelWidth, drawing.pixelHeight)).isNull());
        QVERIFY(prerenderedImage(ring, QSize(drawing.pixelWidth + 1, drawing.pixelHeight)).isNull());
        QVERIFY(prerenderedImage(ring, QSize()).isNull());
        QVERIFY(prerenderedImage(prerenderedResource(QStringLiteral(":/drawings/ring.svg"), QStringLiteral("130")),
                                 QSize(drawing.pixelWidth, drawing.pixelHeight))
                    .isNull());
    }

    // The icon comes in every size asked for: built ones and others drawn on demand.
    void iconAtAnySize()
    {
        const QIcon icon = QApplication::windowIcon();
        for (const int side : {16, 20, 32, 48, 100, 256}) {
            const QPixmap pixmap = icon.pixmap(QSize(side, side));
            QCOMPARE(pixmap.size(), QSize(side, side));
            const QImage image = pixmap.toImage();
            int drawn = 0;
            for (int y = 0; y < side; ++y)
                for (int x = 0; x < side; ++x)
                    drawn += qAlpha(image.pixel(x, y)) > 0;
            QVERIFY2(drawn > side * side / 10, "the icon is (nearly) empty");
        }
    }
};

}  // namespace ferricalc

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ferricalc::configureApplication(app);
    ferricalc::PrerenderedTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "prerendered_test.moc"
