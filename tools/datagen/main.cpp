// geomira-datagen: makes the data of the application folder.
//   geomira-datagen --svg MAP --app DIR --stored DIR --pixels DIR [--bench]
#include "Generator.h"
#include "ZipWriter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <stdexcept>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({"svg", "The départements map source.", "file"});
    parser.addOption({"app", "The application folder.", "dir"});
    parser.addOption({"stored", "Folder of the pictures stored with the windows.", "dir"});
    parser.addOption({"pixels", "Folder of the plain pixel files.", "dir"});
    parser.addOption({"bench", "Also time the unpacking of the archive."});
    parser.process(app);
    for (const char* name : {"svg", "app", "stored", "pixels"})
        if (!parser.isSet(name)) {
            std::fprintf(stderr, "geomira-datagen: --%s is required\n", name);
            return 2;
        }
    try {
        QElapsedTimer timer;
        timer.start();
        const datagen::GeneratorReport report = datagen::Generate(
            {parser.value("svg"), parser.value("app"), parser.value("stored"), parser.value("pixels")});
        std::printf("geomira-datagen: %d pixel files (%lld bytes, %d clickable pixels), Geomira.zip %lld bytes, "
                    "%lld ms\n",
                    report.pixelFiles, report.pixelBytes, report.clickablePixels, report.archiveBytes,
                    timer.elapsed());
        if (parser.isSet("bench")) {
            QTemporaryDir dir;
            timer.restart();
            const auto entries = datagen::ReadZip(QDir(parser.value("app")).filePath("Geomira.zip"));
            for (const auto& [name, data] : entries) {
                QFile file(dir.filePath(name));
                if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
                    throw std::runtime_error("cannot unpack " + name.toStdString());
            }
            std::printf("geomira-datagen: unpacked %zu files in %lld ms\n", entries.size(), timer.elapsed());
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "geomira-datagen: %s\n", e.what());
        return 1;
    }
    return 0;
}
