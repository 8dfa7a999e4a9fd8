#include "CoatsOfArms.h"

#include "quiz/Tables.h"

#include "GifWriter.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <string>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <vector>

namespace datagen {

namespace {

// Tinctures.
const QColor kOr(233, 188, 38);
const QColor kArgent(250, 250, 248);
const QColor kGules(204, 28, 38);
const QColor kAzure(28, 72, 172);
const QColor kSable(22, 22, 22);
const QColor kVert(24, 128, 58);
const QColor kOutline(40, 32, 24);
const QColor kBackground(244, 240, 228);

// The shield in its own units: 100 wide, 120 high, flat chief, rounded base
// meeting in a point.
QPainterPath Shield()
{
    QPainterPath p;
    p.moveTo(0, 0);
    p.lineTo(100, 0);
    p.lineTo(100, 66);
    p.cubicTo(100, 98, 70, 106, 50, 120);
    p.cubicTo(30, 106, 0, 98, 0, 66);
    p.closeSubpath();
    return p;
}

// Painting inside the shield, clipped to it.
struct Arms {
    QPainter& p;

    void field(const QColor& c) { p.fillRect(QRectF(-5, -5, 110, 130), c); }
    void rect(const QRectF& r, const QColor& c) { p.fillRect(r, c); }

    void path(const QPainterPath& path, const QColor& c, bool outlined = true)
    {
        p.setPen(outlined ? QPen(kOutline, 0.9) : Qt::NoPen);
        p.setBrush(c);
        p.drawPath(path);
        p.setPen(Qt::NoPen);
    }

    // Draws `what` in a clip area, e.g. one half or quarter of the shield.
    void within(const QRectF& area, const std::function<void()>& what)
    {
        p.save();
        p.setClipRect(area, Qt::IntersectClip);
        what();
        p.restore();
    }

    // A band from the dexter chief to the sinister base, `width` wide.
    void bend(double width, const QColor& c, double offset = 0, const QRectF& in = QRectF(0, 0, 100, 120))
    {
        p.save();
        p.translate(in.center());
        p.rotate(std::atan2(in.height(), in.width()) * 180 / M_PI);
        p.fillRect(QRectF(-100, offset - width / 2, 200, width), c);
        p.restore();
    }

    void bordure(double width, const QColor& c)
    {
        p.setPen(QPen(c, 2 * width));
        p.setBrush(Qt::NoBrush);
        p.drawPath(Shield());
        p.setPen(Qt::NoPen);
    }

    void pallets(int count, const QColor& c, const QRectF& in)
    {
        const double step = in.width() / (2 * count + 1);
        for (int i = 0; i < count; ++i)
            p.fillRect(QRectF(in.left() + step * (2 * i + 1), in.top(), step, in.height()), c);
    }

    // Fleur-de-lis centred on c, `h` high.
    void lis(QPointF c, double h, const QColor& colour)
    {
        QPainterPath f;
        f.moveTo(0, -0.5);
        f.cubicTo(0.17, -0.3, 0.15, -0.05, 0.03, 0.1);
        f.lineTo(-0.03, 0.1);
        f.cubicTo(-0.15, -0.05, -0.17, -0.3, 0, -0.5);
        for (int side : {1, -1}) {
            f.moveTo(side * 0.06, 0.1);
            f.cubicTo(side * 0.1, -0.22, side * 0.5, -0.26, side * 0.44, 0.04);
            f.cubicTo(side * 0.4, -0.08, side * 0.24, -0.07, side * 0.2, 0.1);
            f.closeSubpath();
        }
        f.addRect(QRectF(-0.26, 0.08, 0.52, 0.09));
        f.moveTo(-0.05, 0.17);
        f.lineTo(0.05, 0.17);
        f.lineTo(0.14, 0.46);
        f.lineTo(0, 0.36);
        f.lineTo(-0.14, 0.46);
        f.closeSubpath();
        f.setFillRule(Qt::WindingFill);
        path(QTransform().translate(c.x(), c.y()).scale(h, h).map(f), colour);
    }

