#include "app/Menu.h"

#include "app/Windows.h"
#include "platform/Fonts.h"
#include "platform/Screen.h"

using namespace Qt::StringLiterals;

Menu::Menu()
{
    setWindowTitle(u"Geomira"_s);
    setClientSizeTw(11400, 8100);
    Label4 = new QLabel(this);
    Label4->hide();
    auto* heading = new QLabel(u"Choix du jeu"_s, this);
    heading->setFont(platform::designFont(u"Verdana"_s, 14, true));
    heading->setAlignment(Qt::AlignCenter);
    platform::placeTw(heading, 300, 300, 10800, 600);
    Retour = new QPushButton(u"Sommaire"_s, this);
    platform::placeTw(Retour, 9300, 7350, 1800, 510);
    connect(Retour, &QPushButton::clicked, this, &Menu::Retour_Click);
}

void Menu::Form_QueryUnload() { win::UnloadAll(); }

void Menu::Retour_Click()
{
    win::Menu.Unload();
    win::Sommaire.Show();
}
