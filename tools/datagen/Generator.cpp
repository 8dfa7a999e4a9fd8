#include "Generator.h"

#include "Artwork.h"
#include "CoatsOfArms.h"
#include "GifWriter.h"
#include "PixelFiles.h"
#include "Sounds.h"
#include "ZipWriter.h"
#include "SvgMap.h"
#include "ThematicMaps.h"
#include "TutorialMaps.h"
#include "app/Crypte.h"
#include "quiz/Tables.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <stdexcept>

namespace datagen {

namespace {

void WriteFile(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + file.errorString().toStdString());
}

void SaveImage(const QImage& image, const QString& path, const char* format, int quality = -1)
{
    QFile::remove(path);
    if (!image.save(path, format, quality))
        throw std::runtime_error("cannot write " + path.toStdString());
}

void MakeDir(const QString& path)
{
    if (!QDir().mkpath(path))
        throw std::runtime_error("cannot create the folder " + path.toStdString());
}

} // namespace

RegionTable RegionsOfDepartements()
{
    RemplitTables();
    RegionTable table{};
    for (int i = 0; i < 98; ++i)
        table[i] = NumRegionDep[i];
    return table;
}

RasterOptions QuizMapOptions(const SvgMap& map)
{
    return {QSize(kMapWidth, kMapHeight), FitToWidth(map, kMapWidth, 2), kTitleLabelStrip, 4};
}

RasterOptions TitleMapOptions(const SvgMap& map)
{
    const QSize size(kTitleWidth, kTitleHeight);
    return {size, FitCentred(map, size, 2), QRect(), 4};
}

GeneratorReport Generate(const GeneratorPaths& paths)
{
    const SvgMap map = ReadSvgMap(paths.svg);
    const RegionTable regionOf = RegionsOfDepartements();
    for (const Outline& outline : map.outlines)
        if (regionOf[outline.index] < 1 || regionOf[outline.index] > 22)
            throw std::runtime_error("no région for département " + outline.id.toStdString());

    for (const QString& dir : {paths.appDir, paths.storedDir, paths.pixelsDir})
        MakeDir(dir);

    GeneratorReport report;

    // The one raster that every map picture and pixel file comes from.
    const LabelRaster raster = Rasterise(map, QuizMapOptions(map), regionOf);
    for (int y = 0; y < raster.height; ++y)
        for (int x = 0; x < raster.width; ++x)
            report.clickablePixels += raster.departement(x, y) != 0;

    // Pixel files: a plain copy for the checks, and the archive.
    const auto pixelFiles = BuildPixelFiles(raster, regionOf, QByteArray(kCleValue));
    QDir pixelsDir(paths.pixelsDir);
    for (const QString& stale : pixelsDir.entryList({"D*.dat", "R*.dat", "F*.dat"}, QDir::Files))
        pixelsDir.remove(stale);
    for (const auto& [name, data] : pixelFiles) {
        WriteFile(pixelsDir.filePath(name), data);
        report.pixelBytes += data.size();
    }
    report.pixelFiles = int(pixelFiles.size());
    const QString archive = QDir(paths.appDir).filePath("Geomira.zip");
    WriteZip(archive, pixelFiles);
    report.archiveBytes = QFileInfo(archive).size();

    // Map pictures.
    const QImage departements = DepartementsMap(raster);
    WriteGif(departements, QDir(paths.storedDir).filePath("carte_departements.gif"));
    WriteGif(departements, QDir(paths.appDir).filePath("GeomiraDepV.gif"));
    WriteGif(RegionsMap(raster), QDir(paths.appDir).filePath("GeomiraRegV.gif"));

    // The tutorials' other views, the régions' coats of arms, the thematic maps.
    WriteGif(RegionsInColour(raster, regionOf), QDir(paths.appDir).filePath("GeomiraA1.gif"));
    WriteGif(RegionsAndNumbers(raster, regionOf), QDir(paths.appDir).filePath("GeomiraA2.gif"));
    WriteGif(CompleteMap(raster, regionOf), QDir(paths.appDir).filePath("GeomiraR4.gif"));
    WriteGif(DepartementsAndNumbers(raster, regionOf), QDir(paths.appDir).filePath("GeomiraR5.gif"));
    for (int region = 1; region <= 22; ++region)
        WriteGif(CoatOfArms(region), QDir(paths.appDir).filePath(ArmsFileName(region)));
    for (bool regions : {false, true})
        for (Statistic statistic : kStatistics)
            WriteGif(ThematicMap(raster, regionOf, statistic, regions),
                     QDir(paths.appDir).filePath(ThematicFileName(statistic, regions)));

    // Title window pictures.
    const LabelRaster title = Rasterise(map, TitleMapOptions(map), regionOf);
    WriteGif(TitleMap(title, regionOf), QDir(paths.storedDir).filePath("title.gif"));
    SaveImage(SmallFlag(false), QDir(paths.storedDir).filePath("small_left.jpg"), "JPG", 92);
    SaveImage(SmallFlag(true), QDir(paths.storedDir).filePath("small_right.jpg"), "JPG", 92);

    // The game chooser's list background.
    WriteGif(ListBackground(map), QDir(paths.storedDir).filePath("list_background.gif"));

    // Buttons and marks.
    SaveImage(Loudspeaker(true), QDir(paths.appDir).filePath("sonsok.bmp"), "BMP");
    SaveImage(Loudspeaker(false), QDir(paths.appDir).filePath("sonsnon.bmp"), "BMP");
    SaveImage(Mark(true), QDir(paths.appDir).filePath("Ok.bmp"), "BMP");
    SaveImage(Mark(false), QDir(paths.appDir).filePath("Faux.bmp"), "BMP");

    // Sounds.
    for (const auto& [name, data] : SoundFiles())
        WriteFile(QDir(paths.appDir).filePath(name), data);

    return report;
}

} // namespace datagen
