#include "tutorials/DidacReg.h"

#include "app/Globals.h"
#include "app/Windows.h"
#include "platform/CloseBox.h"
#include "platform/Controls.h"
#include "platform/Conversions.h"
#include "platform/FileSystem.h"
#include "platform/Fonts.h"
#include "platform/Pictures.h"
#include "platform/Screen.h"
#include "quiz/MapBox.h"
#include "quiz/QuizState.h"
#include "quiz/PixelFile.h"

#include "quiz/Tables.h"

#include <QImage>
#include <QRadioButton>
#include <QTimer>
#include <array>

using namespace Qt::StringLiterals;
using platform::placeTw;

namespace {

const MapPanel::Vues kVues = {
    {u"Région en couleur", u"Région et n° département", u"Complète", u"Test"},
    {u"GeomiraA1.gif", u"GeomiraA2.gif", u"GeomiraR4.gif", u"GeomiraRegV.gif"},
    {7550, 7550, 8200, 7095},
    {8880, 5760, 2895, 1815},
    255,
    {2655, 2655, 2295, 2295},
    {1800, 1380},
    u"Les Régions Françaises",
    'R',
};

// Place of the capital dot of each région (left, top in the map, twips), for
// a map without pixel files.
const int kCapitales[22][2] = {
    {6400, 1850}, {2000, 5000}, {4000, 4000}, {4500, 2850}, {950, 1920},  {3300, 2520}, {4650, 1650}, {6890, 6400},
    {5650, 2750}, {3690, 1550}, {4150, 5700}, {3200, 4000}, {5600, 1550}, {3100, 5450}, {3800, 150},  {2050, 1400},
    {2850, 1050}, {2000, 2450}, {3800, 880},  {2300, 3550}, {5800, 5350}, {5300, 4250}};

QLabel* etiquette(QWidget* parent, const QString& texte, int l, int t, int w, int h, bool bleu = false)
{
    return EtiquetteFigure(parent, texte, l, t, w, h, bleu, true);
}

QLineEdit* boite(QWidget* parent, int l, int t, int w, int h) { return BoiteFigure(parent, l, t, w, h, true); }

const std::array<QString, 24>& tableDeListe(int k)
{
    switch (k) {
    case 1:
        return NomRegion;
    case 2:
        return PrefRegion;
    case 3:
        return SuperfRegion;
    default:
        return Pop99Region;
    }
}

int premiere(const std::array<QString, 24>& table, const QString& texte) { return PremiereEntree(table, texte, 22); }

bool estRegion(int r) { return r >= 1 && r <= 22; }

// The pixel of the label under the middle of the disc it draws. Measured on
// the drawn label: the glyph's metrics, rounded to whole pixels, put it one
// pixel off, which is enough to miss Paris.
QPoint milieuDuDisque(QLabel* label)
{
    QImage image(label->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    label->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    QPointF somme;
    int nombre = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 127) {
                somme += QPointF(x, y);
                ++nombre;
            }
        }
    }
    return nombre > 0 ? (somme / nombre).toPoint() : label->rect().center();
}

} // namespace

