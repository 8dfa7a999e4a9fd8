#include "tutorials/DidacDept.h"

#include "app/Globals.h"
#include "app/Windows.h"
#include "platform/CloseBox.h"
#include "platform/Controls.h"
#include "platform/Conversions.h"
#include "platform/Fonts.h"
#include "platform/Screen.h"
#include "quiz/MapBox.h"
#include "quiz/Tables.h"

#include <QRadioButton>
#include <array>

using namespace Qt::StringLiterals;
using platform::placeTw;

namespace {

const MapPanel::Vues kVues = {
    {u"Region et n° département", u"Département", u"Complète", u"Test"},
    {u"GeomiraA2.gif", u"GeomiraR5.gif", u"GeomiraR4.gif", u"GeomiraDepV.gif"},
    {7600, 8000, 8200, 7095},
    {8880, 5520, 2895, 1935},
    375,
    {2655, 2295, 2295, 2295},
    {1800, 1440},
    u"Les Départements Français",
    'D',
};

QLabel* etiquette(QWidget* parent, const QString& texte, int l, int t, int w, int h, bool bleu = false)
{
    return EtiquetteFigure(parent, texte, l, t, w, h, bleu, false);
}

// The table of each list but the numbers: names, préfectures, areas, populations 1999.
const std::array<QString, 98>& tableDeListe(int k)
{
    switch (k) {
    case 1:
        return NomDep;
    case 2:
        return PrefDep;
    case 3:
        return SuperfDep;
    default:
        return Pop99Dep;
    }
}

// The first département whose table entry is the text, 0 when none.
int premier(const std::array<QString, 98>& table, const QString& texte) { return PremiereEntree(table, texte, 96); }

} // namespace

DidacDept::DidacDept() : MapPanel(kVues)
{
    setWindowTitle(u"Geomira"_s);
    setClientSizeTw(11910, 8070);

    Label3 = new QLabel(this);  // nothing uses it
    placeTw(Label3, 0, 0, 735, 615);
    Label3->lower();

    moins = new QPushButton(u"-"_s, this);
    placeTw(moins, 7320, 360, 255, 255);
    plus = new QPushButton(u"+"_s, this);
    placeTw(plus, 7560, 360, 255, 255);

    const int gauches[5] = {7920, 8880, 8880, 8880, 8880};
    const int hauts[5] = {240, 240, 720, 1200, 1680};
    const int largeurs[5] = {735, 2895, 2895, 2895, 2895};
    for (int k = 0; k < 5; ++k) {
        ComboD[k] = new ListeDeroulante(true, this);
        ComboD[k]->setGeometry(platform::tw(gauches[k]), platform::tw(hauts[k]), platform::tw(largeurs[k]),
                               ComboD[k]->sizeHint().height());
        connect(ComboD[k], &ListeDeroulante::choisi, this, [this, k] { ComboD_Click(int16_t(k)); });
    }

    Label1 = etiquette(this, u"Préfecture : "_s, 7440, 720, 1335, 375);
    Label4 = etiquette(this, u"Superficie : "_s, 7440, 1200, 1335, 375);
    Label5 = etiquette(this, u"Population 99 :"_s, 7440, 1680, 1335, 375);
    Label6 = etiquette(this, u"Région : "_s, 7440, 2160, 1335, 375);
    Reg = BoiteFigure(this, 8880, 2160, 2895, 315, false);

    Label8 = new QLabel(u"Pour Information :"_s, this);
    Label8->setFont(platform::designFont(u"MS Sans Serif"_s, 8, true));
    Label8->setAlignment(Qt::AlignCenter);
    placeTw(Label8, 7320, 2880, 4575, 375);

    Label10 = etiquette(this, u"Population 90 : "_s, 7440, 3480, 1335, 375, true);
    pop90 = BoiteFigure(this, 9000, 3480, 2775, 315, true);
    Label11 = etiquette(this, u"Nb hab/km² : "_s, 7440, 3960, 1335, 375, true);
    nbh90 = BoiteFigure(this, 9000, 3960, 2775, 315, true);
    Label7 = etiquette(this, u"Nb hab/km² : "_s, 7440, 4440, 1335, 375, true);
    nbh99 = BoiteFigure(this, 9000, 4440, 2775, 315, true);
    Label9 = etiquette(this, u"Evolution : "_s, 7440, 4920, 1335, 495, true);
    Label9->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label9->setContentsMargins(0, 3, 0, 0);
    Evol = BoiteFigure(this, 9000, 4920, 2775, 315, true);

    StatusBar2 = new platform::BottomStatusBar(this);
    StatusBar2->showMessage(u"Choisissez un département dans une liste, avec « - » et « + », ou d'un clic sur la carte."_s);

    connect(moins, &QPushButton::clicked, this, &DidacDept::moins_Click);
    connect(plus, &QPushButton::clicked, this, &DidacDept::plus_Click);
}

