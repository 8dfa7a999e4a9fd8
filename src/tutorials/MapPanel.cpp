#include "tutorials/MapPanel.h"

#include "platform/Conversions.h"
#include "platform/FileSystem.h"
#include "platform/Fonts.h"
#include "platform/Pictures.h"
#include "platform/Screen.h"
#include "quiz/MapBox.h"
#include "quiz/PixelFile.h"
#include "quiz/QuizState.h"
#include "quiz/Tables.h"

#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <limits>

using namespace Qt::StringLiterals;
using platform::placeTw;

int16_t CompteTics = 0;
int16_t NumAffiche = 0;
int16_t CompteTics2 = 0;

// ---------------------------------------------------------------- lists

namespace {

// Primary sort key: letters without case or accent; hyphens and apostrophes
// weigh nothing, as in a word sort.
QString clefPrimaire(const QString& texte)
{
    QString clef;
    clef.reserve(texte.size());
    for (QChar c : texte) {
        if (c == u'-' || c == u'\'')
            continue;
        if (c.isLetter()) {
            const QString decomposition = c.decomposition();
            if (!decomposition.isEmpty() && decomposition.at(0).isLetter())
                c = decomposition.at(0);
            c = c.toLower();
        }
        clef.append(c);
    }
    return clef;
}

} // namespace

ListeDeroulante::ListeDeroulante(bool trie, QWidget* parent) : QComboBox(parent), trie_(trie)
{
    setEditable(false);
    setMaxVisibleItems(16);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!remplissage_ && index >= 0)
            emit choisi();
    });
}

bool ListeDeroulante::avant(const QString& a, const QString& b)
{
    const QString ca = clefPrimaire(a);
    const QString cb = clefPrimaire(b);
    if (ca != cb)
        return ca < cb;
    const int sansCasse = QString::compare(a, b, Qt::CaseInsensitive);
    if (sansCasse != 0)
        return sansCasse < 0;
    return a < b;
}

void ListeDeroulante::AddItem(const QString& texte)
{
    int position = count();
    if (trie_) {
        position = 0;
        while (position < count() && !avant(texte, itemText(position)))
            ++position;
    }
    remplissage_ = true;
    const int avantAjout = currentIndex();
    insertItem(position, texte);
    // A list filled by the program has no item selected until one is chosen.
    if (avantAjout == -1 && currentIndex() != -1)
        setCurrentIndex(-1);
    remplissage_ = false;
}

void ListeDeroulante::Clear()
{
    remplissage_ = true;
    clear();
    remplissage_ = false;
}

