// Painting a whole région from its pixel file onto the quiz map, and looking
// up one map click in its column file.
// Usage: bench_map <folder of pixel files>   (for example build/generated/pixels)
#include "app/Crypte.h"
#include "platform/FileSystem.h"
#include "quiz/MapBox.h"
#include "quiz/PixelFile.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_map <folder of pixel files>\n");
        return 2;
    }
    platform::setAppPath(QString::fromLocal8Bit(argv[1]));
    Cle = QString::fromLatin1(kCleValue);

    // The largest région file.
    int largest = 1;
    qint64 size = 0;
    for (int r = 1; r <= 22; ++r) {
        const qint64 s = QFileInfo(FichierPixels('R', r)).size();
        if (s > size) {
            size = s;
            largest = r;
        }
    }
    MapBox map;
    map.resize(473, 497);
    const int rounds = 50;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i) {
        for (const PointCarte& point : LitPointsCarte(FichierPixels('R', largest), false))
            map.setPixel(point.x, point.y, QColor(0, 235, 0));
        map.clearPixels();
    }
    const double paintMs = timer.nsecsElapsed() / 1e6 / rounds;
    std::printf("paint région %d (%lld pixels): %.3f ms\n", largest, size / kTaillePointCarte, paintMs);

    // A click: the column of the map's middle.
    const int column = 224;
    const int clicks = 1000;
    int found = 0;
    timer.restart();
    for (int i = 0; i < clicks; ++i) {
        for (const PointCarte& point : LitPointsCarte(FichierPixels('F', column), true)) {
            if (point.valide && point.x == column && point.y == 200)
                found = point.departement;
        }
    }
    const double clickMs = timer.nsecsElapsed() / 1e6 / clicks;
    std::printf("click lookup in F%d.dat: %.4f ms (département %d)\n", column, clickMs, found);
    return 0;
}
