#include "tutorials/StatWindow.h"

#include "app/Windows.h"
#include "platform/CloseBox.h"
#include "platform/Controls.h"
#include "platform/Conversions.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Fonts.h"
#include "platform/Help.h"
#include "platform/Pictures.h"
#include "platform/Printer.h"
#include "platform/Random.h"
#include "platform/Screen.h"
#include "quiz/MapBox.h"
#include "quiz/PixelFile.h"
#include "quiz/QuizState.h"
#include "quiz/Tables.h"
#include "tutorials/StatImpression.h"

#include <QHeaderView>
#include <QPainter>

using namespace Qt::StringLiterals;
using platform::placeTw;

namespace stats {

// ---------------------------------------------------------------- small controls

void LegendeLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QStringList lignes = text().split(u"\r\n"_s);
    const QFontMetrics metriques(font());
    // Each line centred on the height of its swatch's slot.
    const int decalage = (pasLignes - metriques.height()) / 2 + metriques.ascent();
    for (int i = 0; i < lignes.size(); ++i)
        painter.drawText(0, i * pasLignes + decalage, lignes.at(i));
}

namespace {

// Primary key of a text: letters without accents, in capitals.
QString SansAccents(const QString& texte)
{
    QString cle = texte.normalized(QString::NormalizationForm_D);
    cle.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return cle.toUpper();
}

} // namespace

bool TexteAvant(const QString& a, const QString& b)
{
    const int primaire = QString::compare(SansAccents(a), SansAccents(b));
    if (primaire != 0)
        return primaire < 0;
    return QString::compare(a, b) < 0;
}

bool LigneTableau::operator<(const QTreeWidgetItem& other) const
{
    const int colonne = treeWidget() ? treeWidget()->sortColumn() : 0;
    return TexteAvant(text(colonne), other.text(colonne));
}

// ---------------------------------------------------------------- the window