void ListeDeroulante::setText(const QString& texte)
{
    const int index = findText(texte, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        setCurrentIndex(index);
}

void ListeDeroulante::setListIndex(int index)
{
    if (index < 0) {
        remplissage_ = true;
        setCurrentIndex(-1);
        remplissage_ = false;
        return;
    }
    setCurrentIndex(index);
}

// ---------------------------------------------------------------- number texts and figures

QString TexteNumero(int n)
{
    const QString texte = platform::Str(n);
    return n < 10 ? u" "_s + texte : texte;
}

QString TexteNumeroDep(int index)
{
    if (index == 20)
        return u" 2B"_s;
    if (index == 96)
        return u" 2A"_s;
    return TexteNumero(index);
}

int IndexNumero(const QString& texte)
{
    if (texte == u" 2A"_s)
        return 96;
    if (texte == u" 2B"_s)
        return 20;
    const double valeur = platform::Val(texte);
    if (valeur < std::numeric_limits<int16_t>::min() || valeur > std::numeric_limits<int16_t>::max())
        return 0;
    return int(valeur);
}

QString TexteChiffre(double valeur, int decimales)
{
    double arrondi = platform::Round(valeur, decimales);
    if (arrondi == 0)
        arrondi = 0;  // no "-0"
    QString texte = QString::number(arrondi, 'f', decimales);
    if (texte.contains(u'.')) {
        while (texte.endsWith(u'0'))
            texte.chop(1);
        if (texte.endsWith(u'.'))
            texte.chop(1);
    }
    texte.replace(u'.', QLocale().decimalPoint());
    return texte;
}

void CouleursBoite(QLineEdit* boite, QColor fond, QColor texte)
{
    QPalette palette = boite->palette();
    palette.setColor(QPalette::Base, fond);
    palette.setColor(QPalette::Text, texte);
    boite->setPalette(palette);
}

QLabel* EtiquetteFigure(QWidget* parent, const QString& texte, int l, int t, int w, int h, bool bleu, bool retourLigne)
{
    auto* label = new QLabel(texte, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setWordWrap(retourLigne);
    if (bleu) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
        label->setPalette(palette);
    }
    platform::placeTw(label, l, t, w, h);
    return label;
}

QLineEdit* BoiteFigure(QWidget* parent, int l, int t, int w, int h, bool information)
{
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    if (information) {
        box->setAlignment(Qt::AlignCenter);
        CouleursBoite(box, QColor(224, 224, 224), QColor(0, 0, 255));
    }
    platform::placeTw(box, l, t, w, h);
    return box;
}

void EcritChiffres(QLineEdit* nbh99, QLineEdit* nbh90, QLineEdit* pop90, QLineEdit* Evol, const QString& superficie,
                   const QString& population90, const QString& population99)
{
    const double surface = ValeurFigure(superficie);
    const double habitants90 = ValeurFigure(population90);
    const double habitants99 = ValeurFigure(population99);
    // Every table area and population is above zero; a figure that is not
    // shows nothing rather than a division by zero.
    nbh99->setText(surface > 0 ? TexteChiffre(habitants99 / surface, 1) + u" en 1999"_s : QString());
    nbh90->setText(surface > 0 ? TexteChiffre(habitants90 / surface, 1) + u" en 1990"_s : QString());
    pop90->setText(population90);
    const QString evolution
        = habitants90 > 0 ? TexteChiffre((habitants99 - habitants90) / habitants90 * 100, 2) : QString();
    if (habitants90 <= habitants99) {
        CouleursBoite(Evol, QColor(0, 0, 255), QColor(255, 255, 0));
        Evol->setText(u" POSITIVE de "_s + evolution + u" %"_s);
    } else {
        CouleursBoite(Evol, QColor(255, 0, 0), QColor(255, 255, 0));
        Evol->setText(u" NEGATIVE de "_s + evolution + u" %"_s);
    }
}

// ---------------------------------------------------------------- title of the map

void TitreCarte::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QFont police = font();
    const QRect zone = contentsRect().adjusted(2, 0, -2, 0);
    while (police.pointSizeF() > 6 && QFontMetrics(police).horizontalAdvance(text()) > zone.width())
        police.setPointSizeF(police.pointSizeF() - 0.5);
    painter.setFont(police);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(zone, int(alignment()), text());
}

// ---------------------------------------------------------------- map panel

MapPanel::MapPanel(const Vues& vues) : vues_(vues)
{
    Picture1 = new MapBox(this);
    placeTw(Picture1, 120, 120, 7095, 7455);
    Picture1->installEventFilter(this);

    Label2 = new TitreCarte(QString::fromUtf16(vues.titre), Picture1);
    Label2->setFont(platform::designFont(u"Verdana"_s, 11.25, true));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setAutoFillBackground(true);
    QPalette titre = Label2->palette();
    titre.setColor(QPalette::Window, QColor(192, 192, 192));
    titre.setColor(QPalette::WindowText, QColor(255, 255, 0));
    Label2->setPalette(titre);
    Label2->setAttribute(Qt::WA_TransparentForMouseEvents);
    placeTw(Label2, 240, 6960, 3495, 495);

    Frame1 = new QGroupBox(u"Carte :"_s, this);
    placeTw(Frame1, vues.frame[0], vues.frame[1], vues.frame[2], vues.frame[3]);
    Stop = new QPushButton(u"Arret"_s, Frame1);
    placeTw(Stop, vues.stop[0], vues.stop[1], 975, 375);
    for (int i = 0; i < 4; ++i) {
        Carte[i] = new QRadioButton(QString::fromUtf16(vues.legende[i]), Frame1);
        Carte[i]->setCursor(Qt::PointingHandCursor);
        placeTw(Carte[i], 120, 360 + 360 * i, vues.largeurOption[i], vues.hauteurOption);
        connect(Carte[i], &QRadioButton::toggled, this, [this, i](bool choisie) {
            if (choisie)
                Carte_Click(int16_t(i));
        });
    }
    Stop->raise();

    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    Timer1->start();

    connect(Timer1, &QTimer::timeout, this, &MapPanel::Timer1_Timer);
    connect(Stop, &QPushButton::clicked, this, [this] { Stop_Click(); });
    connect(Picture1, &MapBox::mouseMoved, this, [this](Qt::MouseButtons b, Qt::KeyboardModifiers m, float x, float y) {
        Picture1_MouseMove(int16_t(b), int16_t(m), x, y);
    });
    connect(Picture1, &MapBox::clicked, this, &MapPanel::Picture1_Click);
}

