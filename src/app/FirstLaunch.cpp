#include "app/FirstLaunch.h"

#include "app/archive/ccZip.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Screen.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {
// A fresh archive object for each press: Init, then the whole archive
// unpacked into the folder, folders kept, existing files replaced.
bool decompresseArchive(const QString& archive, const QString& folder)
{
    auto zip = std::make_shared<ccZip>();
    zip->Init(archive);
    return zip->Decompress(folder, QString()) == 0;
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
    const bool unpacked = decompresseur() && decompresseur()(archive, platform::appPath());
    platform::TheScreen().setMousePointer(platform::vbDefault);
    if (unpacked && DonneesPresentes())
        return true;
    // A partial unpacking must not pass for a complete one at the next press.
    for (const char16_t* name : {u"F150.dat", u"D50.dat", u"R10.dat"})
        QFile::remove(platform::appFile(QString::fromUtf16(name)));
    platform::MsgBox(u"Les données du logiciel n'ont pas pu être installées."_s + u"\r\n\r\n"_s
                         + u"L'archive a été cherchée ici :"_s + u"\r\n"_s + QDir::toNativeSeparators(archive),
                     platform::vbCritical, u"1er lancement du logiciel"_s);
    return false;
}
