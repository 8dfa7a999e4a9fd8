#include "LabelRaster.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>

namespace datagen {

namespace {

constexpr int kDx4[4] = {0, -1, 1, 0};
constexpr int kDy4[4] = {-1, 0, 0, 1};

// Fills one path into the scratch picture and calls visit(i) for every covered pixel.
template <typename Visit>
void FillPath(QImage& scratch, const QPainterPath& path, Visit visit)
{
    const QRect box = path.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1).intersected(scratch.rect());
    if (box.isEmpty())
        return;
    for (int y = box.top(); y <= box.bottom(); ++y)
        std::fill_n(reinterpret_cast<uint32_t*>(scratch.scanLine(y)) + box.left(), box.width(), 0u);
    {
        QPainter painter(&scratch);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillPath(path, Qt::black);
    }
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const auto* line = reinterpret_cast<const uint32_t*>(scratch.constScanLine(y));
        for (int x = box.left(); x <= box.right(); ++x)
            if (line[x] != 0)
                visit(y * scratch.width() + x);
    }
}

QPainterPath RingsPath(const std::vector<QPolygonF>& rings, const QTransform& t)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const QPolygonF& ring : rings)
        path.addPolygon(t.map(ring)), path.closeSubpath();
    return path;
}

struct Work {
    int w, h;
    std::vector<uint8_t> area;
    std::vector<uint16_t> part;  // which ring of the source a pixel was filled from (1-based, global)
};

// One-pixel slivers and enclosed gaps: an empty pixel with at least `needed`
// labelled 4-neighbours, or lying between two départements, takes the most
// frequent label around it. Returns the number filled.
int FillGaps(Work& wk, int needed, const std::vector<uint8_t>* onlyWhere)
{
    std::vector<std::pair<int, int>> changes;  // pixel, neighbour pixel it copies
    for (int y = 0; y < wk.h; ++y)
        for (int x = 0; x < wk.w; ++x) {
            const int i = y * wk.w + x;
            if (wk.area[i] != 0 || (onlyWhere && !(*onlyWhere)[i]))
                continue;
            int count = 0, best = -1, bestVotes = 0;
            int nb[4];
            for (int k = 0; k < 4; ++k) {
                const int nx = x + kDx4[k], ny = y + kDy4[k];
                nb[k] = (nx >= 0 && ny >= 0 && nx < wk.w && ny < wk.h && wk.area[ny * wk.w + nx]) ? ny * wk.w + nx : -1;
                count += nb[k] >= 0;
            }
            // Between two départements facing each other across it, a pixel
            // is a sliver even when the gap is open at the coast.
            const bool between = (nb[1] >= 0 && nb[2] >= 0 && wk.area[nb[1]] != wk.area[nb[2]])
                || (nb[0] >= 0 && nb[3] >= 0 && wk.area[nb[0]] != wk.area[nb[3]]);
            if (count < needed && !(needed > 1 && between))
                continue;
            for (int k = 0; k < 4; ++k) {
                if (nb[k] < 0)
                    continue;
                int votes = 0;
                for (int j = 0; j < 4; ++j)
                    votes += nb[j] >= 0 && wk.area[nb[j]] == wk.area[nb[k]];
                if (votes > bestVotes)
                    bestVotes = votes, best = nb[k];
            }
            changes.emplace_back(i, best);
        }
    for (auto [i, from] : changes)
        wk.area[i] = wk.area[from], wk.part[i] = wk.part[from];
    return int(changes.size());
}

// Empty pixels that the outside cannot reach through empty pixels.
std::vector<uint8_t> EnclosedGaps(const Work& wk)
{
    std::vector<uint8_t> reached(wk.area.size(), 0);
    std::vector<int> stack;
    auto push = [&](int x, int y) {
        const int i = y * wk.w + x;
        if (!wk.area[i] && !reached[i])
            reached[i] = 1, stack.push_back(i);
    };
    for (int x = 0; x < wk.w; ++x)
        push(x, 0), push(x, wk.h - 1);
    for (int y = 0; y < wk.h; ++y)
        push(0, y), push(wk.w - 1, y);
    while (!stack.empty()) {
        const int i = stack.back();
        stack.pop_back();
        const int x = i % wk.w, y = i / wk.w;
        for (int k = 0; k < 4; ++k) {
            const int nx = x + kDx4[k], ny = y + kDy4[k];
            if (nx >= 0 && ny >= 0 && nx < wk.w && ny < wk.h)
                push(nx, ny);
        }
    }
    std::vector<uint8_t> enclosed(wk.area.size(), 0);
    for (size_t i = 0; i < wk.area.size(); ++i)
        enclosed[i] = !wk.area[i] && !reached[i];
    return enclosed;
}