DidacReg::DidacReg() : MapPanel(kVues)
{
    setWindowTitle(u"Geomira"_s);
    setClientSizeTw(11910, 8070);

    moins = new QPushButton(u"-"_s, this);
    placeTw(moins, 7320, 120, 255, 300);
    plus = new QPushButton(u"+"_s, this);
    placeTw(plus, 7560, 120, 255, 300);

    const int hauts[6] = {120, 120, 600, 1080, 1560, 2040};
    for (int k = 0; k < 6; ++k) {
        ComboD[k] = new ListeDeroulante(k != 5, this);
        ComboD[k]->setGeometry(platform::tw(k == 0 ? 7920 : 8880), platform::tw(hauts[k]),
                               platform::tw(k == 0 ? 735 : 2895), ComboD[k]->sizeHint().height());
        connect(ComboD[k], &ListeDeroulante::choisi, this, [this, k] { ComboD_Click(int16_t(k)); });
    }
    ComboD[0]->hide();  // the région number is stepped with "-" and "+"

    Label1 = etiquette(this, u"Préfecture : "_s, 7440, 600, 1335, 375);
    Label4 = etiquette(this, u"Superficie : "_s, 7440, 1080, 1335, 375);
    Label5 = etiquette(this, u"Population 99 :"_s, 7440, 1560, 1335, 375);
    Label6 = etiquette(this, u"N° et nom des départements"_s, 7440, 2040, 1335, 615);
    Label6->setAlignment(Qt::AlignRight | Qt::AlignTop);

    Image1 = new platform::ClickLabel(this);
    Image1->setScaledContents(true);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setToolTip(u"Les blasons des régions"_s);
    placeTw(Image1, 9480, 2520, 1575, 855);

    Label8 = new QLabel(u"Pour Information :"_s, this);
    Label8->setFont(platform::designFont(u"MS Sans Serif"_s, 8, true));
    Label8->setAlignment(Qt::AlignCenter);
    placeTw(Label8, 7320, 3480, 4575, 255);

    Label10 = etiquette(this, u"Population 90 : "_s, 7560, 3840, 1335, 375, true);
    pop90 = boite(this, 9000, 3840, 2775, 315);
    Label11 = etiquette(this, u"Nb hab/km² : "_s, 7560, 4320, 1335, 375, true);
    nbh90 = boite(this, 9000, 4320, 2775, 315);
    Label7 = etiquette(this, u"Nb hab/km² : "_s, 7560, 4800, 1335, 375, true);
    nbh99 = boite(this, 9000, 4800, 2775, 315);
    Label9 = etiquette(this, u"Evolution : "_s, 7560, 5280, 1335, 495, true);
    Label9->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label9->setContentsMargins(0, 3, 0, 0);
    Evol = boite(this, 9000, 5280, 2775, 315);

    // The capital dot: a filled disc over the map, hidden until a coloured view shows it.
    PtsClig = new QLabel(u"●"_s, Picture1);
    PtsClig->setFont(platform::designFont(u"DejaVu Sans"_s, 30, true));
    PtsClig->setAlignment(Qt::AlignCenter);
    PtsClig->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette point = PtsClig->palette();
    point.setColor(QPalette::WindowText, palette().color(QPalette::Base));
    PtsClig->setPalette(point);
    placeTw(PtsClig, 5280, 6600, 495, 615);
    PtsClig->hide();

    StatusBar2 = new platform::BottomStatusBar(this);
    StatusBar2->showMessage(u"Choisissez une région dans une liste, avec « - » et « + », ou d'un clic sur la carte ; "
                            u"cliquez sur son image pour voir les blasons."_s);

    Timer2 = new QTimer(this);
    Timer2->setInterval(500);
    Timer2->start();

    connect(Timer2, &QTimer::timeout, this, &DidacReg::Timer2_Timer);
    connect(moins, &QPushButton::clicked, this, &DidacReg::moins_Click);
    connect(plus, &QPushButton::clicked, this, &DidacReg::plus_Click);
    connect(Image1, &platform::ClickLabel::clicked, this, &DidacReg::Image1_Click);
}

void DidacReg::Form_Load()
{
    platform::SupprimeFermeture(this, true);
    moins->move(platform::tw(8160), moins->y());
    plus->move(platform::tw(8400), plus->y());
    EtatSon = 0;
    // The view is chosen before the lists exist: it finds no région to paint.
    Carte[3]->setChecked(true);
    RemplitTables();

    for (int k = 0; k <= 4; ++k)
        ComboD[k]->Clear();
    for (int r = 1; r <= 22; ++r) {
        ComboD[0]->AddItem(TexteNumero(r));
        ComboD[1]->AddItem(NomRegion[r]);
        ComboD[2]->AddItem(PrefRegion[r]);
        ComboD[3]->AddItem(SuperfRegion[r]);
        ComboD[4]->AddItem(Pop99Region[r]);
    }
    // Alsace's entries in the sorted lists; each selection only writes the
    // figures (the counter reaches 5 with the last one).
    ComboD[0]->setListIndex(0);
    ComboD[1]->setListIndex(0);
    ComboD[2]->setListIndex(20);
    ComboD[3]->setListIndex(0);
    ComboD[4]->setListIndex(8);
    remplitDepartements(1);
    ComboD[5]->setListIndex(0);
    Label2->setText(u"Alsace"_s);
    montreImage(1);
    NumAffiche = 1;  // not the item of a paint the last tutorial left pending
    hide();
    show();
    Affiche2(1);
}