StatWindow::StatWindow(const Disposition& d) : disposition_(d)
{
    setWindowTitle(u"Geomira"_s);
    setClientSizeTw(11910, d.hauteur);
    const QFont police975 = platform::designFont(u"MS Sans Serif"_s, 9.75);
    const QFont bouton = platform::designFont(u"MS Sans Serif"_s, 8, true);

    // The return button first: it is the window's first button.
    Retour = new QPushButton(u"Sommaire"_s, this);
    Retour->setFont(bouton);
    placeTw(Retour, 10440, d.boutonsTop, 1335, 375);

    // The mouse-over labels stand under the list, which covers them in the table view.
    Label1 = new QLabel(this);
    Label1->setFont(platform::designFont(u"Monotype Corsiva"_s, 15.75, false, true));
    Label1->setAlignment(Qt::AlignCenter);
    placeTw(Label1, 7560, d.label1Top, 4215, 375);
    Label2 = new QLabel(this);
    Label2->setFont(platform::designFont(u"Arial"_s, 12, true));
    Label2->setAlignment(Qt::AlignCenter);
    placeTw(Label2, 7560, d.label2Top, 4215, 375);
    Label2->hide();
    if (d.echelle == Echelle::Regions)
        Label1->hide();

    ListDept = new QTreeWidget(this);
    ListDept->setRootIsDecorated(false);
    ListDept->setUniformRowHeights(true);
    ListDept->setAllColumnsShowFocus(true);
    ListDept->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListDept->setFont(platform::designFont(u"MS Sans Serif"_s, d.policeListe));
    ListDept->setColumnCount(int(d.entetes.size()));
    ListDept->setHeaderLabels(d.entetes);
    ListDept->header()->setSectionsClickable(true);
    ListDept->header()->setSectionsMovable(false);
    ListDept->header()->setStretchLastSection(false);
    ListDept->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (size_t j = 0; j < d.largeurs.size(); ++j)
        ListDept->setColumnWidth(int(j), platform::tw(d.largeurs[j]));
    placeTw(ListDept, d.listeLeft, d.listeTop, d.listeWidth, d.listeHeight);
    connect(ListDept->header(), &QHeaderView::sectionClicked, this,
            [this](int logical) { ListDept_ColumnClick(logical + 1); });

    // The totals row, fixed texts under their columns.
    const QString totaux[7] = {u"FRANCE Métropolitaine"_s, u"543 965 km² "_s, u"56 615 155 hab"_s, u"     104,08"_s,
                               u"58 518 395 hab"_s,         u"     107,58"_s,   u"Pos 3,36"_s};
    QLineEdit** boites[7] = {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7};
    for (int i = 0; i < 7; ++i) {
        QLineEdit* boite = new QLineEdit(totaux[i], this);
        boite->setReadOnly(true);
        // A thin frame leaves the figures the whole width of their narrow boxes.
        boite->setFont(platform::designFont(u"MS Sans Serif"_s, 7.5));
        boite->setStyleSheet(u"QLineEdit { border: 1px solid #a0a0a0; background: white; padding: 0px; }"_s);
        if (i == 0)
            boite->setAlignment(Qt::AlignCenter);
        placeTw(boite, d.totauxLeft[size_t(i)], d.totauxTop, d.totauxWidth[size_t(i)], 285);
        boite->setCursorPosition(0);
        *boites[i] = boite;
    }

    const char16_t* vues[2] = {u"Tableau", u"Carte"};
    for (int i = 0; i < 2; ++i) {
        TabCarte[size_t(i)] = new QRadioButton(QString::fromUtf16(vues[i]), this);
        TabCarte[size_t(i)]->setFont(police975);
        placeTw(TabCarte[size_t(i)], i == 0 ? 3240 : 5760, 7080, 1575, 375);
    }
    TabCarte[0]->setChecked(true);
    TabCarte[0]->hide();
    for (int i = 0; i < 2; ++i)
        connect(TabCarte[size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                TabCarte_Click(i);
        });

    Impression = new QPushButton(u"Imprime"_s, this);
    Impression->setFont(bouton);
    placeTw(Impression, 120, d.boutonsTop, 1095, 375);

    mnuAide = platform::makeHelpButton(this, 9600, 7080, 615, 495, 28);
    mnuAide->setToolTip(u"Aide"_s);

    Choix = new QGroupBox(u"Choix :"_s, this);
    Choix->setFont(police975);
    placeTw(Choix, d.choixLeft, 120, 2415, 2655);
    const char16_t* statistiques[kStatistiques] = {u"Superficie",         u"Population en 1990", u"Nb hab/km² en 1990",
                                                   u"Population en 1999", u"Nb hab/km² en 1999", u"Evolution"};
    for (int k = 0; k < kStatistiques; ++k) {
        C[size_t(k)] = new QRadioButton(QString::fromUtf16(statistiques[k]), Choix);
        C[size_t(k)]->setFont(police975);
        placeTw(C[size_t(k)], 120, 360 + 360 * k, 2175, 375);
    }
    C[0]->setChecked(true);
    for (int k = 0; k < kStatistiques; ++k)
        connect(C[size_t(k)], &QRadioButton::toggled, this, [this, k](bool on) {
            if (on)
                C_Click(k);
        });
    Choix->hide();

    CarteImg = new MapBox(this);
    placeTw(CarteImg, 2160, 6960, 495, 495);
    CarteImg->hide();
    connect(CarteImg, &MapBox::mouseMoved, this,
            [this](Qt::MouseButtons b, Qt::KeyboardModifiers m, float x, float y) {
                CarteImg_MouseMove(int(b), int(m), x, y);
            });

    Legende = new LegendeLabel(this);
    Legende->setFont(police975);
    Legende->pasLignes = platform::tw(240);
    placeTw(Legende, 8400, d.legendeTop, 3375, 2415);
    Legende->hide();
    for (int i = 0; i < kClasses; ++i) {
        QLineEdit* nuance = new QLineEdit(this);
        nuance->setReadOnly(true);
        nuance->setFocusPolicy(Qt::NoFocus);
        nuance->setFrame(true);
        placeTw(nuance, 7680, d.legendeTop + 240 * i, 615, 195);
        nuance->hide();
        TC[size_t(i)] = nuance;
    }

    StatusBar2 = new platform::BottomStatusBar(this);
    StatusBar2->showMessage(d.barreEtat);

    connect(Retour, &QPushButton::clicked, this, &StatWindow::Retour_Click);
    connect(Impression, &QPushButton::clicked, this, &StatWindow::Impression_Click);
    connect(mnuAide, &QPushButton::clicked, this, &StatWindow::mnuAide_Click);
}

