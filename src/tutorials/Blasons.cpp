#include "tutorials/Blasons.h"

#include "quiz/Tables.h"

#include "app/Windows.h"
#include "platform/CloseBox.h"
#include "platform/Controls.h"
#include "platform/Fonts.h"
#include "platform/Pictures.h"
#include "platform/Screen.h"
#include "tutorials/DidacReg.h"

#include <QMouseEvent>

using namespace Qt::StringLiterals;
using platform::placeTw;

namespace {

// Names shown for a right click, by coat of arms.
const char16_t* const kNoms[22] = {
    u"Alsace",          u"Aquitaine",     u"Auvergne",         u"Bourgogne",        u"Bretagne",
    u"Centre",          u"Champagne-Ardenne", u"Corse",        u"Franche-Comté",    u"Ile de France",
    u"Languedoc-Roussillon", u"Limousin", u"Lorraine",         u"Midi-Pyrénées",    u"Nord-Pas de Calais",
    u"Basse Normandie", u"Haute Normandie", u"Pays de la Loire", u"Picardie",       u"Poitou-Charentes",
    u"Provence-Alpes-Côte d'Azur", u"Rhône-Alpes"};

const int kColonnes[5] = {360, 2760, 5160, 7440, 9720};
const int kRangees[5] = {240, 1800, 3360, 4920, 6480};

} // namespace

void ImageBlason::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    int16_t button = 0;
    switch (event->button()) {
    case Qt::LeftButton:
        button = 1;
        break;
    case Qt::RightButton:
        button = 2;
        break;
    case Qt::MiddleButton:
        button = 4;
        break;
    default:
        return;
    }
    int16_t shift = 0;
    if (event->modifiers() & Qt::ShiftModifier)
        shift |= 1;
    if (event->modifiers() & Qt::ControlModifier)
        shift |= 2;
    if (event->modifiers() & Qt::AltModifier)
        shift |= 4;
    event->accept();
    const QPointF p = event->position();
    emit mouseUp(button, shift, float(p.x() * platform::kTwipsPerPixel), float(p.y() * platform::kTwipsPerPixel));
}

Blasons::Blasons()
{
    setWindowTitle(u"Geomira"_s);
    setClientSizeTw(11910, 8085);

    for (int i = 0; i < 22; ++i) {
        Blason[i] = new ImageBlason(this);
        Blason[i]->setScaledContents(true);
        Blason[i]->setFrameStyle(QFrame::NoFrame);
        Blason[i]->setCursor(Qt::PointingHandCursor);
        Blason[i]->setPixmap(platform::storedPicture(u":/stored/blasons/"_s + ImageRegion(i + 1), QSize(171, 114)));
        placeTw(Blason[i], kColonnes[i % 5], kRangees[i / 5], 1845, 1095);
        connect(Blason[i], &ImageBlason::mouseUp, this,
                [this, i](int16_t b, int16_t s, float x, float y) { Blason_MouseUp(int16_t(i), b, s, x, y); });
    }

    Label2 = new QLabel(u"Clique droit : Affiche le nom de la région correspondant au blason"_s, this);
    placeTw(Label2, 5160, 6240, 6495, 375);
    Label3 = new QLabel(u"Clique gauche : Retour a la carte avec prise en compte du blason"_s, this);
    placeTw(Label3, 5160, 6600, 6495, 375);

    Label1 = new QLabel(this);
    Label1->setFont(platform::designFont(u"MS Sans Serif"_s, 12, true));
    Label1->setAlignment(Qt::AlignCenter);
    QPalette bleu = Label1->palette();
    bleu.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Label1->setPalette(bleu);
    placeTw(Label1, 6360, 7080, 4095, 495);

    StatusBar2 = new platform::BottomStatusBar(this);
    StatusBar2->showMessage(u"Les blasons des 22 régions"_s);
}

void Blasons::Form_Load() { platform::SupprimeFermeture(this, true); }

void Blasons::Blason_MouseUp(int16_t Index, int16_t Button, int16_t, float, float)
{
    if (Index < 0 || Index > 21)
        return;
    if (Button == 2) {
        for (ImageBlason* blason : Blason)
            blason->setFrameStyle(QFrame::NoFrame);
        Label1->setText(QString::fromUtf16(kNoms[Index]));
        Blason[Index]->setFrameStyle(QFrame::Box | QFrame::Plain);
        Blason[Index]->setLineWidth(1);
        return;
    }
    // The choice goes to the région tutorial that opened this window; with
    // that tutorial gone, it only closes this window.
    if (DidacReg* tutoriel = win::DidacReg.ifLoaded())
        tutoriel->ComboD[0]->setText(TexteNumero(Index + 1));
    win::Blasons.Unload();
}
