// First-launch unpacking: the data archive unpacked by the archive component
// into an empty folder, as the hub does it.
// Usage: bench_unpack <Geomira.zip> <empty target folder>
#include "app/archive/ccZip.h"

#include <QCoreApplication>
#include <cstdio>
#include <memory>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_unpack <archive> <target folder>\n");
        return 2;
    }
    auto zip = std::make_shared<ccZip>();
    zip->Init(QString::fromLocal8Bit(argv[1]));
    const int result = zip->Decompress(QString::fromLocal8Bit(argv[2]), QString());
    return result == 0 ? 0 : 1;
}