void StatWindow::Form_Load()
{
    RemplitTables();
    platform::SupprimeFermeture(this, true);
    ListDept->clear();
    for (int i = 1; i <= NombreItems(); ++i)
        ListDept->addTopLevelItem(new LigneTableau(Ligne(i)));
    // The list keeps its rows sorted: by the first column, ascending, at opening.
    sortKey_ = 0;
    sortOrder_ = 0;
    ListDept->sortItems(sortKey_, Qt::AscendingOrder);
}

// ---------------------------------------------------------------- thematic maps

void StatWindow::MontreStatistique(Statistique statistique)
{
    const QImage image = platform::LoadPicture(platform::appFile(ImageCarte(statistique, disposition_.echelle)));
    CarteImg->setPicture(QPixmap::fromImage(image));
    const auto couleurs = Palette(statistique);
    for (int i = 0; i < kClasses; ++i) {
        QPalette palette = TC[size_t(i)]->palette();
        palette.setColor(QPalette::Base, couleurs[size_t(i)]);
        TC[size_t(i)]->setPalette(palette);
    }
    // Line by line, each one after a line break.
    const QStringList lignes = LignesLegende(statistique, disposition_.echelle);
    Legende->setText(lignes.front());
    for (int i = 1; i < lignes.size(); ++i)
        Legende->setText(Legende->text() + u"\r\n"_s + lignes.at(i));
}

void StatWindow::C_Click(int)
{
    Legende->setText(QString());
    if (!TabCarte[1]->isChecked())
        return;
    for (int k = 0; k < kStatistiques; ++k)
        if (C[size_t(k)]->isChecked())
            MontreStatistique(Statistique(k));
}

// ---------------------------------------------------------------- figures under the mouse

QString StatWindow::TexteFigure(Statistique statistique, int item) const
{
    switch (statistique) {
    case Superficie: return Superf(item);
    case Population1990: return Pop90(item) + u" en 1990"_s;
    case Densite1990: return DensiteSurvol(Pop90(item), Superf(item)) + u" hab/km² en 1990"_s;
    case Population1999: return Pop99(item) + u" en 1999"_s;
    case Densite1999: return DensiteSurvol(Pop99(item), Superf(item)) + u" hab/km² en 1999"_s;
    case Evolution: return EvolutionSurvol(Pop90(item), Pop99(item)) + u" %"_s;
    }
    return QString();
}

void StatWindow::CarteImg_MouseMove(int, int, float X, float Y)
{
    platform::Screen& screen = platform::TheScreen();
    SourisX = int16_t(platform::CLng(X) / platform::CLng(screen.twipsPerPixelX()));
    SourisY = int16_t(platform::CLng(Y) / platform::CLng(screen.twipsPerPixelY()));
    const QString fichier = FichierPixels('F', SourisX);
    if (!platform::Fso().FileExists(fichier))
        return;
    Label1->setText(u"Hors Limites"_s);
    Label2->setText(QString());
    // Every record is read: the last one at the pixel is the one shown.
    for (const PointCarte& point : LitPointsCarte(fichier, true)) {
        // A damaged record, or one naming no département, matches nothing.
        if (!point.valide || point.departement < 1 || point.departement > 96)
            continue;
        if (point.x != SourisX || point.y != SourisY)
            continue;
        const int item = ItemDuDepartement(point.departement);
        if (item < 1 || item > NombreItems())
            continue;
        Label1->setText(Nom(item));
        for (int k = 0; k < kStatistiques; ++k)
            if (C[size_t(k)]->isChecked())
                Label2->setText(TexteFigure(Statistique(k), item));
    }
}

// ---------------------------------------------------------------- views, sort, help, return

