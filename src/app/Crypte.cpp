#include "app/Crypte.h"

QString Cle;
int32_t PosCar = 0;
int16_t CodeCar = 0;
int16_t CodeCle = 0;
QByteArray TexteCode;

QByteArray Crypte(const QByteArray& key, const QByteArray& text)
{
    TexteCode.clear();
    const int n = text.size();
    if (key.isEmpty())
        return text;  // nothing to combine with; never the case with Cle
    TexteCode.reserve(n);
    for (PosCar = 1; PosCar <= n; ++PosCar) {
        CodeCar = static_cast<unsigned char>(text[PosCar - 1]);
        CodeCle = static_cast<unsigned char>(key[PosCar % key.size()]);
        TexteCode += static_cast<char>(CodeCle ^ CodeCar);
    }
    return TexteCode;
}

QByteArray Crypte(const QString& key, const QByteArray& text)
{
    return Crypte(key.toLatin1(), text);
}