void DidacDept::Form_Load()
{
    platform::SupprimeFermeture(this, true);
    EtatSon = 0;
    // The view is chosen before the lists exist: it finds no département to paint.
    Carte[3]->setChecked(true);
    RemplitTables();

    for (ListeDeroulante* liste : ComboD)
        liste->Clear();
    for (int i = 1; i <= 96; ++i) {
        ComboD[0]->AddItem(TexteNumeroDep(i));
        ComboD[1]->AddItem(NomDep[i]);
        ComboD[2]->AddItem(PrefDep[i]);
        ComboD[3]->AddItem(SuperfDep[i]);
        ComboD[4]->AddItem(Pop99Dep[i]);
    }
    // The entries of the Ain in the sorted lists; each selection only writes
    // the figures (the counter reaches 5 with the last one).
    ComboD[0]->setListIndex(0);
    ComboD[1]->setListIndex(0);
    ComboD[2]->setListIndex(21);
    ComboD[3]->setListIndex(40);
    ComboD[4]->setListIndex(49);
    Reg->setText(RegionDep[IndexNumero(ComboD[0]->text())]);
    Label2->setText(u"Ain"_s);
    // The redraw state outlives the windows: a paint the last tutorial left
    // pending would put its item on this map.
    NumAffiche = 1;
    hide();
    show();
    Affiche(1);
}

void DidacDept::ecritChiffres(int n)
{
    if (n < 1 || n > 96)
        return;
    Reg->setText(RegionDep[n]);
    EcritChiffres(nbh99, nbh90, pop90, Evol, SuperfDep[n], Pop90Dep[n], Pop99Dep[n]);
}

void DidacDept::ComboD_Click(int16_t Index)
{
    EtatSon = int16_t(EtatSon + 1);
    // The figures always follow the number list.
    const int n = IndexNumero(ComboD[0]->text());
    ecritChiffres(n);
    if (EtatSon <= 5)
        return;
    if (n < 1 || n > 96)
        return;

    const bool enPhase = premier(NomDep, ComboD[1]->text()) == n && premier(PrefDep, ComboD[2]->text()) == n
        && ComboD[3]->text() == SuperfDep[n] && premier(Pop99Dep, ComboD[4]->text()) == n;
    if (enPhase) {
        changementComplet(int16_t(n), ComboD[1]->text());
        return;
    }

    // The lists disagree: bring them into step from the one that changed.
    // Each text set here runs this handler again, nested, one count higher.
    if (Index == 0) {
        if (EtatSon == 6)
            ComboD[1]->setText(NomDep[n]);
        ComboD[2]->setText(PrefDep[n]);
        ComboD[3]->setText(SuperfDep[n]);
        ComboD[4]->setText(Pop99Dep[n]);
        EtatSon = 5;
    } else if (EtatSon == 6) {
        const int i = premier(tableDeListe(Index), ComboD[Index]->text());
        if (i != 0) {
            ComboD[0]->setText(TexteNumeroDep(i));
            for (int k = 1; k <= 4; ++k) {
                if (k != Index)
                    ComboD[k]->setText(tableDeListe(k)[i]);
            }
        }
        EtatSon = 5;
    }
}

void DidacDept::moins_Click()
{
    const QString t = ComboD[0]->text();
    const int v = int(platform::Val(t));
    QString nouveau;
    if (t == u"  1"_s)
        return;
    if (t == u" 2B"_s)
        nouveau = u" 2A"_s;
    else if (t == u" 30"_s)
        nouveau = u" 2B"_s;
    else if (t == u" 2A"_s)
        nouveau = u" 29"_s;
    else if (v <= 10)
        nouveau = u" "_s + platform::Str(v - 1);
    else if (t == u" 21"_s)
        nouveau = u" 19"_s;
    else
        nouveau = platform::Str(v - 1);
    ComboD[0]->setText(nouveau);
}

void DidacDept::plus_Click()
{
    const QString t = ComboD[0]->text();
    const int v = int(platform::Val(t));
    QString nouveau;
    if (t == u" 95"_s)
        return;
    if (t == u" 29"_s)
        nouveau = u" 2A"_s;
    else if (t == u" 2A"_s)
        nouveau = u" 2B"_s;
    else if (t == u" 2B"_s)
        nouveau = u" 30"_s;
    else if (v < 9)
        nouveau = u" "_s + platform::Str(v + 1);
    else if (t == u" 19"_s)
        nouveau = u" 21"_s;
    else
        nouveau = platform::Str(v + 1);
    ComboD[0]->setText(nouveau);
}

void DidacDept::Stop_Click()
{
    win::DidacDept.Unload();
    win::Sommaire.Show();
}

void DidacDept::Affiche(int16_t n) { peintFichier(n); }

void DidacDept::montreControles(int vue)
{
    const bool test = vue == 3;
    QWidget* controles[] = {moins, plus, ComboD[0], ComboD[1], ComboD[2], ComboD[3], ComboD[4], Reg,
                            Label1, Label2, Label4, Label5, Label6, Label7, Label8, Label9, Label10, Label11,
                            pop90, nbh90, nbh99, Evol};
    for (QWidget* controle : controles)
        controle->setVisible(test);
}
