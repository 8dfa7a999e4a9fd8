#include "TutorialMaps.h"

#include "Artwork.h"
#include "quiz/Tables.h"

#include <QHash>
#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>

namespace datagen {

namespace {

// A 5 × 7 pixel font for the département numbers: one row per byte, the
// leftmost pixel in bit 4.
struct Glyph {
    char c;
    uint8_t rows[7];
};
constexpr Glyph kGlyphs[] = {
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}}, {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}}, {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}}, {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
    {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}}, {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}}, {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
    {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}}, {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
};
constexpr int kGlyphW = 5, kGlyphH = 7;

int TextWidth(const QString& text)
{
    return int(text.size()) * (kGlyphW + 1) - 1;
}

// Writes text in the palette entry `ink`, centred on (cx, cy).
void DrawText(QImage& image, const QString& text, int cx, int cy, uchar ink)
{
    int x0 = cx - TextWidth(text) / 2;
    const int y0 = cy - kGlyphH / 2;
    for (QChar ch : text) {
        const auto* g = std::find_if(std::begin(kGlyphs), std::end(kGlyphs), [&](const Glyph& g) { return g.c == ch; });
        if (g == std::end(kGlyphs))
            throw std::runtime_error("maps: no glyph for a number");
        for (int row = 0; row < kGlyphH; ++row)
            for (int col = 0; col < kGlyphW; ++col)
                if (g->rows[row] & (0x10 >> col) && image.valid(x0 + col, y0 + row))
                    image.scanLine(y0 + row)[x0 + col] = ink;
        x0 += kGlyphW + 1;
    }
}

// The point of every département farthest from its edges, where its number goes.
std::array<QPoint, 98> LabelPoints(const LabelRaster& r)
{
    const int big = 1 << 20;
    std::vector<int> dist(r.area.size(), 0);
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x) {
            const int d = r.departement(x, y);
            bool inner = d != 0;
            for (auto [nx, ny] : {std::pair{x - 1, y}, std::pair{x + 1, y}, std::pair{x, y - 1}, std::pair{x, y + 1}})
                inner = inner && r.inside(nx, ny) && r.departement(nx, ny) == d;
            dist[r.at(x, y)] = inner ? big : (d != 0 ? 1 : 0);
        }
    // Chessboard distance, in two passes.
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x) {
            int& d = dist[r.at(x, y)];
            for (auto [nx, ny] : {std::pair{x - 1, y}, std::pair{x - 1, y - 1}, std::pair{x, y - 1}, std::pair{x + 1, y - 1}})
                if (r.inside(nx, ny))
                    d = std::min(d, dist[r.at(nx, ny)] + 1);
        }
    for (int y = r.height - 1; y >= 0; --y)
        for (int x = r.width - 1; x >= 0; --x) {
            int& d = dist[r.at(x, y)];
            for (auto [nx, ny] : {std::pair{x + 1, y}, std::pair{x + 1, y + 1}, std::pair{x, y + 1}, std::pair{x - 1, y + 1}})
                if (r.inside(nx, ny))
                    d = std::min(d, dist[r.at(nx, ny)] + 1);
        }
    std::array<double, 98> sx{}, sy{};
    std::array<int, 98> n{};
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x)
            if (const int d = r.departement(x, y))
                sx[d] += x, sy[d] += y, ++n[d];
    std::array<QPoint, 98> best{};
    std::array<int, 98> bestDist{};
    std::array<double, 98> bestOff{};
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x) {
            const int d = r.departement(x, y);
            if (!d)
                continue;
            // Deep enough for a number counts as deepest: then the one
            // nearest the centre wins.
            const int depth = std::min(dist[r.at(x, y)], 7);
            const double off = std::hypot(x - sx[d] / n[d], y - sy[d] / n[d]);
            if (depth > bestDist[d] || (depth == bestDist[d] && off < bestOff[d]))
                bestDist[d] = depth, bestOff[d] = off, best[d] = QPoint(x, y);
        }
    return best;
}

// Départements that meet, across a border pixel or directly.
std::vector<std::set<int>> Neighbours(const LabelRaster& r)
{
    std::vector<std::set<int>> next(98);
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x) {
            const int a = r.area[r.at(x, y)];
            if (!a)
                continue;
            for (auto [nx, ny] : {std::pair{x + 1, y}, std::pair{x + 2, y}, std::pair{x, y + 1}, std::pair{x, y + 2},
                                  std::pair{x + 1, y + 1}, std::pair{x + 1, y - 1}})
                if (r.inside(nx, ny)) {
                    const int b = r.area[r.at(nx, ny)];
                    if (b && b != a)
                        next[a].insert(b), next[b].insert(a);
                }
        }
    return next;
}

