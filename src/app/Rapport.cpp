#include "app/Rapport.h"

#include "app/Menu.h"
#include "app/Windows.h"
#include "platform/CloseBox.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Fonts.h"
#include "platform/Help.h"
#include "platform/Printer.h"
#include "platform/Screen.h"

using namespace Qt::StringLiterals;
using platform::placeTw;

namespace {
// Games whose error lines list the départements of a région: the report keeps its full width.
bool RapportLarge(const QString& jeu)
{
    return jeu == u"15"_s || jeu == u"17"_s || jeu == u"19"_s || jeu == u"21"_s;
}
} // namespace

Rapport::Rapport()
{
    setWindowTitle(u"Geomira"_s);
    setClientSizeTw(11910, 6135);

    RichTextBox1 = new QTextEdit(this);
    RichTextBox1->setAcceptRichText(true);
    // The report is read and printed, never edited; its text can be selected.
    RichTextBox1->setReadOnly(true);
    RichTextBox1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RichTextBox1->document()->setDefaultFont(platform::designFont(u"MS Sans Serif"_s, 8));
    RichTextBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichTextBox1->setLineWrapMode(QTextEdit::WidgetWidth);
    placeTw(RichTextBox1, 120, 120, 11655, 5055);

    const QFont button = platform::designFont(u"MS Sans Serif"_s, 8);
    Imprime = new QPushButton(u"Imprimer"_s, this);
    aide = new QPushButton(u"Aide"_s, this);
    Fermer = new QPushButton(u"Fermer"_s, this);
    for (QPushButton* b : {Imprime, aide, Fermer})
        b->setFont(button);
    placeTw(Imprime, 120, 5280, 1095, 375);
    placeTw(aide, 5280, 5280, 735, 375);
    placeTw(Fermer, 10800, 5280, 975, 375);

    StatusBar2 = new platform::BottomStatusBar(this);
    StatusBar2->showMessage(u"Correction de vos erreurs"_s);

    connect(Imprime, &QPushButton::clicked, this, &Rapport::Imprime_Click);
    connect(aide, &QPushButton::clicked, this, &Rapport::aide_Click);
    connect(Fermer, &QPushButton::clicked, this, &Rapport::Fermer_Click);
}

void Rapport::Form_Load()
{
    platform::SupprimeFermeture(this, true);
    // The game being played is the chooser's; a report opened without it is narrow.
    const Menu* menu = win::Menu.ifLoaded();
    if (!RapportLarge(menu ? menu->Label4->text() : QString())) {
        RichTextBox1->resize(platform::tw(7035), RichTextBox1->height());
        Fermer->move(platform::tw(6060), Fermer->y());
        setClientSizeTw(7300, 6135);
    }
}

void Rapport::Fermer_Click()
{
    if (platform::MsgBox(u"Confirmez vous la fermeture de cette page ?"_s, platform::vbYesNo + platform::vbQuestion,
                         u"Fermeture demandée"_s)
        == platform::vbNo)
        return;
    // Unloading the game chooser unloads every window, the hidden quiz window included.
    win::Menu.Unload();
    win::Rapport.Unload();
    win::Sommaire.Unload();
    win::Sommaire.Show();
}

void Rapport::Imprime_Click()
{
    if (platform::MsgBox(u"Confirmez vous l'impression de cette page ?"_s, platform::vbYesNo + platform::vbQuestion,
                         u"Impression demandée"_s)
        == platform::vbNo)
        return;
    QString error;
    if (!platform::PrintRichText(*RichTextBox1, &error))
        platform::MsgBox(error, platform::vbExclamation, u"Impression impossible"_s);
}

void Rapport::aide_Click() { platform::AfficheAide(this, platform::appFile(u"help/Geomira.chm"_s)); }