    // An ermine spot centred on c, `h` high.
    void ermineSpot(QPointF c, double h)
    {
        QPainterPath e;
        e.addEllipse(QPointF(0, -0.36), 0.1, 0.1);
        e.addEllipse(QPointF(-0.2, -0.2), 0.1, 0.1);
        e.addEllipse(QPointF(0.2, -0.2), 0.1, 0.1);
        e.moveTo(-0.06, -0.12);
        e.lineTo(0.06, -0.12);
        e.lineTo(0.24, 0.5);
        e.lineTo(0, 0.3);
        e.lineTo(-0.24, 0.5);
        e.closeSubpath();
        e.setFillRule(Qt::WindingFill);
        path(QTransform().translate(c.x(), c.y()).scale(h, h).map(e), kSable, false);
    }

    void ermine(const QRectF& in)
    {
        field(kArgent);
        for (int row = 0; row < 6; ++row)
            for (int col = 0; col < 5; ++col)
                ermineSpot(QPointF(in.left() + in.width() * (col + (row % 2 ? 0.0 : 0.5) + 0.0) / 4.6 + 4,
                                   in.top() + 10 + row * 20),
                           11);
    }

    // A beast from a polygon in a unit box, placed in `box` (mirrored when
    // `mirror`), in its colour with a dark outline and a dot of an eye.
    void beast(const std::vector<QPointF>& outline, QPointF eye, const QRectF& box, const QColor& c,
               bool mirror = false)
    {
        QTransform t = QTransform().translate(box.left(), box.top()).scale(box.width(), box.height());
        if (mirror)
            t = QTransform().translate(1, 0).scale(-1, 1) * t;
        QPainterPath body;
        body.addPolygon(t.map(QPolygonF(QList<QPointF>(outline.begin(), outline.end()))));
        body.closeSubpath();
        path(body, c);
        p.setBrush(c == kSable ? kArgent : kOutline);
        p.drawEllipse(t.map(eye), box.width() * 0.025 + 0.4, box.width() * 0.025 + 0.4);
    }

    void lion(const QRectF& box, const QColor& c, bool mirror = false)
    {
        static const std::vector<QPointF> kLion = {
            {0.30, 0.05}, {0.42, 0.02}, {0.52, 0.10}, {0.50, 0.22}, {0.62, 0.32}, {0.68, 0.46}, {0.70, 0.60},
            {0.78, 0.56}, {0.84, 0.40}, {0.90, 0.28}, {0.97, 0.30}, {0.92, 0.36}, {0.90, 0.50}, {0.82, 0.68},
            {0.74, 0.74}, {0.74, 0.86}, {0.84, 0.95}, {0.64, 0.98}, {0.60, 0.86}, {0.52, 0.80}, {0.50, 0.92},
            {0.40, 0.98}, {0.34, 0.92}, {0.44, 0.86}, {0.42, 0.70}, {0.38, 0.56}, {0.22, 0.62}, {0.12, 0.56},
            {0.30, 0.47}, {0.36, 0.40}, {0.20, 0.36}, {0.10, 0.28}, {0.16, 0.23}, {0.34, 0.30}, {0.34, 0.24},
            {0.22, 0.22}, {0.20, 0.12}};
        beast(kLion, {0.38, 0.10}, box, c, mirror);
    }

    void leopard(const QRectF& box, const QColor& c)
    {
        static const std::vector<QPointF> kLeopard = {
            {0.02, 0.16}, {0.10, 0.02}, {0.22, 0.08}, {0.24, 0.26}, {0.40, 0.28}, {0.74, 0.26}, {0.82, 0.18},
            {0.86, 0.02}, {0.96, 0.00}, {0.93, 0.10}, {0.90, 0.26}, {0.86, 0.34}, {0.90, 0.46}, {0.96, 0.92},
            {0.84, 0.96}, {0.80, 0.62}, {0.74, 0.56}, {0.72, 0.92}, {0.62, 0.96}, {0.64, 0.58}, {0.40, 0.58},
            {0.38, 0.94}, {0.28, 0.96}, {0.30, 0.56}, {0.22, 0.52}, {0.14, 0.74}, {0.04, 0.70}, {0.14, 0.44},
            {0.08, 0.36}, {0.00, 0.32}};
        beast(kLeopard, {0.09, 0.14}, box, c);
    }