// Greedy colouring: the first of `count` colours that no coloured neighbour
// (among those `counts` accepts) has.
template <typename Counts>
std::array<int, 98> Colouring(const LabelRaster& r, int count, Counts counts)
{
    const auto next = Neighbours(r);
    std::array<int, 98> colour{};
    colour.fill(-1);
    for (int d = 1; d <= 96; ++d) {
        std::set<int> taken;
        for (int b : next[d])
            if (counts(d, b))
                taken.insert(colour[b]);
        int c = 0;
        while (taken.count(c))
            ++c;
        if (c >= count)
            throw std::runtime_error("maps: too few colours for département " + std::to_string(d));
        colour[d] = c;
    }
    return colour;
}

// A map picture: the raster's pixels in the given colours, a silver margin.
class MapPicture {
public:
    MapPicture(const LabelRaster& r, QSize size, const std::array<QColor, 98>& fill, const QColor& depLine,
               const QColor& regionLine = kRegionLine)
        : r_(r), fill_(fill), depLine_(depLine), regionLine_(regionLine), image_(size, QImage::Format_Indexed8)
    {
        if (size.width() < r.width || size.height() < r.height)
            throw std::runtime_error("maps: a picture smaller than the map");
        image_.setColorTable({});
        image_.fill(index(kSilver));
        for (int y = 0; y < r.height; ++y) {
            uchar* line = image_.scanLine(y);
            for (int x = 0; x < r.width; ++x)
                line[x] = index(colourAt(x, y));
        }
    }

    // Writes every département's number at its label point, and the numbers
    // of the smallest ones in an enlarged view of the Paris area.
    void addNumbers()
    {
        const auto points = LabelPoints(r_);
        const uchar ink = index(kNumberInk);
        for (int d = 1; d <= 96; ++d)
            if (!IsParisInset(d))
                DrawText(image_, NumeroDep(d), points[d].x(), points[d].y(), ink);

        // The enlarged view: centred on the four small départements.
        QRect around;
        for (int d : {75, 92, 93, 94})
            around |= QRect(points[d], QSize(1, 1));
        const int side = kParisInset.width() / kParisZoom;
        const QPoint origin = around.center() - QPoint(side / 2, side / 2);
        for (int y = kParisInset.top() - 1; y <= kParisInset.bottom() + 1; ++y)
            for (int x = kParisInset.left() - 1; x <= kParisInset.right() + 1; ++x)
                if (r_.isLand(x, y))
                    throw std::runtime_error("maps: the enlarged view of Paris would cover land");
        for (int v = 0; v < kParisInset.height(); ++v)
            for (int u = 0; u < kParisInset.width(); ++u) {
                const int x = origin.x() + u / kParisZoom, y = origin.y() + v / kParisZoom;
                const int a = r_.area[r_.at(x, y)];
                QColor c = a ? fill_[a] : kSilver;
                // Thin borders on the block edges where the département changes.
                auto line = [&](int nx, int ny) {
                    const int b = r_.area[r_.at(nx, ny)];
                    if (a && b && a != b)
                        c = RegionsDiffer(a, b) ? regionLine_ : depLine_.isValid() ? depLine_ : c;
                };
                if (u % kParisZoom == 0 && u > 0)
                    line(x - 1, y);
                if (v % kParisZoom == 0 && v > 0)
                    line(x, y - 1);
                image_.scanLine(kParisInset.top() + v)[kParisInset.left() + u] = index(c);
            }
        for (int d : {75, 92, 93, 94})
            DrawText(image_, NumeroDep(d), kParisInset.left() + (points[d].x() - origin.x()) * kParisZoom + 2,
                     kParisInset.top() + (points[d].y() - origin.y()) * kParisZoom + 2, ink);
        Frame(kParisInset.adjusted(-1, -1, 1, 1), ink);
    }

    void setRegions(const RegionTable* regionOf) { regionOf_ = regionOf; }
    QImage take() { return image_; }

