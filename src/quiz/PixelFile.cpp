#include "quiz/PixelFile.h"

#include "app/Crypte.h"
#include "platform/Conversions.h"
#include "platform/FileSystem.h"

#include <QFile>

QString FichierPixels(char famille, int numero)
{
    return platform::appFile(QString(QLatin1Char(famille)) + QString::number(numero) + QStringLiteral(".dat"));
}

int ChampPointCarte(const QByteArray& champ, int largeur, bool* estNombre)
{
    QByteArray texte = Crypte(Cle, champ);
    texte = texte.leftJustified(largeur, ' ', true);
    if (estNombre) {
        const QByteArray trimmed = texte.trimmed();
        bool digits = !trimmed.isEmpty();
        for (char c : trimmed)
            digits = digits && c >= '0' && c <= '9';
        *estNombre = digits;
    }
    return static_cast<int>(platform::Val(QString::fromLatin1(texte)));
}

std::vector<PointCarte> LitPointsCarte(const QString& path, bool avecDepartement)
{
    std::vector<PointCarte> points;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return points;
    const QByteArray data = file.readAll();
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
