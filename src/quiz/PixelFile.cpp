#include "quiz/PixelFile.h"

#include "app/Crypte.h"
#include "platform/Conversions.h"
#include "platform/FileSystem.h"

#include <algorithm>

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
    const QByteArray data = platform::readRegularFile(path, kTailleMaxFichierPixels);
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