void DidacReg::ecritChiffres(int n)
{
    if (!estRegion(n))
        return;
    EcritChiffres(nbh99, nbh90, pop90, Evol, SuperfRegion[n], Pop90Region[n], Pop99Region[n]);
}

void DidacReg::remplitDepartements(int region)
{
    ComboD[5]->Clear();
    for (int i = 1; i <= 96; ++i) {
        if (NumRegionDep[i] != region)
            continue;
        if (i == 20)
            ComboD[5]->AddItem(u"2B : Corse du Nord"_s);
        else if (i == 96)
            ComboD[5]->AddItem(u"2A : Corse du Sud"_s);
        else
            ComboD[5]->AddItem(platform::Str(i) + u" : "_s + NomDep[i]);
    }
}

void DidacReg::montreImage(int region)
{
    // A missing or unreadable picture leaves the box empty.
    Image1->setPixmap(QPixmap::fromImage(platform::LoadPicture(platform::appFile(ImageRegion(region)))));
}

void DidacReg::ComboD_Click(int16_t Index)
{
    if (Index == 5)
        return;  // the list of départements is there to be read
    EtatSon = int16_t(EtatSon + 1);
    const int n = IndexNumero(ComboD[0]->text());
    ecritChiffres(n);
    if (EtatSon <= 5)
        return;
    if (!estRegion(n))
        return;

    const bool accord = ComboD[1]->text() == NomRegion[n] && ComboD[2]->text() == PrefRegion[n]
        && ComboD[3]->text() == SuperfRegion[n] && ComboD[4]->text() == Pop99Region[n];
    if (accord) {
        changementComplet(int16_t(n), ComboD[1]->text());
        return;
    }

    // The lists disagree: bring them into step from the one that changed.
    // Each text set here runs this handler again, nested, one count higher.
    bool synchronise = false;
    if (Index == 0) {
        const int m = n;
        if (EtatSon == 6)
            ComboD[1]->setText(NomRegion[m]);
        ComboD[2]->setText(PrefRegion[m]);
        ComboD[3]->setText(SuperfRegion[m]);
        ComboD[4]->setText(Pop99Region[m]);
        synchronise = true;
    } else if (EtatSon == 6) {
        const int m = premiere(tableDeListe(Index), ComboD[Index]->text());
        if (m != 0) {
            ComboD[0]->setText(TexteNumero(m));
            for (int k = 1; k <= 4; ++k) {
                if (k != Index)
                    ComboD[k]->setText(tableDeListe(k)[m]);
            }
        }
        synchronise = true;
    }
    if (synchronise) {
        remplitDepartements(IndexNumero(ComboD[0]->text()));
        CompteTics2 = 0;
        platform::setTimerEnabled(Timer2, true);
        EtatSon = 5;
    }
    Tirage = float(platform::Val(ComboD[0]->text()));
    montreImage(int(Tirage));
}

void DidacReg::moins_Click()
{
    const QString t = ComboD[0]->text();
    if (t == u"  1"_s)
        return;
    const int v = int(platform::Val(t));
    ComboD[0]->setText((v <= 10 ? u" "_s : QString()) + platform::Str(v - 1));
    Tirage = float(platform::Val(ComboD[0]->text()));
    montreImage(int(Tirage));
}

