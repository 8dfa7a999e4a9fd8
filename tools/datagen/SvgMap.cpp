#include "SvgMap.h"

#include <QFile>
#include <QXmlStreamReader>
#include <set>
#include <stdexcept>

namespace datagen {

int IndexOfId(const QString& id)
{
    if (id == QLatin1String("2A"))
        return 96;
    if (id == QLatin1String("2B"))
        return 20;
    if (id.size() != 2 || !id[0].isDigit() || !id[1].isDigit())
        return 0;
    const int n = id.toInt();
    return (n >= 1 && n <= 95 && n != 20) ? n : 0;
}

namespace {

class PathLexer {
public:
    explicit PathLexer(const QString& d) : d_(d) {}

    void skipSeparators()
    {
        while (pos_ < d_.size() && (d_[pos_].isSpace() || d_[pos_] == u','))
            ++pos_;
    }
    bool atEnd()
    {
        skipSeparators();
        return pos_ >= d_.size();
    }
    bool atNumber()
    {
        skipSeparators();
        if (pos_ >= d_.size())
            return false;
        const QChar c = d_[pos_];
        return c.isDigit() || c == u'-' || c == u'+' || c == u'.';
    }
    QChar command()
    {
        skipSeparators();
        return d_[pos_++];
    }
    double number()
    {
        skipSeparators();
        const int start = pos_;
        if (pos_ < d_.size() && (d_[pos_] == u'-' || d_[pos_] == u'+'))
            ++pos_;
        bool seenPoint = false;
        while (pos_ < d_.size() && (d_[pos_].isDigit() || (d_[pos_] == u'.' && !seenPoint))) {
            seenPoint = seenPoint || d_[pos_] == u'.';
            ++pos_;
        }
        if (pos_ < d_.size() && (d_[pos_] == u'e' || d_[pos_] == u'E')) {
            ++pos_;
            if (pos_ < d_.size() && (d_[pos_] == u'-' || d_[pos_] == u'+'))
                ++pos_;
            while (pos_ < d_.size() && d_[pos_].isDigit())
                ++pos_;
        }
        bool ok = false;
        const double value = d_.mid(start, pos_ - start).toDouble(&ok);
        if (!ok)
            throw std::runtime_error("map source: bad number in path data at offset " + std::to_string(start));
        return value;
    }

private:
    const QString& d_;
    int pos_ = 0;
};

} // namespace

std::vector<QPolygonF> ParsePathData(const QString& d)
{
    std::vector<QPolygonF> rings;
    QPolygonF ring;
    QPointF current, start;
    auto closeRing = [&] {
        if (ring.size() >= 3)
            rings.push_back(ring);
        ring.clear();
    };
    PathLexer lex(d);
    QChar cmd;
    while (!lex.atEnd()) {
        if (!lex.atNumber())
            cmd = lex.command();
        else if (cmd.isNull())
            throw std::runtime_error("map source: path data starts with a number");
        const bool rel = cmd.isLower();
        switch (cmd.toLower().unicode()) {
        case u'm': {
            closeRing();
            const double x = lex.number(), y = lex.number();
            current = rel ? current + QPointF(x, y) : QPointF(x, y);
            start = current;
            ring << current;
            cmd = rel ? u'l' : u'L';  // further pairs are line-tos
            break;
        }
        case u'l': {
            const double x = lex.number(), y = lex.number();
            current = rel ? current + QPointF(x, y) : QPointF(x, y);
            ring << current;
            break;
        }
        case u'h': {
            const double x = lex.number();
            current.setX(rel ? current.x() + x : x);
            ring << current;
            break;
        }
        case u'v': {
            const double y = lex.number();
            current.setY(rel ? current.y() + y : y);
            ring << current;
            break;
        }
        case u'z':
            closeRing();
            current = start;
            cmd = QChar();
            break;
        default:
            throw std::runtime_error(std::string("map source: unsupported path command '")
                                     + QString(cmd).toStdString() + "'");
        }
    }
    closeRing();
    return rings;
}

double SignedArea(const QPolygonF& ring)
{
    double sum = 0;
    for (qsizetype i = 0; i < ring.size(); ++i) {
        const QPointF& a = ring[i];
        const QPointF& b = ring[(i + 1) % ring.size()];
        sum += a.x() * b.y() - b.x() * a.y();
    }
    return sum / 2;
}

SvgMap ReadSvgMap(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("map source: cannot open " + path.toStdString()
                                 + " (run `npm ci` in tools/datagen)");
    SvgMap map;
    QXmlStreamReader xml(&file);
    std::set<int> seen;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("svg")) {
            const QStringList box = xml.attributes().value(QLatin1String("viewBox")).toString()
                                        .split(u' ', Qt::SkipEmptyParts);
            if (box.size() == 4)
                map.viewBox = QRectF(box[0].toDouble(), box[1].toDouble(), box[2].toDouble(), box[3].toDouble());
        } else if (xml.name() == QLatin1String("path")) {
            Outline outline;
            outline.id = xml.attributes().value(QLatin1String("id")).toString();
            outline.name = xml.attributes().value(QLatin1String("aria-label")).toString();
            outline.index = IndexOfId(outline.id);
            if (outline.index == 0)
                throw std::runtime_error("map source: unexpected path id '" + outline.id.toStdString() + "'");
            if (!seen.insert(outline.index).second)
                throw std::runtime_error("map source: path id '" + outline.id.toStdString() + "' twice");
            outline.rings = ParsePathData(xml.attributes().value(QLatin1String("d")).toString());
            if (outline.rings.empty())
                throw std::runtime_error("map source: empty outline '" + outline.id.toStdString() + "'");
            map.outlines.push_back(std::move(outline));
        }
    }
    if (xml.hasError())
        throw std::runtime_error("map source: " + xml.errorString().toStdString());
    if (map.outlines.size() != 96)
        throw std::runtime_error("map source: " + std::to_string(map.outlines.size()) + " départements instead of 96");
    if (!map.viewBox.isValid())
        throw std::runtime_error("map source: no view box");
    return map;
}

} // namespace datagen
