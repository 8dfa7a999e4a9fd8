#include "app/Didacticiel.h"

#include "app/Windows.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Fonts.h"
#include "platform/Help.h"
#include "platform/Screen.h"

using namespace Qt::StringLiterals;
using platform::placeTw;

Didacticiel::Didacticiel()
{
    setWindowTitle(u"Geomira"_s);
    setClientSizeTw(7200, 6450);

    LblDidac = new QLabel(u"Didacticiel"_s, this);
    LblDidac->setFont(platform::designFont(u"Verdana"_s, 18, true));
    LblDidac->setAlignment(Qt::AlignCenter);
    LblDidac->setStyleSheet(u"color: rgb(0, 0, 128);"_s);
    placeTw(LblDidac, 300, 240, 6600, 600);

    // The option buttons all stand on the window, so they form one group;
    // they are built from the highest index down.
    const QFont option = platform::designFont(u"Verdana"_s, 10, true);
    const char16_t* subjects[] = {u"DEPARTEMENTS", u"REGIONS", u"SUPERFICIE ET POPULATION"};
    for (int i = 2; i >= 0; --i) {
        Didac[i] = new QRadioButton(QString::fromUtf16(subjects[i]), this);
        Didac[i]->setFont(option);
        placeTw(Didac[i], 900, 1200 + 600 * i, 5700, 420);
        connect(Didac[i], &QRadioButton::clicked, this, [this, i] { Didac_Click(i); });
    }
    const char16_t* sub[] = {u"Des Départements", u"Des Régions"};
    for (int i = 1; i >= 0; --i) {
        SupPop[i] = new QRadioButton(QString::fromUtf16(sub[i]), this);
        SupPop[i]->setFont(platform::designFont(u"Verdana"_s, 10));
        placeTw(SupPop[i], 1500, 3000 + 540 * i, 5100, 420);
        SupPop[i]->hide();
    }

    const QFont button = platform::designFont(u"Verdana"_s, 9, true);
    Ok = new QPushButton(u"C'est parti"_s, this);
    cancel = new QPushButton(u"Annule"_s, this);
    Back = new QPushButton(u"Sommaire"_s, this);
    for (QPushButton* b : {Ok, cancel, Back})
        b->setFont(button);
    placeTw(Ok, 600, 4620, 1800, 510);
    placeTw(cancel, 2580, 4620, 1500, 510);
    placeTw(Back, 4260, 4620, 1680, 510);

    mnuAide = platform::makeHelpButton(this, 6180, 4620, 600, 510, 28);

    StatusBar2 = new platform::BottomStatusBar(this);
    StatusBar2->showMessage(u"Choisissez un sujet puis cliquez sur « C'est parti »."_s);

    connect(Ok, &QPushButton::clicked, this, &Didacticiel::Ok_Click);
    connect(cancel, &QPushButton::clicked, this, &Didacticiel::cancel_Click);
    connect(Back, &QPushButton::clicked, this, &Didacticiel::Back_Click);
    connect(mnuAide, &QPushButton::clicked, this, &Didacticiel::mnuAide_Click);
}

void Didacticiel::Form_Load() { cancel->hide(); }

void Didacticiel::Form_QueryUnload() { win::UnloadAll(); }

void Didacticiel::Didac_Click(int Index)
{
    if (Index == 0 || Index == 1) {
        cancel->hide();
        Didac[0]->show();
        Didac[1]->show();
        SupPop[0]->hide();
        SupPop[1]->hide();
    } else if (Index == 2) {
        cancel->show();
        Didac[0]->hide();
        Didac[1]->hide();
        SupPop[0]->show();
        SupPop[1]->show();
    }
}

void Didacticiel::cancel_Click()
{
    Didac[0]->show();
    Didac[1]->show();
    SupPop[0]->hide();
    SupPop[1]->hide();
    Didac[0]->setChecked(true);
    Didac_Click(0);
}

void Didacticiel::Ok_Click()
{
    if (Didac[2]->isChecked() && !SupPop[0]->isChecked() && !SupPop[1]->isChecked()) {
        platform::MsgBox(u"Veuillez choisir entre départements et régions"_s, platform::vbExclamation,
                         u"Erreur de saisie"_s);
        return;
    }
    if (Didac[0]->isChecked()) {
        win::Didacticiel.Unload();
        win::DidacDept.Show();
    } else if (Didac[1]->isChecked()) {
        win::Didacticiel.Unload();
        win::DidacReg.Show();
    } else if (SupPop[0]->isChecked()) {
        win::Didacticiel.Unload();
        win::DidacPop.Show();
    } else if (SupPop[1]->isChecked()) {
        win::Didacticiel.Unload();
        win::DidacPop2.Show();
    }
}

void Didacticiel::Back_Click()
{
    win::Didacticiel.Unload();
    win::Sommaire.Show();
}

void Didacticiel::mnuAide_Click() { platform::AfficheAide(this, platform::appFile(u"help/Geomira.chm"_s)); }
