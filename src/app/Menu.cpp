#include "app/Menu.h"

#include "app/Windows.h"
#include "platform/Conversions.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Fonts.h"
#include "platform/Help.h"
#include "platform/Pictures.h"
#include "platform/Screen.h"
#include "quiz/QuizState.h"

#include <QHeaderView>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>

using namespace Qt::StringLiterals;
using platform::placeTw;

namespace {

struct Jeu {
    const char16_t* information;  // "Information Donnée :"
    const char16_t* reponse;      // "Réponse Attendue :"
    const char16_t* aide;         // "Aide :" (easy level)
    const char16_t* secondes;     // proposed time per question
};

// The catalogue, game 1 first.
const Jeu kJeux[31] = {
    {u"Numéro d'un département", u"Nom du département", u"Colorie le département", u"30"},
    {u"Nom d'un département", u"Numéro du département", u"Colorie le département", u"15"},
    {u"Numéro d'un département", u"Positionner le département sur la carte", u"Donne le nom du département", u"15"},
    {u"Nom d'un département", u"Positionner le département sur la carte", u"Donne le numéro du département", u"15"},
    {u"Numéro d'un département", u"Nom de la préfecture du département",
     u"Colorie département,donne son nom + liste des préfectures", u"30"},
    {u"Nom d'un département", u"Nom de la préfecture du département",
     u"Colorie département, donne son n° + liste des préfectures", u"30"},
    {u"Colorie un département", u"Numéro du département", u"Donne le nom du département", u"15"},
    {u"Colorie un département", u"Nom du département", u"Donne le numéro du département", u"30"},
    {u"Colorie un département", u"Nom de la préfecture du département",
     u"Numéro et nom du département + liste des préfectures", u"30"},
    {u"Nom de la préfecture départementale", u"Nom du département", u"Colorie le département et donne son numéro",
     u"30"},
    {u"Nom de la préfecture départementale", u"Numéro du département", u"Colorie le département et donne son nom",
     u"30"},
    {u"Nom de la préfecture départementale", u"Positionner la préfecture dans le bon département",
     u"Donne le numéro du département", u"15"},
    {u"Nom d'une région", u"Positionner la région sur la carte", u"Donne le numéro et le nom des départements", u"15"},
    {u"Colorie une région", u"Nom de la région", u"Donne la liste des régions", u"30"},
    {u"Nom d'une région", u"Numéro des départements", u"Colorie la région et donne le nom des départements", u"35"},
    {u"Colorie une région", u"Numéro des départements", u"Donne le nom de la région et le nom des départements",
     u"35"},
    {u"Nom d'une région", u"Nom des départements", u"Colorie la région et donne le numéro des départements", u"60"},
    {u"Colorie une région", u"Nom des départements", u"Donne le nom de la région et le numéro des départements",
     u"60"},
    {u"Numéro des départements", u"Nom de la région", u"Colorie la région + nom des départements + liste régions",
     u"30"},
    {u"Numéro des départements", u"Positionner la région sur la carte", u"Donne le nom des départements", u"15"},
    {u"Nom des départements", u"Nom de la région", u"Colorie la région + n° des départements + liste régions", u"30"},
    {u"Nom des départements", u"Positionner la région sur la carte", u"Donne le numéro des départements", u"30"},
    {u"Nom de la préfecture régionale", u"Positionner la préfecture dans la bonne région", u"Donne le nom de la région",
     u"15"},
    {u"Nom de la préfecture régionale", u"Nom de la région", u"Colorie la région et donne la liste des régions", u"30"},
    {u"Nom de la région", u"Nom de la préfecture régionale", u"Colorie la région et propose la liste des préfectures",
     u"30"},
    {u"Colorie une région", u"Nom de la préfecture régionale", u"Donne la liste des préfectures de région", u"30"},
    {u"Nom d'un département", u"Superficie du département", u"Colorie le département et donne son numéro", u"10"},
    {u"Nom d'un département", u"Population du département", u"Colorie le département et donne son numéro", u"10"},
    {u"Nom d'une région", u"Superficie de la région", u"Colorie la région", u"10"},
    {u"Nom d'une région", u"Population de la région", u"Colorie la région", u"10"},
    {u"Blason d'une région", u"Nom de la région", u"Colorie la région et propose la liste des régions", u"30"},
};

const QString kSaisieErronnee = u"Saisie erronnée"_s;

// A time the time bar can count down: a whole number of seconds written in
// digits (blanks around and a sign allowed), not beyond the bar's range.
bool TempsCorrect(const QString& text)
{
    static const QRegularExpression number(uR"(^\s*[+-]?(\d+\.?\d*|\.\d+)\s*$)"_s);
    if (!number.match(text).hasMatch())
        return false;
    const double secondes = platform::Val(text);
    return secondes == platform::Int(secondes) && secondes <= Menu::kSecondesMax;
}

// Rows as tall as their longest text once wrapped in its column, so that no
// text of the catalogue is cut.
void AjusteHauteurs(QTreeWidget* list)
{
    const QFontMetrics metrics(list->font());
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list->topLevelItem(row);
        int height = metrics.height();
        for (int c = 0; c < list->columnCount(); ++c) {
            const int width = list->header()->sectionSize(c) - 10;
            height = qMax(height, metrics.boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, item->text(c)).height());
        }
        for (int c = 0; c < list->columnCount(); ++c)
            item->setSizeHint(c, QSize(list->header()->sectionSize(c), height + 4));
    }
}

