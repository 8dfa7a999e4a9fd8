#include "app/FirstLaunch.h"

#include "app/archive/ccZip.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Screen.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {
// Far above the real archive (542 files, 3 MB), low enough to stop a hostile one at once.
constexpr quint32 kEntreesMax = 5000;
constexpr quint64 kTailleMax = 64 * 1024 * 1024;

// Only the pixel files the program reads (FichierPixels) may come out of the data
// archive: anything else could replace the program, its help or its sounds.
bool fichierDePixels(const QString& name)
{
    if (name.size() < 6 || !u"DRF"_s.contains(name.front()) || !name.endsWith(u".dat"_s))
        return false;
    const QStringView numero = QStringView(name).sliced(1, name.size() - 5);
    bool nombre = false;
    const uint n = numero.toUInt(&nombre);
    return nombre && QString::number(n) == numero;
}

QString raison(qint32 code, const QString& entree)
{
    switch (code) {
    case ziplib::UZ_NOZIP: return u"L'archive est introuvable."_s;
    case ziplib::UZ_REFUSED: return u"L'archive contient un fichier refusé : "_s + entree;
    case ziplib::UZ_BADPWD: return u"L'archive est protégée par un mot de passe."_s;
    case ziplib::UZ_TOOBIG: return u"L'archive est trop volumineuse."_s;
    case ziplib::UZ_DISK: return u"Le disque est plein ou le dossier du logiciel est en lecture seule."_s;
    case ziplib::UZ_INTHEWAY: return u"Un dossier porte le nom d'un fichier de données : "_s + entree;
    default: return u"L'archive est endommagée ou illisible."_s;
    }
}

// A fresh archive object for each press: Init, then the whole archive
// unpacked into the folder, existing files replaced, within the guard.
QString decompresseArchive(const QString& archive, const QString& folder)
{
    auto zip = std::make_shared<ccZip>();
    zip->Init(archive);
    ziplib::UnzipGuard guard;
    guard.accepts = fichierDePixels;
    guard.maxEntries = kEntreesMax;
    guard.maxSize = kTailleMax;
    guard.refuseEncrypted = true;
    const qint32 code = zip->Decompress(folder, QString(), &guard);
    return code == 0 ? QString() : raison(code, guard.failedEntry);
}

Decompresseur& decompresseur()
{
    static Decompresseur unpack = decompresseArchive;
    return unpack;
}
} // namespace

void setDecompresseur(Decompresseur unpack) { decompresseur() = unpack ? std::move(unpack) : decompresseArchive; }

bool DonneesPresentes()
{
    for (const char16_t* name : {u"F150.dat", u"D50.dat", u"R10.dat"}) {
        if (!platform::Fso().FileExists(platform::appFile(QString::fromUtf16(name))))
            return false;
    }
    return true;
}

bool PremierLancement()
{
    if (DonneesPresentes())
        return true;
    platform::MsgBox(u"Veuillez patientez pendant la création des fichiers nécessaires au logiciel"_s + u"\r\n"_s,
                     platform::vbInformation, u"1er lancement du logiciel"_s);
    platform::TheScreen().setMousePointer(platform::vbHourglass);
    const QString archive = platform::appFile(u"Geomira.zip"_s);
    QString pourquoi = decompresseur()(archive, platform::appPath());
    platform::TheScreen().setMousePointer(platform::vbDefault);
    if (pourquoi.isEmpty() && DonneesPresentes())
        return true;
    if (pourquoi.isEmpty())
        pourquoi = u"L'archive ne contient pas toutes les données du logiciel."_s;
    // A partial unpacking must not pass for a complete one at the next press.
    for (const char16_t* name : {u"F150.dat", u"D50.dat", u"R10.dat"})
        QFile::remove(platform::appFile(QString::fromUtf16(name)));
    platform::MsgBox(u"Les données du logiciel n'ont pas pu être installées."_s + u"\r\n"_s + pourquoi + u"\r\n\r\n"_s
                         + u"L'archive a été cherchée ici :"_s + u"\r\n"_s + QDir::toNativeSeparators(archive),
                     platform::vbCritical, u"1er lancement du logiciel"_s);
    return false;
}
