#include "Artwork.h"

#include "GifWriter.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace datagen {

namespace {

// The background of the button and mark pictures; the program shows the colour
// of a picture's corner as transparent, so it must not appear in the drawing.
const QColor kButtonFace(240, 240, 240);

QImage Palette(const LabelRaster& r, const QList<QRgb>& colors)
{
    QImage image(r.width, r.height, QImage::Format_Indexed8);
    image.setColorTable(colors);
    return image;
}

} // namespace

QImage DepartementsMap(const LabelRaster& r)
{
    QImage image = Palette(r, {kSilver.rgb(), kLand.rgb(), kPaleYellow.rgb()});
    for (int y = 0; y < r.height; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < r.width; ++x)
            line[x] = !r.isLand(x, y) ? 0 : r.isBorder(x, y) ? 2 : 1;
    }
    return image;
}

QImage RegionsMap(const LabelRaster& r)
{
    QImage image = Palette(r, {kSilver.rgb(), kLand.rgb(), kRegionBorder.rgb(), kFaintBorder.rgb()});
    for (int y = 0; y < r.height; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < r.width; ++x) {
            const Edge e = r.edge[r.at(x, y)];
            line[x] = !r.isLand(x, y) ? 0 : e == Edge::Region ? 2 : e == Edge::Departement ? 3 : 1;
        }
    }
    return image;
}

QImage TitleMap(const LabelRaster& r, const RegionTable& regionOf)
{
    // 22 soft colours, neighbouring indices far apart on the colour wheel.
    QList<QRgb> colors{QColor(Qt::white).rgb(), QColor(70, 70, 70).rgb()};
    for (int region = 1; region <= 22; ++region) {
        const int hue = (region * 137) % 360;
        const QColor fill = QColor::fromHsv(hue, 90 + (region % 3) * 35, 235 - (region % 2) * 25);
        colors << fill.rgb() << fill.darker(125).rgb();
    }
    QImage image = Palette(r, colors);
    for (int y = 0; y < r.height; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < r.width; ++x) {
            const int i = r.at(x, y);
            if (!r.area[i])
                line[x] = 0;
            else if (r.edge[i] == Edge::Region)
                line[x] = 1;
            else
                line[x] = uchar(2 * regionOf[r.area[i]] + (r.edge[i] == Edge::Departement ? 1 : 0));
        }
    }
    return image;
}

QImage ListBackground(const SvgMap& map)
{
    QImage image(kListBackgroundSize, kListBackgroundSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setTransform(FitCentred(map, image.size(), 12));
        p.setPen(QPen(QColor(214, 224, 240), 0));
        p.setBrush(QColor(236, 241, 249));
        for (const Outline& outline : map.outlines)
            for (const QPolygonF& ring : outline.rings)
                p.drawPolygon(ring);
    }
    return ToPalette(image);
}

QImage SmallFlag(bool facingRight)
{
    QImage image(65, 31, QImage::Format_RGB32);
    image.fill(QColor(205, 222, 240));  // a pale sky, so the white band shows
    const QColor blue(0, 35, 149), red(237, 41, 57);
    for (int x = 0; x < 65; ++x) {
        const int u = facingRight ? x : 64 - x;   // distance from the pole
        const double wave = 3.5 * std::sin(u / 64.0 * 2 * M_PI) * (u / 64.0);
        for (int y = 0; y < 31; ++y) {
            const double v = y - wave;
            if (v < 2 || v > 28 || u < 3)
                continue;
            const double third = (u - 3) / 62.0;
            QColor c = third < 1.0 / 3 ? blue : third < 2.0 / 3 ? QColor(Qt::white) : red;
            // A little shading along the folds.
            const double shade = 1.0 - 0.12 * std::cos(u / 64.0 * 2 * M_PI);
            c = QColor::fromRgbF(std::min(1.0, c.redF() * shade), std::min(1.0, c.greenF() * shade),
                                 std::min(1.0, c.blueF() * shade));
            image.setPixelColor(x, y, c);
        }
        if (u < 3)
            for (int y = 0; y < 31; ++y)
                image.setPixelColor(x, y, QColor(110, 80, 50));  // the pole
    }
    return image;
}

QImage Loudspeaker(bool on)
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(kButtonFace);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 30, 30), 1.2));
    p.setBrush(QColor(70, 70, 80));
    p.drawRect(QRectF(3.5, 11.5, 6, 9));
    QPainterPath cone;
    cone.moveTo(9.5, 11.5);
    cone.lineTo(17.5, 4.5);
    cone.lineTo(17.5, 27.5);
    cone.lineTo(9.5, 20.5);
    cone.closeSubpath();
    p.setBrush(QColor(110, 110, 125));
    p.drawPath(cone);
    p.setBrush(Qt::NoBrush);
    if (on) {
        p.setPen(QPen(QColor(20, 110, 40), 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(14, 10, 10, 12), -50 * 16, 100 * 16);
        p.drawArc(QRectF(13, 6, 16, 20), -50 * 16, 100 * 16);
    } else {
        p.setPen(QPen(QColor(210, 20, 20), 3.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(20, 10), QPointF(29, 22));
        p.drawLine(QPointF(29, 10), QPointF(20, 22));
    }
    return image;
}

QImage Mark(bool right)
{
    QImage image(25, 25, QImage::Format_RGB32);
    image.fill(kButtonFace);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (right) {
        p.setPen(QPen(QColor(0, 150, 0), 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(4, 13), QPointF(10, 19), QPointF(21, 5)}));
    } else {
        p.setPen(QPen(QColor(220, 0, 0), 4.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 5), QPointF(20, 20));
        p.drawLine(QPointF(20, 5), QPointF(5, 20));
    }
    return image;
}

} // namespace datagen