// The list of games. While no game is chosen no row is current either: Qt
// would make the first row current on focus, drawing it as chosen, and the
// first Down would then choose game 2; with no current row it chooses game 1.
class ListeJeux : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QTreeWidget::focusInEvent(event);
        if (selectedItems().isEmpty())
            selectionModel()->clearCurrentIndex();
    }
};

QGroupBox* Cadre(const QString& titre, QWidget* parent)
{
    auto* frame = new QGroupBox(titre, parent);
    QFont font = platform::designFont(u"MS Sans Serif"_s, 8, true);
    frame->setFont(font);
    return frame;
}

QRadioButton* Option(const QString& caption, QGroupBox* frame)
{
    auto* option = new QRadioButton(caption, frame);
    option->setFont(platform::designFont(u"MS Sans Serif"_s, 8));
    return option;
}

} // namespace

Menu::Menu()
{
    setWindowTitle(u"Geomira"_s);
    setClientSizeTw(11400, 8100);

    Label1 = new QLabel(u"Cliquez sur le jeu désiré parmi les 31 disponibles"_s, this);
    Label1->setFont(platform::designFont(u"Verdana"_s, 10, true));
    Label1->setStyleSheet(u"color: rgb(128, 0, 0);"_s);
    placeTw(Label1, 150, 120, 11100, 330);

    ListView1 = new ListeJeux(this);
    ListView1->setColumnCount(4);
    ListView1->setHeaderLabels({u"Jeu"_s, u"Information Donnée :"_s, u"Réponse Attendue :"_s, u"Aide :"_s});
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setAlternatingRowColors(true);
    ListView1->setUniformRowHeights(false);
    ListView1->setWordWrap(true);
    ListView1->setTextElideMode(Qt::ElideNone);
    ListView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListView1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ListView1->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    ListView1->setFont(platform::designFont(u"MS Sans Serif"_s, 8));
    ListView1->header()->setSectionsMovable(false);
    ListView1->header()->setSectionsClickable(false);
    ListView1->header()->setSectionResizeMode(QHeaderView::Fixed);
    ListView1->header()->setStretchLastSection(false);
    placeTw(ListView1, 150, 480, 11100, 4440);
    // The background picture is tiled behind the rows, the alternate rows only
    // tinting it; it stays in place while the rows scroll over it, so a scroll
    // repaints the whole list, scroll bar included, instead of moving what was
    // painted. The picture is the viewport's alone: the scroll bar and the
    // header keep their plain colours.
    QPalette fond = ListView1->viewport()->palette();
    fond.setBrush(QPalette::Base,
                  platform::storedPicture(u":/stored/list_background.gif"_s, QSize(190, 190), Qt::white));
    ListView1->viewport()->setPalette(fond);
    QPalette teinte = ListView1->palette();
    teinte.setColor(QPalette::AlternateBase, QColor(40, 60, 100, 14));
    ListView1->setPalette(teinte);
    connect(ListView1->verticalScrollBar(), &QScrollBar::valueChanged, ListView1, qOverload<>(&QWidget::update));
    // Fixed widths, the help column taking what is left beside the scroll bar.
    const int largeur = ListView1->width() - 2 * ListView1->frameWidth()
        - ListView1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ListView1);
    const int colonnes[] = {32, 192, 240};
    for (int c = 0; c < 3; ++c)
        ListView1->setColumnWidth(c, colonnes[c]);
    ListView1->setColumnWidth(3, largeur - colonnes[0] - colonnes[1] - colonnes[2]);

    Label3 = new QLabel(u"Vous avez choisis le jeu n° :"_s, this);
    Label3->setFont(platform::designFont(u"MS Sans Serif"_s, 8, true));
    placeTw(Label3, 150, 5010, 2850, 330);
    Label4 = new QLabel(this);
    Label4->setFont(platform::designFont(u"MS Sans Serif"_s, 10, true));
    Label4->setStyleSheet(u"color: rgb(0, 0, 160);"_s);
    placeTw(Label4, 3000, 4980, 900, 360);

    // Option buttons are built from the highest index down; the index gives the meaning.
    Frame1 = Cadre(u"Choix du niveau de jeu :"_s, this);
    placeTw(Frame1, 150, 5430, 3600, 1380);
    const char16_t* niveaux[] = {u"Facile (Avec Aide)", u"Difficile (Sans Aide)"};
    for (int i = 1; i >= 0; --i) {
        Niveau[i] = Option(QString::fromUtf16(niveaux[i]), Frame1);
        placeTw(Niveau[i], 240, 330 + 450 * i, 3240, 360);
    }

    Limite = Cadre(u"Temps de réponse :"_s, this);
    placeTw(Limite, 3900, 5430, 3600, 1380);
    const char16_t* temps[] = {u"Illimité", u"Limité"};
    for (int i = 1; i >= 0; --i) {
        Tps[i] = Option(QString::fromUtf16(temps[i]), Limite);
        placeTw(Tps[i], 240, 330 + 450 * i, 1380, 360);
        connect(Tps[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                Tps_Click(i);
        });
    }
    Sec = new QLineEdit(Limite);
    Sec->setFont(platform::designFont(u"MS Sans Serif"_s, 8));
    Sec->setAlignment(Qt::AlignRight);
    placeTw(Sec, 1680, 750, 780, 360);
    Sec->hide();
    Label2 = new QLabel(u" Sec"_s, Limite);
    Label2->setFont(platform::designFont(u"MS Sans Serif"_s, 8));
    placeTw(Label2, 2490, 780, 720, 300);
    Label2->hide();
    Limite->hide();

    Question = Cadre(u"Nombres de Questions :"_s, this);
    placeTw(Question, 7650, 5430, 3600, 1380);
    const char16_t* nombres[] = {u"Fixe", u"Toutes"};
    for (int i = 1; i >= 0; --i) {
        NbQuest[i] = Option(QString::fromUtf16(nombres[i]), Question);
        placeTw(NbQuest[i], 240, 330 + 450 * i, 1980, 360);
        connect(NbQuest[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                NbQuest_Click(i);
        });
    }
    ListNbQ = new QComboBox(Question);
    ListNbQ->setEditable(false);
    ListNbQ->setFont(platform::designFont(u"MS Sans Serif"_s, 8));
    ListNbQ->setMaxVisibleItems(12);
    placeTw(ListNbQ, 2280, 300, 1140, 390);
    Question->hide();

    const QFont bouton = platform::designFont(u"Verdana"_s, 9, true);
    JoueOK = new QPushButton(u"Jouer !"_s, this);
    Somm = new QPushButton(u"Sommaire"_s, this);
    for (QPushButton* b : {JoueOK, Somm})
        b->setFont(bouton);
    placeTw(JoueOK, 3300, 6960, 2100, 540);
    placeTw(Somm, 6000, 6960, 2100, 540);

    mnuAide = platform::makeHelpButton(this, 10650, 6930, 600, 600, 28);

    StatusBar2 = new platform::BottomStatusBar(this);
    StatusBar2->showMessage(u"Choisissez un jeu, son niveau, le temps de réponse et le nombre de questions."_s);

    connect(ListView1, &QTreeWidget::itemClicked, this, [this] { ListView1_Click(); });
    // A game reached with the arrow keys is chosen as a clicked one: the
    // highlighted row and "Vous avez choisi le jeu n°" never disagree.
    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, [this] { ListView1_Click(); });
    connect(JoueOK, &QPushButton::clicked, this, &Menu::JoueOK_Click);
    connect(Somm, &QPushButton::clicked, this, &Menu::Somm_Click);
    connect(mnuAide, &QPushButton::clicked, this, &Menu::mnuAide_Click);
}