void StatWindow::TabCarte_Click(int)
{
    const bool regions = disposition_.echelle == Echelle::Regions;
    if (regions) {
        Label1->setText(QString());
        Label2->setText(QString());
    }
    QLineEdit* totaux[7] = {Text1, Text2, Text3, Text4, Text5, Text6, Text7};
    if (TabCarte[0]->isChecked()) {
        if (regions)
            Label1->hide();
        Label2->hide();
        Impression->show();
        TabCarte[0]->hide();
        TabCarte[1]->show();
        CarteImg->hide();
        ListDept->show();
        Legende->hide();
        Choix->hide();
        for (QLineEdit* nuance : TC)
            nuance->hide();
        for (QLineEdit* boite : totaux)
            boite->show();
    } else if (TabCarte[1]->isChecked()) {
        if (regions)
            Label1->show();
        Label2->show();
        Impression->hide();
        TabCarte[0]->show();
        TabCarte[0]->move(platform::tw(7500), TabCarte[0]->y());
        TabCarte[1]->hide();
        placeTw(CarteImg, 120, 120, 7095, 7455);
        CarteImg->show();
        ListDept->hide();
        Legende->show();
        Choix->show();
        for (QLineEdit* boite : totaux)
            boite->hide();
        // Opens on the area map, whatever was shown before.
        const QImage image = platform::LoadPicture(platform::appFile(ImageCarte(Superficie, disposition_.echelle)));
        CarteImg->setPicture(QPixmap::fromImage(image));
        C[0]->setChecked(true);
        const auto couleurs = Palette(Superficie);
        for (int i = 0; i < kClasses; ++i) {
            QPalette palette = TC[size_t(i)]->palette();
            palette.setColor(QPalette::Base, couleurs[size_t(i)]);
            TC[size_t(i)]->setPalette(palette);
        }
        Legende->setText(stats::Legende(Superficie, disposition_.echelle));
        for (QLineEdit* nuance : TC)
            nuance->show();
    }
}

void StatWindow::ListDept_ColumnClick(int index)
{
    sortKey_ = index - 1;
    sortOrder_ = sortOrder_ == 0 ? 1 : 0;
    ListDept->sortItems(sortKey_, sortOrder_ == 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void StatWindow::mnuAide_Click() { platform::AfficheAide(this, platform::appFile(u"help/Geomira.chm"_s)); }

void StatWindow::Retour_Click()
{
    soi().Unload();
    win::Sommaire.Show();
}

// ---------------------------------------------------------------- printing

void StatWindow::Impression_Click()
{
    const int reponse = platform::MsgBox(disposition_.confirmation, platform::vbYesNo + platform::vbQuestion,
                                         u"Geomira."_s);
    const int nombre = ListDept->topLevelItemCount();
    if (reponse == platform::vbYes) {
        platform::TheScreen().setMousePointer(platform::vbHourglass);
        Tableau tableau;
        const int colonnes = ListDept->columnCount();
        for (int j = 0; j < colonnes; ++j) {
            tableau.entetes << ListDept->headerItem()->text(j);
            tableau.largeurs.push_back(double(platform::toTwips(ListDept->header()->sectionSize(j))));
        }
        for (int i = 0; i < nombre; ++i) {
            const QTreeWidgetItem* ligne = ListDept->topLevelItem(i);
            QStringList cellules;
            for (int j = 0; j < colonnes; ++j)
                cellules << ligne->text(j);
            tableau.lignes.push_back(cellules);
        }
        // One reading of the clock for the whole printout.
        ImpressionTableau impression(tableau, PiedDePage(platform::Now()));
        QString erreur;
        const bool imprime = platform::Seam<platform::Printer>::current().print(impression, &erreur,
                                                                                QPageLayout::Landscape);
        platform::TheScreen().setMousePointer(platform::vbDefault);
        if (!imprime)
            platform::MsgBox(erreur.isEmpty() ? u"L'impression a échoué.\r\nRien n'a été imprimé."_s : erreur,
                             platform::vbExclamation, u"Impression impossible"_s);
        return;
    }
    platform::TheScreen().setMousePointer(platform::vbDefault);
}

} // namespace stats
