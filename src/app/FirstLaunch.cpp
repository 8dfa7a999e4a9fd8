#include "app/FirstLaunch.h"

#include "app/archive/ccZip.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Screen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

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

// The files whose presence stands for the whole data set, in the order the check tests them.
constexpr const char16_t* kTemoins[] = {u"F150.dat", u"D50.dat", u"R10.dat"};

// Where the archive is unpacked, inside the application folder (so that its files
// are moved, not copied, into place).
constexpr char16_t kDossierInstallation[] = u".installation";

// Removes what an earlier, interrupted installation left; never follows a link.
void retire(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        QDir(path).removeRecursively();
    else
        QFile::remove(path);
}

// Moves the unpacked set into the application folder, the files the check looks
// for last: a set cut short by a crash or a kill is then never taken for whole,
// and the next press installs it again.
qint32 metEnPlace(const QString& temporaire, const QString& folder, QString* entree)
{
    QStringList noms = QDir(temporaire).entryList(QDir::Files, QDir::Name);
    for (const char16_t* temoin : kTemoins) {
        if (noms.removeAll(QString::fromUtf16(temoin)))
            noms.append(QString::fromUtf16(temoin));
    }
    for (const QString& nom : noms) {
        const QFileInfo cible(QDir(folder).filePath(nom));
        if (cible.isDir() && !cible.isSymLink())
            return *entree = nom, ziplib::UZ_INTHEWAY;
    }
    for (const QString& nom : noms) {
        // rename() replaces a file, or a link itself, never what a link points to.
        if (std::rename(QFile::encodeName(QDir(temporaire).filePath(nom)).constData(),
                        QFile::encodeName(QDir(folder).filePath(nom)).constData()) != 0)
            return *entree = nom, ziplib::UZ_DISK;
    }
    return ziplib::UZ_OK;
}

// A fresh archive object for each press: Init, then the whole archive unpacked,
// within the guard, into a folder of its own, and moved into place once whole.
QString decompresseArchive(const QString& archive, const QString& folder)
{
    const QString temporaire = QDir(folder).filePath(QString::fromUtf16(kDossierInstallation));
    retire(temporaire);
    auto zip = std::make_shared<ccZip>();
    zip->Init(archive);
    ziplib::UnzipGuard guard;
    guard.accepts = fichierDePixels;
    guard.maxEntries = kEntreesMax;
    guard.maxSize = kTailleMax;
    guard.refuseEncrypted = true;
    qint32 code = zip->Decompress(temporaire, QString(), &guard);
    if (code == ziplib::UZ_OK)
        code = metEnPlace(temporaire, folder, &guard.failedEntry);
    retire(temporaire);
    return code == ziplib::UZ_OK ? QString() : raison(code, guard.failedEntry);
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
    for (const char16_t* name : kTemoins) {
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
    // Nothing already in the folder is removed: the set is moved into place with the
    // three files above last, so a set left short still fails the check at the next press.
    platform::MsgBox(u"Les données du logiciel n'ont pas pu être installées."_s + u"\r\n"_s + pourquoi + u"\r\n\r\n"_s
                         + u"L'archive a été cherchée ici :"_s + u"\r\n"_s + QDir::toNativeSeparators(archive),
                     platform::vbCritical, u"1er lancement du logiciel"_s);
    return false;
}