void Menu::Form_Load()
{
    for (int jeu = 1; jeu <= 31; ++jeu) {
        const Jeu& j = kJeux[jeu - 1];
        auto* item = new QTreeWidgetItem(ListView1);
        item->setText(0, QString::number(jeu));
        item->setText(1, QString::fromUtf16(j.information));
        item->setText(2, QString::fromUtf16(j.reponse));
        item->setText(3, QString::fromUtf16(j.aide));
    }
    AjusteHauteurs(ListView1);
}

void Menu::Form_QueryUnload() { win::UnloadAll(); }

void Menu::ListView1_Click()
{
    const QList<QTreeWidgetItem*> selection = ListView1->selectedItems();
    if (selection.isEmpty())
        return;
    Label4->setText(selection.front()->text(0));
    Question->show();
    ListNbQ->hide();
    Limite->show();
    NbBonnes = 0;
    NbFausses = 0;

    const int g = int(platform::Val(Label4->text()));
    int16_t n = 0;
    if (g < 13 || g == 27 || g == 28) {
        NbQuest[0]->setText(u"Fixe (1 à 96)"_s);
        NbQuest[1]->setText(u"Toutes (96)"_s);
        n = 96;
    } else if ((g > 12 && g < 27) || g == 29 || g == 30 || g == 31) {
        NbQuest[0]->setText(u"Fixe (1 à 22)"_s);
        NbQuest[1]->setText(u"Toutes (22)"_s);
        n = 22;
    }
    ListNbQ->clear();
    for (int16_t i = 1; i <= n; ++i) {
        ListNbQ->addItem(platform::Str(int(i)));
        DejaPose[i] = 0;
    }
    ListNbQ->setCurrentIndex(-1);
}

