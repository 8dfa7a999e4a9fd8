#include "app/Sommaire.h"

#include "app/FirstLaunch.h"
#include "app/Globals.h"
#include "app/Windows.h"
#include "platform/Conversions.h"
#include "platform/FileSystem.h"
#include "platform/Fonts.h"
#include "platform/Help.h"
#include "platform/Pictures.h"
#include "platform/Screen.h"

#include <QPainter>
#include <cmath>

using namespace Qt::StringLiterals;
using platform::placeTw;

namespace {
const QString kCrLf = u"\r\n"_s;
}

Sommaire::Sommaire()
{
    setWindowTitle(u"Geomira"_s);
    setClientSizeTw(11400, 8100);

    const QFont heading = platform::designFont(u"Verdana"_s, 14, true);
    const QFont text = platform::designFont(u"Verdana"_s, 9);
    const QFont button = platform::designFont(u"Verdana"_s, 10, true);

    Label2 = new QLabel(u"DIDACTICIEL"_s, this);
    Label2->setFont(heading);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setStyleSheet(u"color: rgb(0, 0, 128);"_s);
    placeTw(Label2, 300, 240, 5250, 450);

    LblDidacticiel = new QLabel(this);
    LblDidacticiel->setFont(text);
    LblDidacticiel->setWordWrap(true);
    LblDidacticiel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTw(LblDidacticiel, 300, 840, 5250, 5040);

    Didac = new QPushButton(u"Cliquez ici"_s, this);
    Didac->setFont(button);
    Didac->setToolTip(u"Lance le didacticiel"_s);
    placeTw(Didac, 1650, 6000, 2550, 540);

    Line1 = platform::makeLine(this, QPoint(platform::tw(5700), platform::tw(240)), QPoint(platform::tw(5700), platform::tw(6600)));

    Label4 = new QLabel(u"JEU"_s, this);
    Label4->setFont(heading);
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setStyleSheet(u"color: rgb(128, 0, 0);"_s);
    placeTw(Label4, 5850, 240, 5250, 450);

    LblJeu = new QLabel(this);
    LblJeu->setFont(text);
    LblJeu->setWordWrap(true);
    LblJeu->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTw(LblJeu, 5850, 840, 5250, 5040);

    Play = new QPushButton(u"Cliquez ici"_s, this);
    Play->setFont(button);
    Play->setToolTip(u"Lance le jeu"_s);
    placeTw(Play, 7200, 6000, 2550, 540);

    Line2 = platform::makeLine(this, QPoint(platform::tw(150), platform::tw(6780)), QPoint(platform::tw(11250), platform::tw(6780)));

    Horloge = new QPushButton(this);
    Horloge->setIcon(platform::speakerIcon(true));
    Horloge->setIconSize(QSize(32, 32));
    Horloge->setToolTip(u"Sons actif"_s);
    placeTw(Horloge, 300, 6930, 660, 660);

    aide = platform::makeHelpButton(this, 10440, 6930, 660, 660, 32);

    StatusBar2 = new platform::BottomStatusBar(this);
    StatusBar2->showMessage(u"Choisissez le didacticiel ou le jeu."_s);

    connect(Play, &QPushButton::clicked, this, &Sommaire::Play_Click);
    connect(Didac, &QPushButton::clicked, this, &Sommaire::Didac_Click);
    connect(Horloge, &QPushButton::clicked, this, &Sommaire::Horloge_Click);
    connect(aide, &QPushButton::clicked, this, &Sommaire::aide_Click);
}

