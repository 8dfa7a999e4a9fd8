#include "quiz/PixelFile.h"

#include "app/Crypte.h"
#include "platform/Conversions.h"
#include "platform/FileSystem.h"

#include <QFile>
#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString FichierPixels(char famille, int numero)
{
    return platform::appFile(QString(QLatin1Char(famille)) + QString::number(numero) + QStringLiteral(".dat"));
}

int ChampPointCarte(const QByteArray& champ, int largeur, bool* estNombre)
{
    QByteArray texte = Crypte(Cle, champ);
    texte = texte.leftJustified(largeur, ' ', true);
    // Digits and blanks only, the usual case: read them straight away.
    int value = 0;
    bool digits = false;
    bool plain = true;
    for (char c : texte) {
        if (c >= '0' && c <= '9') {
            value = value * 10 + (c - '0');
            digits = true;
        } else if (c != ' ') {
            plain = false;
            break;
        }
    }
    if (estNombre)
        *estNombre = plain && digits;
    if (plain)
        return value;
    // A damaged field may spell a huge number: keep it within reach of an int.
    return static_cast<int>(std::clamp(platform::Val(QString::fromLatin1(texte)), -1e6, 1e6));
}

std::vector<PointCarte> LitPointsCarte(const QString& path, bool avecDepartement)
{
    std::vector<PointCarte> points;
    // Opened without blocking so that a named pipe in the place of a file
    // cannot hang the window; only a regular file of a plausible size is read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return points;
    QFile file;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kTailleMaxFichierPixels
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return points;
    }
    const QByteArray data = file.read(kTailleMaxFichierPixels);
    const int count = static_cast<int>(data.size() / kTaillePointCarte);
    points.reserve(count);
    for (int i = 0; i < count; ++i) {
        const char* record = data.constData() + i * kTaillePointCarte;
        PointCarte point;
        bool okX = true, okY = true, okD = true;
        point.x = ChampPointCarte(QByteArray(record, 5), 5, &okX);
        point.y = ChampPointCarte(QByteArray(record + 5, 5), 5, &okY);
        if (avecDepartement)
            point.departement = ChampPointCarte(QByteArray(record + 10, 3), 3, &okD);
        point.valide = okX && okY && okD;
        points.push_back(point);
    }
    return points;
}

QByteArray EcritPointCarte(int x, int y, int departement)
{
    auto field = [](int value, int width) {
        return Crypte(Cle, QByteArray::number(value).rightJustified(width, ' ', true));
    };
    return field(x, 5) + field(y, 5) + field(departement, 3);
}