    void dolphin(const QRectF& box, const QColor& c)
    {
        const auto at = [&](double x, double y) { return QPointF(box.left() + x * box.width(), box.top() + y * box.height()); };
        QPainterPath spine;
        spine.moveTo(at(0.35, 0.18));
        spine.cubicTo(at(0.95, 0.15), at(0.95, 0.70), at(0.45, 0.82));
        QPainterPathStroker stroker;
        stroker.setWidth(box.width() * 0.22);
        stroker.setCapStyle(Qt::RoundCap);
        QPainterPath fish = stroker.createStroke(spine);
        fish.addEllipse(at(0.28, 0.20), box.width() * 0.17, box.height() * 0.13);
        QPainterPath tail;
        tail.moveTo(at(0.48, 0.80));
        tail.lineTo(at(0.18, 0.98));
        tail.lineTo(at(0.26, 0.72));
        tail.closeSubpath();
        QPainterPath fin;
        fin.moveTo(at(0.62, 0.20));
        fin.lineTo(at(0.80, 0.02));
        fin.lineTo(at(0.78, 0.30));
        fin.closeSubpath();
        fish = fish.united(tail).united(fin).simplified();
        path(fish, c);
        p.setBrush(kArgent);
        p.drawEllipse(at(0.22, 0.17), 1.3, 1.3);
    }

    // The cross of Toulouse: voided, each arm ending in three balls.
    void toulouseCross(QPointF c, double size, const QColor& colour, const QColor& fieldColour)
    {
        const double arm = size / 2, w = size * 0.2;
        QPainterPath cross;
        cross.addRect(QRectF(c.x() - w / 2, c.y() - arm, w, 2 * arm));
        cross.addRect(QRectF(c.x() - arm, c.y() - w / 2, 2 * arm, w));
        for (int k = 0; k < 4; ++k) {
            const double dx = k == 0 ? 1 : k == 1 ? -1 : 0, dy = k == 2 ? 1 : k == 3 ? -1 : 0;
            const QPointF end(c.x() + dx * arm, c.y() + dy * arm);
            const QPointF side(dy * w * 0.75, dx * w * 0.75);
            const double r = w * 0.38;
            cross.addEllipse(end + QPointF(dx, dy) * r, r, r);
            cross.addEllipse(end + side, r, r);
            cross.addEllipse(end - side, r, r);
            cross.addRect(QRectF(end.x() - std::abs(side.x()) - w * 0.15 * std::abs(dx) - std::abs(dy) * w * 0.75,
                                 end.y() - std::abs(side.y()) - w * 0.15 * std::abs(dy) - std::abs(dx) * w * 0.75,
                                 std::abs(dy) * w * 1.5 + std::abs(dx) * w * 0.3,
                                 std::abs(dx) * w * 1.5 + std::abs(dy) * w * 0.3));
        }
        cross.setFillRule(Qt::WindingFill);
        path(cross.simplified(), colour);
        // Voided: the field shows through the middle of the arms.
        const double in = arm - w * 0.6, v = w * 0.36;
        QPainterPath voided;
        voided.addRect(QRectF(c.x() - v / 2, c.y() - in, v, 2 * in));
        voided.addRect(QRectF(c.x() - in, c.y() - v / 2, 2 * in, v));
        path(voided.simplified(), fieldColour, false);
    }

    void castle(QRectF box, const QColor& c)
    {
        QPainterPath k;
        const auto at = [&](double x, double y) { return QPointF(box.left() + x * box.width(), box.top() + y * box.height()); };
        QPolygonF outline;
        // Three towers, the middle one higher, with battlements.
        const double tops[3] = {0.22, 0.0, 0.22};
        const double lefts[3] = {0.0, 0.36, 0.72};
        outline << at(0.0, 1.0);
        for (int t = 0; t < 3; ++t) {
            const double l = lefts[t], r = l + 0.28, top = tops[t];
            if (t > 0)
                outline << at(l, 0.45);
            outline << at(l, top);
            for (int m = 0; m < 3; ++m) {
                const double x = l + m * 0.1;
                outline << at(x + 0.08, top) << at(x + 0.08, top + 0.06) << at(x + 0.1, top + 0.06);
                if (m < 2)
                    outline << at(x + 0.1, top);
            }
            outline << at(r, top) << at(r, top + 0.06);
            outline.removeLast();
            outline << at(r, top);
            if (t < 2)
                outline << at(r, 0.45);
        }
        outline << at(1.0, 1.0);
        k.addPolygon(outline);
        k.closeSubpath();
        path(k, c);
        // Gate and windows.
        QPainterPath gate;
        gate.addRoundedRect(QRectF(at(0.42, 0.68), at(0.58, 1.0)), 3, 3);
        gate.addRect(QRectF(at(0.11, 0.42), at(0.17, 0.55)));
        gate.addRect(QRectF(at(0.83, 0.42), at(0.89, 0.55)));
        gate.addRect(QRectF(at(0.47, 0.2), at(0.53, 0.33)));
        path(gate, kSable, false);
    }