    static bool IsParisInset(int d) { return d == 75 || d == 92 || d == 93 || d == 94; }

private:
    QColor colourAt(int x, int y) const
    {
        const int i = r_.at(x, y);
        if (!r_.area[i])
            return kSilver;
        switch (r_.edge[i]) {
        case Edge::Region:
            return regionLine_;
        case Edge::Departement:
            return depLine_.isValid() ? depLine_ : fill_[r_.area[i]];
        case Edge::None:
            break;
        }
        return fill_[r_.area[i]];
    }

    bool RegionsDiffer(int a, int b) const { return !regionOf_ || (*regionOf_)[a] != (*regionOf_)[b]; }

    void Frame(const QRect& rect, uchar ink)
    {
        for (int x = rect.left(); x <= rect.right(); ++x)
            image_.scanLine(rect.top())[x] = image_.scanLine(rect.bottom())[x] = ink;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            image_.scanLine(y)[rect.left()] = image_.scanLine(y)[rect.right()] = ink;
    }

    uchar index(const QColor& c)
    {
        const QRgb rgb = c.rgb();
        auto it = indexes_.find(rgb);
        if (it != indexes_.end())
            return it.value();
        if (indexes_.size() == 256)
            throw std::runtime_error("maps: more than 256 colours");
        const auto i = uchar(indexes_.size());
        indexes_.insert(rgb, i);
        image_.setColorCount(i + 1);
        image_.setColor(i, rgb);
        return i;
    }

    const LabelRaster& r_;
    std::array<QColor, 98> fill_;
    QColor depLine_;
    QColor regionLine_;
    QImage image_;
    QHash<QRgb, uchar> indexes_;
    const RegionTable* regionOf_ = nullptr;
};

std::array<QColor, 98> ByRegion(const RegionTable& regionOf)
{
    std::array<QColor, 98> fill;
    for (int d = 1; d <= 96; ++d)
        fill[d] = TutorialRegionColour(regionOf[d]);
    return fill;
}

} // namespace

QColor TutorialRegionColour(int region)
{
    const int hue = (region * 137) % 360;
    return QColor::fromHsv(hue, 60 + (region % 3) * 25, 245 - (region % 2) * 15);
}

std::array<QColor, 98> DepartementColours(const LabelRaster& raster)
{
    static const QColor kColours[] = {{253, 226, 142}, {178, 223, 160}, {245, 182, 190},
                                      {168, 204, 236}, {243, 196, 140}, {208, 188, 232}};
    const auto colour = Colouring(raster, 6, [](int, int) { return true; });
    std::array<QColor, 98> fill;
    for (int d = 1; d <= 96; ++d)
        fill[d] = kColours[colour[d]];
    return fill;
}

std::array<QColor, 98> CompleteMapColours(const LabelRaster& raster, const RegionTable& regionOf)
{
    const auto shade = Colouring(raster, 4, [&](int a, int b) { return regionOf[a] == regionOf[b]; });
    std::array<QColor, 98> fill;
    for (int d = 1; d <= 96; ++d) {
        const QColor base = TutorialRegionColour(regionOf[d]);
        fill[d] = shade[d] == 0 ? base : shade[d] == 1 ? base.darker(110) : shade[d] == 2 ? base.lighter(106)
                                                                                          : base.darker(120);
    }
    return fill;
}

QImage RegionsInColour(const LabelRaster& raster, const RegionTable& regionOf)
{
    MapPicture picture(raster, kRegionsInColourSize, ByRegion(regionOf), QColor());
    return picture.take();
}

QImage RegionsAndNumbers(const LabelRaster& raster, const RegionTable& regionOf)
{
    MapPicture picture(raster, kRegionsAndNumbersSize, ByRegion(regionOf), kFaintBorder);
    picture.setRegions(&regionOf);
    picture.addNumbers();
    return picture.take();
}

QImage DepartementsAndNumbers(const LabelRaster& raster, const RegionTable&)
{
    const QColor line(110, 110, 110);
    MapPicture picture(raster, kDepartementsAndNumbersSize, DepartementColours(raster), line, line);
    picture.addNumbers();
    return picture.take();
}

QImage CompleteMap(const LabelRaster& raster, const RegionTable& regionOf)
{
    MapPicture picture(raster, kCompleteMapSize, CompleteMapColours(raster, regionOf), QColor(130, 130, 130));
    picture.setRegions(&regionOf);
    picture.addNumbers();
    return picture.take();
}

} // namespace datagen