// A pixel is a border when its right or lower neighbour lies in another
// département: the line between two départements is then one pixel wide.
void DrawBorders(LabelRaster& r, const RegionTable& regionOf)
{
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x) {
            const int i = r.at(x, y);
            const int a = r.area[i];
            Edge e = Edge::None;
            if (a != 0) {
                for (auto [nx, ny] : {std::pair{x + 1, y}, std::pair{x, y + 1}}) {
                    if (!r.inside(nx, ny))
                        continue;
                    const int b = r.area[r.at(nx, ny)];
                    if (b == 0 || b == a)
                        continue;
                    e = std::max(e, regionOf[a] != regionOf[b] ? Edge::Region : Edge::Departement);
                }
            }
            r.edge[i] = e;
        }
}

// 4-connected pieces of the clickable pixels of every département.
std::vector<std::vector<int>> Pieces(const LabelRaster& r)
{
    std::vector<std::vector<int>> pieces;
    std::vector<uint8_t> seen(r.area.size(), 0);
    std::vector<int> stack;
    for (int start = 0; start < int(r.area.size()); ++start) {
        if (seen[start] || r.area[start] == 0 || r.edge[start] != Edge::None)
            continue;
        const int label = r.area[start];
        std::vector<int> piece;
        seen[start] = 1;
        stack.push_back(start);
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            piece.push_back(i);
            const int x = i % r.width, y = i / r.width;
            for (int k = 0; k < 4; ++k) {
                const int nx = x + kDx4[k], ny = y + kDy4[k];
                if (!r.inside(nx, ny))
                    continue;
                const int j = r.at(nx, ny);
                if (!seen[j] && r.area[j] == label && r.edge[j] == Edge::None)
                    seen[j] = 1, stack.push_back(j);
            }
        }
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

} // namespace

QTransform FitToWidth(const SvgMap& map, int width, int margin)
{
    const double scale = (width - 2.0 * margin) / map.viewBox.width();
    QTransform t;
    t.translate(margin, margin);
    t.scale(scale, scale);
    t.translate(-map.viewBox.x(), -map.viewBox.y());
    return t;
}

QTransform FitCentred(const SvgMap& map, QSize size, int margin)
{
    const double scale = std::min((size.width() - 2.0 * margin) / map.viewBox.width(),
                                  (size.height() - 2.0 * margin) / map.viewBox.height());
    QTransform t;
    t.translate(std::floor((size.width() - scale * map.viewBox.width()) / 2),
                std::floor((size.height() - scale * map.viewBox.height()) / 2));
    t.scale(scale, scale);
    t.translate(-map.viewBox.x(), -map.viewBox.y());
    return t;
}

std::array<int, 98> CountPieces(const LabelRaster& raster)
{
    std::array<int, 98> count{};
    for (const auto& piece : Pieces(raster))
        ++count[raster.area[piece.front()]];
    return count;
}