    void alerion(QPointF c, double size, const QColor& colour)
    {
        QPainterPath b;
        b.addEllipse(QPointF(0, -0.3), 0.12, 0.12);                  // head
        b.addEllipse(QPointF(0, 0.02), 0.14, 0.3);                   // body
        for (int side : {1, -1}) {                                    // wings raised
            b.moveTo(side * 0.1, -0.08);
            b.lineTo(side * 0.5, -0.45);
            b.lineTo(side * 0.45, 0.1);
            b.closeSubpath();
        }
        b.moveTo(-0.1, 0.25);                                         // tail
        b.lineTo(0.1, 0.25);
        b.lineTo(0.2, 0.5);
        b.lineTo(-0.2, 0.5);
        b.closeSubpath();
        b.setFillRule(Qt::WindingFill);
        path(QTransform().translate(c.x(), c.y()).scale(size, size).map(b).simplified(), colour, false);
    }

    void gonfanon(const QColor& c, const QColor& fringe)
    {
        // Hung from two rings under the chief; three tongues, fringed.
        QPainterPath g;
        g.moveTo(18, 18);
        g.lineTo(82, 18);
        g.lineTo(82, 74);
        g.lineTo(76, 88);
        g.lineTo(68, 74);
        g.lineTo(58, 88);
        g.lineTo(50, 74);
        g.lineTo(42, 88);
        g.lineTo(32, 74);
        g.lineTo(24, 88);
        g.lineTo(18, 74);
        g.closeSubpath();
        p.setPen(QPen(fringe, 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(c);
        p.drawPath(g);
        path(g, c);
        for (double x : {30.0, 70.0}) {
            p.setPen(QPen(kOutline, 2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(x, 12), 4, 4);
            p.setPen(Qt::NoPen);
        }
    }

    void moorsHead()
    {
        QPainterPath h;
        h.addEllipse(QRectF(28, 22, 44, 50));
        h.moveTo(30, 40);                       // nose and chin, facing dexter
        h.lineTo(22, 52);
        h.lineTo(30, 56);
        h.lineTo(30, 66);
        h.lineTo(42, 70);
        h.closeSubpath();
        h.addRect(QRectF(40, 60, 26, 30));      // neck
        h.setFillRule(Qt::WindingFill);
        path(h.simplified(), kSable);
        // The headband, knotted at the back.
        QPainterPath band;
        band.moveTo(27, 36);
        band.lineTo(72, 30);
        band.lineTo(73, 38);
        band.lineTo(28, 44);
        band.closeSubpath();
        band.moveTo(70, 34);
        band.lineTo(84, 44);
        band.lineTo(80, 48);
        band.lineTo(68, 38);
        band.closeSubpath();
        band.setFillRule(Qt::WindingFill);
        path(band.simplified(), kArgent);
        p.setBrush(kArgent);
        p.drawEllipse(QPointF(36, 47), 1.8, 1.8);  // the eye
    }

    void label(double y, double left, double right, const QColor& c)
    {
        QPainterPath l;
        l.addRect(QRectF(left, y, right - left, 4));
        const double step = (right - left) / 3;
        for (int k = 0; k < 3; ++k)
            l.addRect(QRectF(left + step * (k + 0.3), y, step * 0.4, 11));
        l.setFillRule(Qt::WindingFill);
        path(l.simplified(), c);
    }
};

// The upper quarters and halves of the shield.
const QRectF kDexter(0, 0, 50, 120), kSinister(50, 0, 50, 120);
const QRectF kQ1(0, 0, 50, 60), kQ2(50, 0, 50, 60), kQ3(0, 60, 50, 60), kQ4(50, 60, 50, 60);

void Draw(Arms& a, int region)
{
    switch (region) {
    case 1:  // Alsace: per pale, a bend argent cotised; a bend or
        a.field(kGules);
        a.within(kDexter, [&] {
            a.bend(9, kArgent, 0, kDexter);
            a.bend(2.5, kArgent, -10, kDexter);
            a.bend(2.5, kArgent, 10, kDexter);
        });
        a.within(kSinister, [&] {
            a.bend(11, kOr, 0, kSinister);
            a.bend(2.5, kOr, -12, kSinister);
            a.bend(2.5, kOr, 12, kSinister);
        });
        break;
    case 2:  // Aquitaine: gules, a leopard or
        a.field(kGules);
        a.leopard(QRectF(10, 30, 80, 48), kOr);
        break;
    case 3:  // Auvergne: or, a gonfanon gules fringed vert
        a.field(kOr);
        a.gonfanon(kGules, kVert);
        break;
    case 4:  // Bourgogne: quarterly, lis and bendy, a bordure gules
        a.field(kAzure);
        for (const QRectF& q : {kQ1, kQ4})
            a.lis(q.center() + QPointF(0, 2), 26, kOr);
        for (const QRectF& q : {kQ2, kQ3})
            a.within(q, [&] {
                for (int k = -3; k <= 3; ++k)
                    if (k % 2 == 0)
                        a.bend(7, kOr, k * 7, q);
            });
        a.bordure(6, kGules);
        break;
    case 5:  // Bretagne: ermine
        a.ermine(QRectF(0, 0, 100, 120));
        break;
    case 6:  // Centre: azure, three lis or, a bordure gules
        a.field(kAzure);
        a.lis({30, 34}, 28, kOr);
        a.lis({70, 34}, 28, kOr);
        a.lis({50, 76}, 28, kOr);
        a.bordure(7, kGules);
        break;
    case 7:  // Champagne-Ardenne: azure, a bend argent between two cotises or
        a.field(kAzure);
        a.bend(18, kArgent);
        a.bend(5, kOr, -17);
        a.bend(5, kOr, 17);
        break;
    case 8:  // Corse: argent, a Moor's head sable with its headband
        a.field(kArgent);
        a.moorsHead();
        break;
    case 9:  // Franche-Comté: azure semé of billets, a lion or
        a.field(kAzure);
        for (int row = 0; row < 7; ++row)
            for (int col = 0; col < 6; ++col)
                a.rect(QRectF(4 + col * 17 + (row % 2) * 8, 4 + row * 17, 4, 8), kOr);
        a.lion(QRectF(16, 14, 68, 84), kOr);
        break;
    case 10:  // Ile de France: azure semé of lis or
        a.field(kAzure);
        for (int row = 0; row < 5; ++row)
            for (int col = -1; col < 4; ++col)
                a.lis({12.0 + col * 26 + (row % 2) * 13, 12.0 + row * 24}, 17, kOr);
        break;
    case 11:  // Languedoc-Roussillon: per pale, the cross of Toulouse; or, four pallets gules
        a.field(kGules);
        a.within(kDexter, [&] { a.toulouseCross({25, 48}, 38, kOr, kGules); });
        a.within(kSinister, [&] {
            a.field(kOr);
            a.pallets(4, kGules, kSinister);
        });
        break;
    case 12:  // Limousin: ermine, a bordure gules
        a.ermine(QRectF(6, 4, 90, 112));
        a.bordure(8, kGules);
        break;
    case 13:  // Lorraine: or, on a bend gules three alerions argent
        a.field(kOr);
        a.bend(24, kGules);
        for (double t : {-0.3, 0.0, 0.3}) {
            const double angle = std::atan2(120.0, 100.0);
            a.alerion(QPointF(50 + t * 100 * std::cos(angle) * 1.3, 60 + t * 100 * std::sin(angle) * 1.3), 18, kArgent);
        }
        break;
    case 14:  // Midi-Pyrénées: gules, the cross of Toulouse or
        a.field(kGules);
        a.toulouseCross({50, 52}, 70, kOr, kGules);
        break;
    case 15:  // Nord-Pas de Calais: per pale, a lion sable on or; lis on azure, a label gules
        a.field(kOr);
        a.within(kDexter, [&] { a.lion(QRectF(4, 22, 44, 64), kSable); });
        a.within(kSinister, [&] {
            a.field(kAzure);
            for (int row = 0; row < 4; ++row)
                for (int col = 0; col < 3; ++col)
                    a.lis({52.0 + col * 17 + (row % 2) * 8, 34.0 + row * 22}, 13, kOr);
            a.label(8, 52, 100, kGules);
        });
        break;
    case 16:  // Basse Normandie: gules, two leopards or
        a.field(kGules);
        a.leopard(QRectF(14, 10, 72, 38), kOr);
        a.leopard(QRectF(14, 58, 72, 38), kOr);
        break;
    case 17:  // Haute Normandie: gules, a leopard or; a base wavy azure and argent
        a.field(kGules);
        a.leopard(QRectF(14, 12, 72, 42), kOr);
        for (int k = 0; k < 4; ++k) {
            QPainterPath wave;
            const double y = 66 + k * 11;
            wave.moveTo(-5, y);
            for (int x = -5; x <= 105; x += 10)
                wave.quadTo(x + 2.5, y - 4, x + 5, y), wave.quadTo(x + 7.5, y + 4, x + 10, y);
            wave.lineTo(105, 130);
            wave.lineTo(-5, 130);
            wave.closeSubpath();
            a.path(wave, k % 2 ? kArgent : kAzure, false);
        }
        break;
    case 18:  // Pays de la Loire: quarterly, lis on azure and ermine
        a.field(kAzure);
        for (const QRectF& q : {kQ1, kQ4})
            a.lis(q.center() + QPointF(0, 2), 30, kOr);
        for (const QRectF& q : {kQ2, kQ3})
            a.within(q, [&] {
                a.rect(q, kArgent);
                for (int row = 0; row < 3; ++row)
                    for (int col = 0; col < 3; ++col)
                        a.ermineSpot(q.topLeft() + QPointF(9 + col * 16 + (row % 2) * 8, 10 + row * 19), 10);
            });
        break;
    case 19:  // Picardie: quarterly, three lis or on azure; three lions gules on argent
        a.field(kAzure);
        for (const QRectF& q : {kQ1, kQ4}) {
            a.lis(q.topLeft() + QPointF(14, 18), 15, kOr);
            a.lis(q.topLeft() + QPointF(36, 18), 15, kOr);
            a.lis(q.topLeft() + QPointF(25, 40), 15, kOr);
        }
        for (const QRectF& q : {kQ2, kQ3})
            a.within(q, [&] {
                a.rect(q, kArgent);
                a.lion(QRectF(q.left() + 4, q.top() + 5, 19, 24), kGules);
                a.lion(QRectF(q.left() + 27, q.top() + 5, 19, 24), kGules);
                a.lion(QRectF(q.left() + 15, q.top() + 31, 19, 24), kGules);
            });
        break;
    case 20:  // Poitou-Charentes: gules, a castle or
        a.field(kGules);
        a.castle(QRectF(16, 24, 68, 60), kOr);
        break;
    case 21:  // Provence-Alpes-Côte d'Azur: or, four pallets gules; a chief azure with three lis
        a.field(kOr);
        a.pallets(4, kGules, QRectF(0, 0, 100, 120));
        a.rect(QRectF(0, 0, 100, 34), kAzure);
        for (double x : {22.0, 50.0, 78.0})
            a.lis({x, 17}, 24, kOr);
        break;
    case 22:  // Rhône-Alpes: per pale, gules a cross argent; or, a dolphin azure
        a.field(kGules);
        a.within(kDexter, [&] {
            a.rect(QRectF(19, 0, 12, 120), kArgent);
            a.rect(QRectF(0, 40, 50, 12), kArgent);
        });
        a.within(kSinister, [&] {
            a.field(kOr);
            a.dolphin(QRectF(54, 22, 42, 64), kAzure);
        });
        break;
    default:
        throw std::runtime_error("arms: no région " + std::to_string(region));
    }
}

} // namespace

QString ArmsFileName(int region)
{
    const QString name = ImageRegion(region);
    if (name.isEmpty())
        throw std::runtime_error("arms: no région " + std::to_string(region));
    return name;
}

QImage CoatOfArms(int region)
{
    QImage image(kArmsWidth, kArmsHeight, QImage::Format_RGB32);
    image.fill(kBackground);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const double scale = (kArmsHeight - 10) / 120.0;
        p.translate((kArmsWidth - 100 * scale) / 2, 5);
        p.scale(scale, scale);
        // A soft shadow, then the field and charges clipped to the shield.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 45));
        p.drawPath(QTransform::fromTranslate(2.5, 2.5).map(Shield()));
        p.save();
        p.setClipPath(Shield());
        Arms arms{p};
        Draw(arms, region);
        p.restore();
        p.setPen(QPen(kOutline, 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(Shield());
    }
    return ToPalette(image);
}

} // namespace datagen