void DidacReg::plus_Click()
{
    const QString t = ComboD[0]->text();
    if (t == u" 22"_s)
        return;
    const int v = int(platform::Val(t));
    ComboD[0]->setText((v < 9 ? u" "_s : QString()) + platform::Str(v + 1));
    Tirage = float(platform::Val(ComboD[0]->text()));
    montreImage(int(Tirage));
}

QPoint DidacReg::PlaceCapitale(int r)
{
    // The dot sits on the middle of the département of the regional préfecture,
    // taken from the pixel files so that it lands where our maps draw it.
    if (!capitales_[r - 1].has_value()) {
        QPoint place(platform::tw(kCapitales[r - 1][0]), platform::tw(kCapitales[r - 1][1]));
        for (int d = 1; d <= 96; ++d) {
            if (NumRegionDep[d] != r || PrefDep[d] != PrefRegion[r])
                continue;
            const auto points = LitPointsCarte(FichierPixels('D', d), false);
            if (points.empty())
                break;
            double mx = 0, my = 0;
            for (const PointCarte& p : points) {
                mx += p.x;
                my += p.y;
            }
            mx /= double(points.size());
            my /= double(points.size());
            const PointCarte* centre = &points.front();
            double best = 1e18;
            for (const PointCarte& p : points) {
                const double d2 = (p.x - mx) * (p.x - mx) + (p.y - my) * (p.y - my);
                if (d2 < best) {
                    best = d2;
                    centre = &p;
                }
            }
            place = QPoint(centre->x, centre->y) - milieuDuDisque(PtsClig);
            break;
        }
        capitales_[r - 1] = place;
    }
    return *capitales_[r - 1];
}

void DidacReg::Timer2_Timer()
{
    if (!Carte[0]->isChecked() && !Carte[1]->isChecked())
        return;
    const int r = IndexNumero(ComboD[0]->text());
    if (estRegion(r) && ComboD[0]->text() == TexteNumero(r))
        PtsClig->move(PlaceCapitale(r));
    CompteTics2 = int16_t(CompteTics2 + 1);
    if (CompteTics2 < 12) {
        PtsClig->setVisible(PtsClig->isHidden());
    } else {
        // After 12 ticks the dot stays on until the next change of région.
        platform::setTimerEnabled(Timer2, false);
        PtsClig->show();
        CompteTics2 = 0;
    }
}

void DidacReg::Image1_Click() { win::Blasons.Show(); }

void DidacReg::Stop_Click()
{
    // The coats of arms belong to this tutorial: they go with it, so that no
    // later choice in them brings the tutorial back over the hub.
    win::Blasons.Unload();
    win::DidacReg.Unload();
    win::Sommaire.Show();
}

void DidacReg::Affiche2(int16_t n) { peintFichier(n); }

QString DidacReg::texteClic(int departement) const
{
    const int r = (departement >= 0 && departement <= 97) ? NumRegionDep[departement] : 0;
    return TexteNumero(r);
}

void DidacReg::montreControles(int vue)
{
    const bool montre = vue != 2;
    QWidget* controles[] = {moins,   plus,    ComboD[1], ComboD[2], ComboD[3], ComboD[4], ComboD[5], Label1,
                            Label2,  Label4,  Label5,    Label6,    Label7,    Label8,    Label9,    Label10,
                            Label11, pop90,   nbh90,     nbh99,     Evol,      Image1};
    for (QWidget* controle : controles)
        controle->setVisible(montre);
    ComboD[0]->hide();
    PtsClig->setVisible(vue == 0 || vue == 1);
    if (!montre)
        return;
    moins->move(platform::tw(8160), moins->y());
    plus->move(platform::tw(8400), plus->y());
    const QFont police = platform::designFont(u"MS Sans Serif"_s, vue == 3 ? 10 : 9);
    for (QLabel* label : {Label1, Label4, Label5, Label6, Label7, Label9, Label10, Label11})
        label->setFont(police);
}