bool MapPanel::eventFilter(QObject* watched, QEvent* event)
{
    // Hiding the map loses whatever was painted on it.
    if (watched == Picture1 && event->type() == QEvent::Hide && !event->spontaneous())
        Picture1->clearPixels();
    return platform::FormWindow::eventFilter(watched, event);
}

int MapPanel::vueChoisie() const
{
    for (int i = 0; i < 4; ++i) {
        if (Carte[i]->isChecked())
            return i;
    }
    return -1;
}

void MapPanel::Carte_Click(int16_t)
{
    const int vue = vueChoisie();
    if (vue < 0)
        return;
    montreControles(vue);
    placeTw(Picture1, 120, 120, vues_.largeur[vue], 7455);
    // A missing picture leaves the map blank.
    Picture1->setPicture(QPixmap::fromImage(platform::LoadPicture(platform::appFile(QString::fromUtf16(vues_.image[vue])))));
    if (vue == 3)
        peint(int16_t(IndexNumero(listeNumeros()->text())));
}

void MapPanel::peintFichier(int16_t n)
{
    if (!Carte[3]->isChecked())
        return;
    for (const PointCarte& point : LitPointsCarte(FichierPixels(vues_.famille, n), false))
        Picture1->setPixel(point.x, point.y, QColor(0, 235, 0));
}

void MapPanel::Timer1_Timer()
{
    // The redraw only tells 0, 1, 2 and "later" apart: the count stops at its limit.
    if (CompteTics < std::numeric_limits<int16_t>::max())
        CompteTics = int16_t(CompteTics + 1);
    if (CompteTics == 2)
        peint(NumAffiche);
}

void MapPanel::changementComplet(int16_t n, const QString& titre)
{
    CompteTics = 0;
    Timer1_Timer();
    Picture1->hide();
    Picture1->show();
    Picture1->clearPixels();  // also when the window itself is not on screen
    Label2->setText(titre);
    NumAffiche = n;
}

void MapPanel::Picture1_MouseMove(int16_t, int16_t, float X, float Y)
{
    platform::Screen& screen = platform::TheScreen();
    SourisX = int16_t(platform::CLng(X) / platform::CLng(screen.twipsPerPixelX()));
    SourisY = int16_t(platform::CLng(Y) / platform::CLng(screen.twipsPerPixelY()));
}

void MapPanel::Picture1_Click()
{
    if (!Carte[3]->isChecked())
        return;
    DepTrouve = 0;
    const QString colonne = FichierPixels('F', SourisX);
    if (platform::Fso().FileExists(colonne)) {
        for (const PointCarte& point : LitPointsCarte(colonne, true)) {
            // A record that is not three numbers, or names no département, is no hit.
            if (!point.valide || point.departement < 1 || point.departement > 96)
                continue;
            if (point.x == SourisX && point.y == SourisY) {
                DepTrouve = 1;
                NomDepClique = NomDep[point.departement];
                DepClique = int16_t(point.departement);
            }
        }
    }
    if (DepTrouve == 1)
        listeNumeros()->setText(texteClic(DepClique));
}