LabelRaster Rasterise(const SvgMap& map, const RasterOptions& options, const RegionTable& regionOf)
{
    Work wk{options.size.width(), options.size.height(), {}, {}};
    wk.area.assign(size_t(wk.w) * wk.h, 0);
    wk.part.assign(wk.area.size(), 0);
    QImage scratch(options.size, QImage::Format_ARGB32_Premultiplied);
    scratch.fill(0);

    // 1. Fill, without antialiasing. Holes of a ring (an enclave of another
    //    département) stay empty for the département that fills them.
    uint16_t nextPart = 1;
    for (const Outline& outline : map.outlines) {
        const auto dep = uint8_t(outline.index);
        FillPath(scratch, RingsPath(outline.rings, options.viewToImage), [&](int i) {
            if (wk.area[i] == 0)
                wk.area[i] = dep;
        });
        // The outer rings, largest first, tell the source's separate pieces apart.
        std::vector<const QPolygonF*> rings;
        for (const QPolygonF& ring : outline.rings)
            rings.push_back(&ring);
        std::sort(rings.begin(), rings.end(), [](auto* a, auto* b) {
            return std::abs(SignedArea(*a)) > std::abs(SignedArea(*b));
        });
        const bool outerSign = SignedArea(*rings.front()) > 0;
        const uint16_t firstPart = nextPart;
        for (const QPolygonF* ring : rings) {
            if ((SignedArea(*ring) > 0) != outerSign)
                continue;  // a hole
            const uint16_t part = nextPart++;
            FillPath(scratch, RingsPath({*ring}, options.viewToImage), [&](int i) {
                if (wk.area[i] == dep && wk.part[i] == 0)
                    wk.part[i] = part;
            });
        }
        for (size_t i = 0; i < wk.area.size(); ++i)
            if (wk.area[i] == dep && wk.part[i] == 0)
                wk.part[i] = firstPart;
    }

    // 2. Close the slivers the source leaves between neighbours, then any gap
    //    enclosed by land.
    for (int pass = 0; pass < 8 && FillGaps(wk, 3, nullptr) > 0; ++pass) {
    }
    for (int pass = 0; pass < 64; ++pass) {
        const std::vector<uint8_t> enclosed = EnclosedGaps(wk);
        if (std::find(enclosed.begin(), enclosed.end(), 1) == enclosed.end())
            break;
        FillGaps(wk, 1, &enclosed);
    }

    LabelRaster r;
    r.width = wk.w;
    r.height = wk.h;
    r.area = wk.area;
    r.edge.assign(r.area.size(), Edge::None);

    // 3. Borders, then reattach cut-off pieces that are not a ring of their own
    //    in the source; repeat until every département is whole.
    for (int round = 0;; ++round) {
        DrawBorders(r, regionOf);
        const auto pieces = Pieces(r);
        // Largest piece of every source ring.
        std::map<int, size_t> largest;  // part -> piece number
        std::vector<int> pieceParts(pieces.size());
        for (size_t p = 0; p < pieces.size(); ++p) {
            std::map<int, int> votes;
            for (int i : pieces[p])
                ++votes[wk.part[i]];
            pieceParts[p] = std::max_element(votes.begin(), votes.end(),
                                             [](auto& a, auto& b) { return a.second < b.second; })->first;
            auto it = largest.find(pieceParts[p]);
            if (it == largest.end() || pieces[it->second].size() < pieces[p].size())
                largest[pieceParts[p]] = p;
        }
        int moved = 0;
        for (size_t p = 0; p < pieces.size(); ++p) {
            if (largest[pieceParts[p]] == p)
                continue;
            ++moved;
            // Give the piece to the département around it (or to the sea when
            // it lies alone off the coast).
            const int own = r.area[pieces[p].front()];
            std::map<int, std::pair<int, int>> around;  // label -> votes, a pixel of it
            for (int i : pieces[p]) {
                const int x = i % r.width, y = i / r.width;
                for (int dy = -2; dy <= 2; ++dy)
                    for (int dx = -2; dx <= 2; ++dx) {
                        if (!r.inside(x + dx, y + dy))
                            continue;
                        const int j = r.at(x + dx, y + dy);
                        if (r.area[j] != 0 && r.area[j] != own)
                            ++around[r.area[j]].first, around[r.area[j]].second = j;
                    }
            }
            int newLabel = 0, from = -1, bestVotes = 0;
            for (auto& [label, v] : around)
                if (v.first > bestVotes)
                    bestVotes = v.first, newLabel = label, from = v.second;
            for (int i : pieces[p]) {
                r.area[i] = uint8_t(newLabel);
                wk.part[i] = from >= 0 ? wk.part[from] : 0;
            }
        }
        if (moved == 0)
            break;
        if (round == 20)
            throw std::runtime_error("raster: cut-off pieces remain after 20 rounds");
    }

    // 4. Requirements.
    std::array<int, 98> count{};
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x) {
            ++count[r.departement(x, y)];
            if (options.keepFree.contains(x, y) && r.isLand(x, y))
                throw std::runtime_error("raster: land at (" + std::to_string(x) + ", " + std::to_string(y)
                                         + ") in the area that must stay free");
        }
    for (const Outline& outline : map.outlines)
        if (count[outline.index] < options.minPixels)
            throw std::runtime_error("raster: département " + outline.id.toStdString() + " has only "
                                     + std::to_string(count[outline.index]) + " pixels");
    return r;
}

} // namespace datagen