void Sommaire::Form_Load()
{
    EtatSon = 2;

    LblDidacticiel->setText(u"Le didacticiel vous permet d'apprendre la géographie de la France."_s + kCrLf);
    const char16_t* didacticiel[] = {
        u"",
        u"Au sommaire de ce Didacticiel l'apprentissage :",
        u"",
        u" - Du nom des départements",
        u" - Du numéro des départements",
        u" - Du nom des régions",
        u" - Du nom des préfectures départementes",
        u" - Du nom des préfectures régionales",
        u" - De la localisation des départements",
        u" - De la localisation des régions",
        u" - De la superficie des départements et des régions",
        u" - De la population des départements et des régions",
        u" - Des blasons des régions",
    };
    for (const char16_t* line : didacticiel)
        LblDidacticiel->setText(LblDidacticiel->text() + QString::fromUtf16(line) + kCrLf);

    LblJeu->setText(u"Vous êtes prêt pour tester vos connaissances alors JOUONS !"_s + kCrLf);
    const char16_t* jeu[] = {
        u"",
        u"Ce menu vous offre 31 jeux différents avec plusieurs options :",
        u"",
        u" - Un niveau facile (avec de l'aide)",
        u" - Un niveau difficiel (sans aide)",
        u" - Un temps de réponse illimité",
        u" - Un temps de réponse limité mais non fixé",
        u" - Choix du nombre de question",
        u" - Test avec toutes les questions",
    };
    for (const char16_t* line : jeu)
        LblJeu->setText(LblJeu->text() + QString::fromUtf16(line) + kCrLf);
}

void Sommaire::Form_QueryUnload() { win::UnloadAll(); }

void Sommaire::VerifiePremierLancement() { PremierLancement(); }

void Sommaire::Play_Click()
{
    VerifiePremierLancement();
    win::Sommaire.Hide();
    win::CarteDep.Unload();
    win::Menu.Show();
}

void Sommaire::Didac_Click()
{
    VerifiePremierLancement();
    win::Sommaire.Hide();
    win::CarteDep.Unload();
    win::Didacticiel.Show();
}

void Sommaire::Horloge_Click()
{
    EtatSon = EtatSon + 1;
    if (EtatSon == 3)
        EtatSon = 1;
    QImage picture;
    if (EtatSon == 2) {
        picture = platform::LoadPicture(platform::appFile(u"sonsok.bmp"_s));
        Horloge->setToolTip(u"Sons actif"_s);
    }
    if (EtatSon == 1) {
        picture = platform::LoadPicture(platform::appFile(u"sonsnon.bmp"_s));
        Horloge->setToolTip(u"Sons inactif"_s);
    }
    // A missing picture file leaves the built-in picture of the switch's state.
    if (picture.isNull())
        Horloge->setIcon(platform::speakerIcon(EtatSon == 2));
    else
        Horloge->setIcon(QIcon(platform::transparentBackground(picture)));
}

void Sommaire::aide_Click() { platform::AfficheAide(this, platform::appFile(u"help/Geomira.chm"_s)); }

void Sommaire::UPDATEPROGRESS(QLabel* PB, double Percent)
{
    // Cleared box, scale 0..100 across; the figure centred; a bar drawn over it
    // from the left in not-xor mode so that the figure shows through.
    QPixmap pixmap(PB->size());
    pixmap.fill(PB->palette().color(QPalette::Window));
    QPainter p(&pixmap);
    const double scale = pixmap.width() / 100.0;
    // "###" shows no digit for zero.
    const double rounded = std::round(Percent);  // "###" rounds halves away from zero
    const QString text = (rounded == 0 ? QString() : QString::number(rounded)) + u"%"_s;
    const QFontMetrics metrics(PB->font());
    p.setFont(PB->font());
    p.setPen(Qt::black);
    const double x = (50.0 - metrics.horizontalAdvance(text) / scale / 2.0) * scale;
    const double y = (pixmap.height() - metrics.height()) / 2.0;
    p.drawText(QPointF(x, y + metrics.ascent()), text);
    p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    p.fillRect(QRectF(0, 0, Percent * scale, pixmap.height()),
               QColor(qBound(0, int(55 + 2 * Percent), 255), 0, qBound(0, int(255 - 2 * Percent), 255)));
    p.end();
    PB->setPixmap(pixmap);
    PB->repaint();
}