void Menu::Tps_Click(int /*Index*/)
{
    const int g = int(platform::Val(Label4->text()));
    if (Tps[1]->isChecked() && !Label4->text().isEmpty() && g >= 1 && g <= 31) {
        Sec->show();
        Sec->setText(QString::fromUtf16(kJeux[g - 1].secondes));
        Label2->show();
    } else {
        Sec->hide();
        Label2->hide();
    }
}

void Menu::NbQuest_Click(int /*Index*/)
{
    if (NbQuest[0]->isChecked()) {
        ListNbQ->show();
    } else {
        ListNbQ->hide();
        ListNbQ->setCurrentIndex(-1);
    }
}

void Menu::JoueOK_Click()
{
    auto refuse = [](const QString& message) {
        platform::MsgBox(message, platform::vbInformation, kSaisieErronnee);
    };
    if (Label4->text().isEmpty())
        return refuse(u"Veuillez choisir un jeu parmi les 31 proposés"_s);
    if (!Niveau[0]->isChecked() && !Niveau[1]->isChecked())
        return refuse(u"Veuillez choisir un niveau de difficulté"_s);
    if (!Tps[0]->isChecked() && !Tps[1]->isChecked())
        return refuse(u"Veuillez choisir le temps de réponse (limité ou illimité)."_s);
    if (Tps[1]->isChecked() && !TempsCorrect(Sec->text()))
        return refuse(u"Veuillez saisir un temps de réponse correct."_s);
    if (Tps[1]->isChecked() && platform::Val(Sec->text()) < 3)
        return refuse(u"Veuillez saisir le temps de réponse désiré (3 secondes minimum)."_s);
    if (!NbQuest[0]->isChecked() && !NbQuest[1]->isChecked())
        return refuse(u"Veuillez choisir le nombre de questions."_s);
    if (NbQuest[0]->isChecked() && ListNbQ->currentText().isEmpty())
        return refuse(u"Veuillez choisir le nombre de questions."_s);

    // The quiz's time bar runs from this number.
    Sec->setText(platform::Str(platform::Val(Sec->text()) + 1));
    win::Menu.Hide();
    win::CarteDep.Unload();
    win::CarteDep.Show();
}

void Menu::Somm_Click()
{
    win::Menu.Unload();
    win::Sommaire.Show();
}

void Menu::mnuAide_Click() { platform::AfficheAide(this, platform::appFile(u"help/Geomira.chm"_s)); }
