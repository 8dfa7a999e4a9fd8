// Games 11 to 20 played in the real quiz window: question set-up (layouts,
// captions, answer rows), typed, listed and map answers, the multi-entry
// answers with validation, confirmation, marks and partial credit, report
// lines, score and the end of each game.
#include "QuizFixture.h"
#include "testkit/Sandbox.h"

#include "app/Rapport.h"
#include "app/Sommaire.h"
#include "platform/Conversions.h"
#include "platform/Screen.h"
#include "quiz/Tables.h"

#include <QEvent>
#include <QFileInfo>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <random>

using namespace Qt::StringLiterals;

namespace {

// The random draws that ask département n / région r.
double tirage96(int n) { return (n - 0.5) / 96; }
double tirage22(int r) { return (r - 0.5) / 22; }

QString num(int n) { return QString::number(n); }

const QString CRLF = u"\r\n"_s;

QList<int> departements(int region)
{
    RemplitTables();
    QList<int> liste;
    for (int d = 1; d <= 96; ++d) {
        if (NumRegionDep[d] == region)
            liste << d;
    }
    return liste;
}

// The région of a département index.
int regionDe(int d)
{
    RemplitTables();
    return NumRegionDep[d];
}

QStringList erreursRapport()
{
    Rapport* rapport = win::Rapport.ifLoaded();
    if (!rapport)
        return {};
    QStringList lines = rapport->RichTextBox1->toPlainText().split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines.mid(3);
}

bool rapportJeu(int g) { return g == 11 || g == 15 || g == 17 || g == 19; }

// Whether the countdown paints the asked item at its first tick.
bool peint(int g, int niveau)
{
    return g == 14 || g == 16 || g == 18 || (niveau == 0 && (g == 11 || g == 15 || g == 17 || g == 19));
}

bool multiple(int g) { return g >= 15 && g <= 18; }
bool parNom(int g) { return g == 17 || g == 18; }
bool carte(int g) { return g == 12 || g == 13 || g == 20; }

} // namespace

class TestGames11a20 : public QObject {
    Q_OBJECT

    std::unique_ptr<testkit::Sandbox> sandbox;
    testkit::FakePlatform* fake = nullptr;
    CompteMasquages masquages;

    CarteDep* lance(const Reglages& r, std::initializer_list<double> tirages = {})
    {
        return lancePartie(*fake, masquages, r, tirages);
    }
    void relance()
    {
        win::UnloadAll();
        testkit::flushDeletes();
        fake->dialogs.boxes.clear();
        fake->sound.played.clear();
        fake->dialogs.onBox = nullptr;
    }

    // Fills the answer boxes (D for numbers, ND for names) and presses Enter.
    static void saisit(CarteDep* c, bool noms, const QStringList& textes)
    {
        for (int k = 0; k < textes.size(); ++k)
            (noms ? c->ND : c->D)[k]->setText(textes[k]);
        int16_t key = 13;
        if (noms)
            c->ND_KeyPress(0, key);
        else
            c->D_KeyPress(0, key);
    }
    static int montres(const std::array<QLineEdit*, 8>& boxes)
    {
        int n = 0;
        for (QLineEdit* b : boxes)
            n += b->isHidden() ? 0 : 1;
        return n;
    }
    // Every département of the map in its own column: clicking (d, 10) hits d.
    static void carteComplete()
    {
        for (int d = 1; d <= 96; ++d)
            ecritPixels(u"F"_s + num(d) + u".dat"_s, {{{d, 10, d}}});
    }

private slots:
    void init()
    {
        sandbox = std::make_unique<testkit::Sandbox>();
        fake = &sandbox->fake;
        Cle = QString::fromLatin1(kCleValue);
        RemplitTables();
    }
    void cleanup() { sandbox.reset(); }

    // ------------------------------------------------------------ questions

    void questionTexts_data()
    {
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("infobulle");
        QTest::addColumn<QString>("aide");
        const QString q11 = u"Quel est le n° du département "_s;
        const QString t11 = u"Q: Nom de la préfecture départementale  -  R: Numéro du département"_s;
        const QString t12 = u"Q: Nom de la préfecture départementale  -  R: Positionner la préfecture dans le bon département"_s;
        const QString p12 = u"Placer la préfecture suivante dans le bon département"_s;
        QTest::newRow("11 easy 2A") << 11 << 0 << 96 << CRLF + q11 + u"Corse du Sud ayant pour préfecture : \r\nAjaccio"_s << t11
                                    << u"Colorie le département et indique son nom"_s;
        QTest::newRow("11 easy 2B") << 11 << 0 << 20 << q11 + u"Haute Corse ayant pour préfecture : \r\nBastia"_s << t11
                                    << u"Colorie le département et indique son nom"_s;
        QTest::newRow("11 hard 2A") << 11 << 1 << 96 << u"\r\nQuel est le n° du département ayant pour préfecture : \r\nAjaccio"_s
                                    << t11 << u"Ne colorie pas le département et n'indique pas son nom"_s;
        QTest::newRow("11 hard 5") << 11 << 1 << 5 << u"Quel est le n° du département ayant pour préfecture : \r\nGap"_s << t11
                                   << u"Ne colorie pas le département et n'indique pas son nom"_s;
        QTest::newRow("12 easy 5") << 12 << 0 << 5 << p12 + u" : 5\r\nGap"_s << t12 << u"Indique le numéro du département"_s;
        QTest::newRow("12 easy 2B") << 12 << 0 << 20 << p12 + u" : 2B\r\nBastia"_s << t12 << u"Indique le numéro du département"_s;
        QTest::newRow("12 easy 2A") << 12 << 0 << 96 << p12 + u" : 2A\r\nAjaccio"_s << t12 << u"Indique le numéro du département"_s;
        QTest::newRow("12 hard 5") << 12 << 1 << 5 << p12 + u"\r\nGap"_s << t12 << u"N'indique pas le numéro du département"_s;
        QTest::newRow("13 easy") << 13 << 0 << 8 << u"Placer la région Corse sur la carte"_s
                                 << u"Q: Nom d'une région  -  R: Positionner la région"_s
                                 << u"Indique le numéro et le nom des départements"_s;
        QTest::newRow("13 hard") << 13 << 1 << 1 << u"Placer la région Alsace sur la carte"_s
                                 << u"Q: Nom d'une région  -  R: Positionner la région"_s
                                 << u"N'indique pas le numéro, ni le nom des départements"_s;
        QTest::newRow("14 easy") << 14 << 0 << 1 << u"Quel est le nom de la région coloriée"_s
                                 << u"Q: Colorie une région  -  R: Nom de la région"_s << u"Donne la liste des régions"_s;
        QTest::newRow("14 hard") << 14 << 1 << 1 << u"Quel est le nom de la région coloriée"_s
                                 << u"Q: Colorie une région  -  R: Nom de la région"_s << u"Ne donne pas la liste des régions"_s;
        QTest::newRow("15 easy") << 15 << 0 << 1 << u"Indiquer le n° des départements de la région Alsace"_s
                                 << u"Q: Nom d'une région  -  R: Numéro des départements"_s
                                 << u"Colorie la région et donne le nom des départements"_s;
        QTest::newRow("15 hard") << 15 << 1 << 14 << u"Indiquer le n° des départements de la région Midi-Pyrénées"_s
                                 << u"Q: Nom d'une région  -  R: Numéro des départements"_s
                                 << u"Ne colorie pas la région et ne donne pas le nom des départements"_s;
        QTest::newRow("16 easy") << 16 << 0 << 8 << u"Indiquer le n° des départements de la région coloriée\r\nCorse"_s
                                 << u"Q: Colorie une région  -  R: Numéro des départements"_s
                                 << u"Indique le nom de la région et le nom des départements"_s;
        QTest::newRow("16 hard") << 16 << 1 << 8 << u"Indiquer le n° des départements de la région coloriée"_s
                                 << u"Q: Colorie une région  -  R: Numéro des départements"_s
                                 << u"N'indique pas le nom de la région, ni le nom des départements"_s;
        QTest::newRow("17 easy") << 17 << 0 << 1 << u"Indiquer le nom des départements de la région Alsace"_s
                                 << u"Q: Nom d'une région  -  R: Nom des départements"_s
                                 << u"Colorie la région et donne le numéro des départements"_s;
        QTest::newRow("17 hard") << 17 << 1 << 22 << u"Indiquer le nom des départements de la région Rhône-Alpes"_s
                                 << u"Q: Nom d'une région  -  R: Nom des départements"_s
                                 << u"Ne colorie pas la région et ne donne pas le numéro des départements"_s;
        QTest::newRow("18 easy") << 18 << 0 << 1 << u"Indiquer le nom des départements de la région coloriée\r\nAlsace"_s
                                 << u"Q: Colorie une région  -  R: Noms des départements"_s
                                 << u"Indique le nom de la région et le numéro des départements"_s;
        QTest::newRow("18 hard") << 18 << 1 << 1 << u"Indiquer le nom des départements de la région coloriée"_s
                                 << u"Q: Colorie une région  -  R: Noms des départements"_s
                                 << u"N'indique pas le nom de la région, ni les numéro des départements"_s;
        QTest::newRow("19 easy") << 19 << 0 << 1 << QString() << u"Q: Numéro des départements  -  R: Nom de la région"_s
                                 << u"Colorie la région, donne le nom des départements et la liste des régions"_s;
        QTest::newRow("19 hard") << 19 << 1 << 1 << QString() << u"Q: Numéro des départements  -  R: Nom de la région"_s
                                 << u"Ne colorie pas la région, ne donne pas le nom des départements, ni la liste des régions"_s;
        QTest::newRow("20 easy") << 20 << 0 << 1 << u" Positionner la région correspondante"_s
                                 << u"Q: Numéro des départements  -  R: Positionner la région correspondante"_s
                                 << u"Indique le nom des départements"_s;
        QTest::newRow("20 hard") << 20 << 1 << 8 << u" Positionner la région correspondante"_s
                                 << u"Q: Numéro des départements  -  R: Positionner la région correspondante"_s
                                 << u"N'indique pas le nom des départements"_s;
    }
    void questionTexts()
    {
        QFETCH(int, g);
        QFETCH(int, niveau);
        QFETCH(int, n);
        QFETCH(QString, question);
        QFETCH(QString, infobulle);
        QFETCH(QString, aide);
        const bool regions = g >= 13;
        ecritPixels((regions ? u"R"_s : u"D"_s) + num(n) + u".dat"_s, {{{5, 5, 1}}});
        Reglages r;
        r.jeu = num(g);
        r.niveau = niveau;
        r.tps = 0;
        CarteDep* c = lance(r, {regions ? tirage22(n) : tirage96(n)});
        QCOMPARE(Tirage, float(n));
        QCOMPARE(c->Label1->text(), u"Jeu n° "_s + num(g));
        QCOMPARE(c->Label1->toolTip(), infobulle);
        QCOMPARE(c->LblAide->text(), aide);
        QCOMPARE(c->aide->title(), niveau == 0 ? u"Aide Activée."_s : u"Aide Non Activée."_s);
        QCOMPARE(c->Temps->Value(), c->Temps->Max() - 2);
        QCOMPARE(TempsEcoule, int16_t(0));
        QCOMPARE(DejaPose[n], int16_t(1));
        if (g == 19) {
            QVERIFY(c->Question->isHidden());
            QCOMPARE(c->Info->title(), u"Question  1/ 10 : Nom de la région :"_s);
            QVERIFY(c->Info->font().bold());
            QVERIFY(!c->D[0]->font().bold());
            QCOMPARE(c->Info->y(), platform::tw(1560));
            QCOMPARE(c->Reponse->y(), platform::tw(5300));
            QVERIFY(!c->Reponse->isHidden());
        } else {
            QCOMPARE(c->LblQuest->text(), question);
            QCOMPARE(c->Question->title(), u"Question  1/ 10 :"_s);
        }
        // The map: départements for 11 and 12, régions from 13 on.
        QCOMPARE(c->Label2->text(), regions ? u"Les Régions Françaises"_s : u"Les Départements Français"_s);
        QCOMPARE(fake->pictures.loaded.filter(u"GeomiraRegV.gif"_s).size(), regions ? 1 : 0);
        // Answer controls.
        const bool liste = (g == 14 || g == 19) && niveau == 0;
        QCOMPARE(c->ListRep->isHidden(), !liste);
        QCOMPARE(c->ListRepOk->isHidden(), false);
        QCOMPARE(c->Rep->isHidden(), liste);
        if (liste)
            QCOMPARE(c->ListRep->currentIndex(), -1);
        QCOMPARE(c->Reponse->isHidden(), g != 11 && g != 14 && g != 19);
        QVERIFY(!c->Abandon->isHidden());
        QCOMPARE(SolutionVue, int16_t(0));
        QCOMPARE(DepClique, int16_t(0));
        // Untimed layout.
        if (g == 11 || g == 14) {
            QCOMPARE(c->Score->y(), platform::tw(4080));
            QCOMPARE(c->NoSais->y(), platform::tw(4250));
        } else if (g == 12) {
            QCOMPARE(c->Score->y(), platform::tw(2880));
            QCOMPARE(c->NoSais->y(), platform::tw(3050));
        } else {
            QCOMPARE(c->Score->pos(), QPoint(platform::tw(7440), platform::tw(6480)));
            QCOMPARE(c->NoSais->pos(), QPoint(platform::tw(10440), platform::tw(6600)));
            // Game 13 moves the time bar untimed too; the others leave it.
            QCOMPARE(c->Temps->y(), platform::tw(g == 13 ? 7200 : 4080));
        }
        // The report heading, at the first question of the report games only.
        Rapport* rapport = win::Rapport.ifLoaded();
        QCOMPARE(rapport != nullptr, rapportJeu(g));
        if (rapport) {
            QVERIFY(!rapport->isVisible());
            const QStringList lignes = rapport->RichTextBox1->toPlainText().split(u'\n');
            QCOMPARE(lignes[0], u"Correction de vos erreurs pour ce jeu n° "_s + num(g) + u" :"_s);
            static const QMap<int, QString> resumes{
                {11, u"Q: Nom de la préfecture départementale  -  R : Numéro du département"_s},
                {15, u"Q: Nom d'une région  -  R : Numéro des départements"_s},
                {17, u"Q: Nom d'une région  -  R : Noms des départements"_s},
                {19, u"Q: Numéro des départements  -  R : Nom de la région"_s}};
            QCOMPARE(lignes[1], resumes[g]);
            QCOMPARE(lignes[2], QString());
            const QTextBlock titre = rapport->RichTextBox1->document()->findBlockByNumber(0);
            const QTextCharFormat format = titre.begin().fragment().charFormat();
            QCOMPARE(format.foreground().color(), QColor(255, 0, 0));
            QCOMPARE(format.fontPointSize(), 12.0);
            QVERIFY(format.fontUnderline());
        }
        // The first tick paints the asked item where the game gives that help.
        QVERIFY(!c->Picture1->hasSetPixel(5, 5));
        c->Timer1_Timer();
        QCOMPARE(c->Picture1->hasSetPixel(5, 5), peint(g, niveau));
    }

    void timedLayouts_data()
    {
        QTest::addColumn<int>("g");
        for (int g = 11; g <= 20; ++g)
            QTest::addRow("%d", g) << g;
    }
    void timedLayouts()
    {
        QFETCH(int, g);
        Reglages r;
        r.jeu = num(g);
        CarteDep* c = lance(r);
        if (g == 11 || g == 14) {
            QCOMPARE(c->Score->pos(), QPoint(platform::tw(8880), platform::tw(4560)));
            QCOMPARE(c->NoSais->y(), platform::tw(4680));
        } else if (g == 12) {
            QCOMPARE(c->Temps->y(), platform::tw(2880));
            QCOMPARE(c->Score->y(), platform::tw(3320));
            QCOMPARE(c->NoSais->y(), platform::tw(3500));
        } else {
            QCOMPARE(c->Temps->geometry(), QRect(platform::tw(7440), platform::tw(7200), platform::tw(2900), c->Temps->height()));
            QCOMPARE(c->Score->pos(), QPoint(platform::tw(7440), platform::tw(6480)));
            QCOMPARE(c->NoSais->pos(), QPoint(platform::tw(10440), platform::tw(6600)));
        }
        QVERIFY(!c->Temps->isHidden());  // the first tick shows the bar
        QCOMPARE(c->Temps->Value(), c->Temps->Max() - 2);
    }

    void answerRows_data()
    {
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("region");
        for (int g : {13, 15, 16, 17, 18, 19, 20}) {
            for (int niveau = 0; niveau < 2; ++niveau) {
                for (int region : {1, 8, 14, 22})
                    QTest::addRow("%d %s r%d", g, niveau ? "hard" : "easy", region) << g << niveau << region;
            }
        }
    }
    void answerRows()
    {
        QFETCH(int, g);
        QFETCH(int, niveau);
        QFETCH(int, region);
        const bool facile = niveau == 0;
        Reglages r;
        r.jeu = num(g);
        r.niveau = niveau;
        CarteDep* c = lance(r, {tirage22(region)});
        const QList<int> deps = departements(region);
        if (g == 13 && !facile) {
            QVERIFY(c->Info->isHidden());  // no rows at the hard level of game 13
            return;
        }
        QVERIFY(!c->Info->isHidden());
        static const QMap<int, QString> titres{{13, u"N° et nom des départements"_s}, {15, u"N° des départements ?"_s},
                                               {16, u"N° des départements ?"_s},      {17, u"Nom des départements ?"_s},
                                               {18, u"Nom des départements ?"_s}};
        if (titres.contains(g))
            QCOMPARE(c->Info->title(), titres[g]);
        if (g == 20)
            QCOMPARE(c->Info->title(), facile ? u"N° et nom des départements :"_s : u"N° des départements :"_s);
        // Which boxes show, what they hold, which are locked.
        const bool dMontre = !(g == 17 || g == 18) || facile;
        const bool ndMontre = facile || g == 17 || g == 18;
        for (int k = 0; k < 8; ++k) {
            QVERIFY(c->Etat[k]->isHidden());
            if (k >= deps.size()) {
                QVERIFY(c->D[k]->isHidden());
                QVERIFY(c->ND[k]->isHidden());
                QVERIFY(c->D[k]->text().isEmpty());
                QVERIFY(c->ND[k]->text().isEmpty());
                continue;
            }
            const int d = deps[k];
            QCOMPARE(!c->D[k]->isHidden(), dMontre);
            QCOMPARE(!c->ND[k]->isHidden(), ndMontre);
            // Game 13 writes " 1", games 17 to 20 "1"; 2B and 2A alike.
            QString numero;
            if (g == 13)
                numero = (d == 20 || d == 96) ? NumeroDep(d) : u" "_s + num(d);
            else if (g == 19 || g == 20 || ((g == 17 || g == 18) && facile))
                numero = NumeroDep(d);
            QCOMPARE(c->D[k]->text(), numero);
            QString nom;
            if (facile && g != 17 && g != 18)
                nom = NomDep[d];
            QCOMPARE(c->ND[k]->text(), nom);
            const bool saisieD = g == 15 || g == 16;
            QCOMPARE(c->D[k]->isReadOnly(), !saisieD);
            if (ndMontre)
                QCOMPARE(c->ND[k]->isReadOnly(), !(g == 17 || g == 18));
            if (g >= 18)
                QVERIFY(!(c->D[k]->focusPolicy() & Qt::TabFocus));
        }
        if (region == 8 && (g == 13 || g >= 19 || ((g == 17 || g == 18) && facile))) {
            QCOMPARE(c->D[0]->text(), u"2B"_s);
            QCOMPARE(c->D[1]->text(), u"2A"_s);
        }
        if (region == 1 && g >= 17 && !c->D[0]->text().isEmpty())
            QCOMPARE(c->D[0]->text(), u"67"_s);
        // Moves of the hard level.
        for (int i = 0; i < 8; ++i) {
            int dLeft = 120, ndLeft = 720, etatLeft = 3600;
            if (!facile && (g == 15 || g == 16)) {
                dLeft = 1820;
                etatLeft = 2520;
            } else if (!facile && g == 17) {
                ndLeft = 700;
                etatLeft = 3650;
            } else if (!facile && g == 18) {
                etatLeft = 3650;
            } else if (!facile && (g == 19 || g == 20) && i < deps.size()) {
                dLeft = 1700;
            }
            QCOMPARE(c->D[i]->x(), platform::tw(dLeft));
            QCOMPARE(c->ND[i]->x(), platform::tw(ndLeft));
            QCOMPARE(c->Etat[i]->x(), platform::tw(etatLeft));
            QCOMPARE(c->D[i]->y(), platform::tw(480 + 360 * i));
        }
        // The multi-entry games open with the first answer box ready.
        if (multiple(g))
            QCOMPARE(c->focusWidget(), static_cast<QWidget*>(parNom(g) ? c->ND[0] : c->D[0]));
    }

    void rowsEmptiedBetweenQuestions()
    {
        // Midi-Pyrénées (eight rows) then Alsace (two): rows 2 to 7 hidden and emptied, marks hidden.
        Reglages r;
        r.jeu = u"16"_s;
        r.niveau = 1;
        CarteDep* c = lance(r, {tirage22(14), tirage22(1)});
        QCOMPARE(montres(c->D), 8);
        saisit(c, false, {u"9"_s, u"12"_s, u"31"_s, u"32"_s, u"46"_s, u"65"_s, u"81"_s, u"1"_s});
        QCOMPARE(Tirage, 1.0f);
        QCOMPARE(montres(c->D), 2);
        for (int k = 0; k < 8; ++k) {
            QVERIFY(c->D[k]->text().isEmpty());
            QVERIFY(c->Etat[k]->isHidden());
        }
        QVERIFY(qAbs(NbBonnes - 0.875f) < 1e-6f);
        QCOMPARE(NbBonnes + NbFausses, 1.0f);
        QCOMPARE(c->Note->text(), u" .88/ 1 soit  87.5 % "_s);
        QCOMPARE(c->Question->title(), u"Question  2/ 10 :"_s);
    }

    void allRegionsOnce_data()
    {
        QTest::addColumn<int>("g");
        for (int g : {13, 15, 16, 17, 19, 20})
            QTest::addRow("%d", g) << g;
    }
    void allRegionsOnce()
    {
        // "Toutes": every région is asked once; the 23rd call ends the game.
        QFETCH(int, g);
        Reglages r;
        r.jeu = num(g);
        r.niveau = 1;
        r.tps = 0;
        r.nbQuest = 1;
        CarteDep* c = lance(r);
        QSet<int> asked;
        for (int q = 1; q <= 22; ++q) {
            QCOMPARE(NbQuestions, int16_t(22));
            QVERIFY(!asked.contains(int(Tirage)));
            asked.insert(int(Tirage));
            c->NoSais_Click();
            if (carte(g))
                c->btnOK_Click();
        }
        QCOMPARE(asked.size(), 22);
        QCOMPARE(NbFausses, 22.0f);
        QCOMPARE(fake->dialogs.boxes.last().title, u"Terminé"_s);
        QCOMPARE(rapportJeu(g), win::Rapport.isVisible());
    }

    void allDepartementsOnce()
    {
        Reglages r;
        r.jeu = u"11"_s;
        r.niveau = 1;
        r.tps = 0;
        r.nbQuest = 1;
        CarteDep* c = lance(r);
        QSet<int> asked;
        for (int q = 1; q <= 96; ++q) {
            QVERIFY(!asked.contains(int(Tirage)));
            asked.insert(int(Tirage));
            tape(c, NumeroDep(int(Tirage)));
        }
        QCOMPARE(asked.size(), 96);
        QCOMPARE(NbBonnes, 96.0f);
        QCOMPARE(fake->dialogs.boxes.last().prompt,
                 u"Plus de Question à posée.\r\nVous avez obtenu un score de :\r\n\r\n 96/ 96 soit  100 %  de réussite."_s);
        QVERIFY(win::Sommaire.isVisible());  // no wrong answer: no report
    }

    void otherBlocksDoNothing()
    {
        Reglages r;
        r.jeu = u"10"_s;
        CarteDep* c = lance(r, {tirage96(5)});
        const QString question = c->LblQuest->text();
        const int draws = fake->random.draws;
        c->PoseQuestionJeux11a15();
        c->PoseQuestionJeux16a20();
        c->Rep->setText(u"5"_s);
        c->CorrigeJeux11a15();
        c->CorrigeJeux16a20();
        QCOMPARE(fake->random.draws, draws);
        QCOMPARE(c->LblQuest->text(), question);
        QVERIFY(fake->sound.played.isEmpty());
        QVERIFY(fake->dialogs.boxes.isEmpty());
        QCOMPARE(NbBonnes + NbFausses, 0.0f);
    }

    // ------------------------------------------------------------ game 11

    void game11_data()
    {
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<bool>("neSaisPas");
        QTest::addColumn<QString>("issue");    // "refus", "juste" or "faux"
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<bool>("ligneAvant");
        auto row = [](const char* name, int niveau, int n, const QString& saisie, bool ns, const QString& issue,
                      const QString& message = {}, const QString& ligne = {}, bool avant = false) {
            QTest::newRow(name) << niveau << n << saisie << ns << issue << message << ligne << avant;
        };
        const QString R = u"refus"_s, J = u"juste"_s, F = u"faux"_s;
        row("2b small with blanks", 0, 20, u" 2b "_s, false, J);
        row("2A for 2A", 1, 96, u"2A"_s, false, J);
        row("leading zero", 1, 5, u"05"_s, false, J);
        row("blanks around", 0, 5, u" 5 "_s, false, J);
        for (const char* refuse : {"20", "96", "0", "-3", "abc", "97", "7.5", "2C", "   "})
            row(qPrintable(u"refuses "_s + QLatin1String(refuse)), 0, 96, QLatin1String(refuse), false, R);
        row("easy 13 for 2A", 0, 96, u"13"_s, false, F,
            u"Mauvaise Réponse !\r\nC'était 2A\r\n\r\nLe département n° 13 a pour préfecture Marseille"_s,
            u"Ajaccio : 2A"_s, true);
        row("easy 2b for 5", 0, 5, u"2b"_s, false, F,
            u"Mauvaise Réponse !\r\nC'était 5\r\n\r\nLe département n° 2b a pour préfecture Bastia"_s, u"Gap :  5"_s, true);
        row("hard 7 for 2B", 1, 20, u"7"_s, false, F, u"Mauvaise Réponse !\r\nC'était 2B"_s, u"Bastia : 2B"_s, true);
        row("hard 7 for 5", 1, 5, u"7"_s, false, F, u"Mauvaise Réponse !\r\nC'était 5"_s, u"Gap :  5"_s, true);
        row("don't know empty", 0, 5, QString(), true, F, u"Vous ne savez pas ?\r\nC'était 5"_s, u"Gap :  5"_s, false);
        row("don't know word", 1, 96, u"xyz"_s, true, F, u"Vous ne savez pas ?\r\nC'était 2A"_s, u"Ajaccio : 2A"_s, false);
        row("don't know with the answer", 0, 5, u"5"_s, true, J);
        // After "Je ne sais pas" the text is recognised as Enter does: "2B" is 20, "20" is nothing.
        row("don't know with 2B for 2B", 1, 20, u"2B"_s, true, J);
        row("don't know with 20 for 2B", 1, 20, u"20"_s, true, F, u"Vous ne savez pas ?\r\nC'était 2B"_s,
            u"Bastia : 2B"_s, false);
        row("don't know with 2A for 2", 1, 2, u"2A"_s, true, F, u"Vous ne savez pas ?\r\nC'était 2"_s,
            u"Laon :  2"_s, false);
    }
    void game11()
    {
        QFETCH(int, niveau);
        QFETCH(int, n);
        QFETCH(QString, saisie);
        QFETCH(bool, neSaisPas);
        QFETCH(QString, issue);
        QFETCH(QString, message);
        QFETCH(QString, ligne);
        QFETCH(bool, ligneAvant);
        Reglages r;
        r.jeu = u"11"_s;
        r.niveau = niveau;
        ecritPixels(u"D"_s + num(n) + u".dat"_s, {{{5, 5, n}}});
        CarteDep* c = lance(r, {tirage96(n)});
        c->Timer1_Timer();
        QCOMPARE(c->Picture1->hasSetPixel(5, 5), niveau == 0);
        QStringList rapportPendant;
        bool minuteriePendant = true;
        fake->dialogs.onBox = [&](const testkit::ShownBox&) {
            rapportPendant = erreursRapport();
            minuteriePendant = c->Timer1->isActive();
        };
        if (neSaisPas) {
            c->Rep->setText(saisie);
            c->NoSais_Click();
        } else {
            tape(c, saisie);
        }
        if (issue == u"refus"_s) {
            QCOMPARE(fake->sound.names(), saisie.isEmpty() ? QStringList{} : QStringList{u"Faute.wav"_s});
            QVERIFY(fake->dialogs.boxes.isEmpty());
            QCOMPARE(NbBonnes + NbFausses, 0.0f);
            QCOMPARE(c->Rep->text(), saisie);
            QVERIFY(c->Timer1->isActive());
            QCOMPARE(c->Question->title(), u"Question  1/ 10 :"_s);
            QVERIFY(erreursRapport().isEmpty());
            return;
        }
        QCOMPARE(fake->dialogs.boxes.size(), 1);
        const testkit::ShownBox box = fake->dialogs.boxes[0];
        QVERIFY(!minuteriePendant);
        if (issue == u"juste"_s) {
            QCOMPARE(box.prompt, u"Bonne Réponse !"_s);
            QCOMPARE(box.style, 64);
            QCOMPARE(box.title, u"Exact !"_s);
            QCOMPARE(fake->sound.names(), QStringList{u"Message.wav"_s});
            QCOMPARE(NbBonnes, 1.0f);
            QCOMPARE(c->Note->text(), u" 1/ 1 soit  100 % "_s);
        } else {
            QCOMPARE(box.prompt, message);
            QCOMPARE(box.style, 48);
            QCOMPARE(box.title, u"Faux !"_s);
            QCOMPARE(fake->sound.names(), QStringList{u"Erreur.wav"_s});
            QCOMPARE(NbFausses, 1.0f);
            QCOMPARE(c->Note->text(), u" 0/ 1 soit  0 % "_s);
        }
        const QStringList attendues = ligne.isEmpty() ? QStringList{} : QStringList{ligne};
        QCOMPARE(erreursRapport(), attendues);
        QCOMPARE(rapportPendant, ligneAvant ? attendues : QStringList{});
        if (!ligne.isEmpty()) {
            const QTextBlock block = win::Rapport->RichTextBox1->document()->findBlockByNumber(3);
            const QTextCharFormat format = block.begin().fragment().charFormat();
            QCOMPARE(format.foreground().color(), QColor(0, 0, 255));
            QCOMPARE(format.fontPointSize(), 10.0);
        }
        QCOMPARE(masquages.hides, niveau == 0 ? 1 : 0);
        QVERIFY(c->Rep->text().isEmpty());
        QCOMPARE(c->Question->title(), u"Question  2/ 10 :"_s);
        QVERIFY(c->Timer1->isActive());
    }

    void game11TimeOverAndTwoErrors()
    {
        // Time over is wrong whatever Rep holds; two errors give two lines in question order.
        Reglages r;
        r.jeu = u"11"_s;
        r.niveau = 1;
        r.sec = u" 4"_s;
        CarteDep* c = lance(r, {tirage96(5), tirage96(96), tirage96(7)});
        c->Rep->setText(u"5"_s);
        QStringList pendant;
        fake->dialogs.onBox = [&](const testkit::ShownBox&) { pendant = erreursRapport(); };
        c->Timer1_Timer();
        c->Timer1_Timer();
        QCOMPARE(fake->dialogs.boxes.size(), 1);
        QCOMPARE(fake->dialogs.boxes[0].prompt, u"Le Temps est écoulé !.\r\nC'était 5"_s);
        QCOMPARE(fake->dialogs.boxes[0].style, 48);
        QCOMPARE(fake->dialogs.boxes[0].title, u"Temps Ecoulé !"_s);
        QCOMPARE(pendant, QStringList{u"Gap :  5"_s});  // written before the message
        QCOMPARE(NbFausses, 1.0f);
        QCOMPARE(masquages.hides, 0);  // hard level: no repaint
        tape(c, u"13"_s);
        QCOMPARE(erreursRapport(), (QStringList{u"Gap :  5"_s, u"Ajaccio : 2A"_s}));
        QCOMPARE(Tirage, 7.0f);
    }

    // ------------------------------------------------------------ game 14 and 19

    void game14()
    {
        Reglages r;
        r.jeu = u"14"_s;
        r.niveau = 1;
        CarteDep* c = lance(r, {tirage22(1), tirage22(8), tirage22(13), tirage22(22), tirage22(2)});
        // Trailing blank: refused.
        tape(c, u"Alsace "_s);
        QCOMPARE(fake->sound.names(), QStringList{u"Faute.wav"_s});
        QVERIFY(fake->dialogs.boxes.isEmpty());
        QCOMPARE(c->Rep->text(), u"Alsace "_s);
        fake->sound.played.clear();
        // Small letters: right.
        tape(c, u"alsace"_s);
        QCOMPARE(fake->dialogs.boxes.last().prompt, u"Bonne Réponse !"_s);
        QCOMPARE(masquages.hides, 1);  // hidden and shown at both levels
        // Wrong.
        tape(c, u"Lorraine"_s);
        QCOMPARE(fake->dialogs.boxes.last().prompt, u"Mauvaise Réponse !\r\nC'était Corse"_s);
        QCOMPARE(fake->dialogs.boxes.last().style, 48);
        QCOMPARE(fake->dialogs.boxes.last().title, u"Faux !"_s);
        // Don't know with the right name already typed: right.
        c->Rep->setText(u"LORRAINE"_s);
        c->NoSais_Click();
        QCOMPARE(fake->dialogs.boxes.last().prompt, u"Bonne Réponse !"_s);
        // Don't know.
        c->NoSais_Click();
        QCOMPARE(fake->dialogs.boxes.last().prompt, u"Vous ne savez pas ?\r\nC'était Rhône-Alpes"_s);
        QCOMPARE(NbBonnes, 2.0f);
        QCOMPARE(NbFausses, 2.0f);
        QCOMPARE(masquages.hides, 4);
        QVERIFY(!win::Rapport.isLoaded());
        // Time over.
        for (int i = 0; i < 40 && NbBonnes + NbFausses < 5; ++i)
            c->Timer1_Timer();
        QCOMPARE(fake->dialogs.boxes[4].prompt, u"Le Temps est écoulé !.\r\nC'était Aquitaine"_s);
        QCOMPARE(fake->dialogs.boxes[4].title, u"Temps Ecoulé !"_s);
    }

    void game14EasyList()
    {
        Reglages r;
        r.jeu = u"14"_s;
        r.niveau = 0;
        CarteDep* c = lance(r, {tirage22(1), tirage22(2)});
        c->ListRepOk_Click();  // nothing chosen: nothing
        QVERIFY(fake->sound.played.isEmpty());
        choisitDansListe(c, u"Alsace"_s);
        QCOMPARE(fake->dialogs.boxes.last().title, u"Exact !"_s);
        QCOMPARE(c->ListRep->currentIndex(), -1);
        QVERIFY(!c->ListRep->isHidden());
        QVERIFY(c->Rep->isHidden());
        choisitDansListe(c, u"Corse"_s);
        QCOMPARE(fake->dialogs.boxes.last().prompt, u"Mauvaise Réponse !\r\nC'était Aquitaine"_s);
    }

    void game19_data()
    {
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("region");
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("voie");  // "liste", "entree", "nesaispas"
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("ligne");
        QTest::addColumn<bool>("ligneAvant");
        const QString faux = u"Mauvaise Réponse !.\r\nC'était "_s;
        QTest::newRow("easy Lorraine for Alsace")
            << 0 << 1 << u"Lorraine"_s << u"liste"_s
            << faux + u"Alsace\r\n\r\nLorraine a pour département : 54- 55- 57- 88-"_s << 0 << true << true;
        QTest::newRow("easy Corse for Alsace")
            << 0 << 1 << u"Corse"_s << u"liste"_s << faux + u"Alsace\r\n\r\nCorse a pour département :2B-2A-"_s << 0
            << true << true;
        QTest::newRow("easy Rhône-Alpes for Corse")
            << 0 << 8 << u"Rhône-Alpes"_s << u"liste"_s
            << faux + u"Corse\r\n\r\nRhône-Alpes a pour département : 1- 7- 26- 38- 42- 69- 73- 74-"_s << 0 << true
            << true;
        QTest::newRow("hard wrong") << 1 << 1 << u"lorraine"_s << u"entree"_s << faux + u"Alsace"_s << 0 << false << false;
        QTest::newRow("hard don't know") << 1 << 8 << QString() << u"nesaispas"_s
                                         << u"Vous ne savez pas ?\r\nC'était Corse"_s << 48 << true << false;
        QTest::newRow("easy don't know") << 0 << 1 << QString() << u"nesaispas"_s
                                         << u"Vous ne savez pas ?\r\nC'était Alsace"_s << 48 << true << false;
        QTest::newRow("hard don't know right") << 1 << 1 << u"ALSACE"_s << u"nesaispas"_s << u"Bonne Réponse !"_s << 64
                                               << false << false;
        QTest::newRow("hard trailing blank") << 1 << 1 << u"Alsace "_s << u"entree"_s << QString() << -1 << false << false;
        QTest::newRow("hard small letters") << 1 << 1 << u"alsace"_s << u"entree"_s << u"Bonne Réponse !"_s << 64 << false
                                            << false;
    }
    void game19()
    {
        QFETCH(int, niveau);
        QFETCH(int, region);
        QFETCH(QString, saisie);
        QFETCH(QString, voie);
        QFETCH(QString, message);
        QFETCH(int, style);
        QFETCH(bool, ligne);
        QFETCH(bool, ligneAvant);
        Reglages r;
        r.jeu = u"19"_s;
        r.niveau = niveau;
        CarteDep* c = lance(r, {tirage22(region)});
        QStringList pendant;
        fake->dialogs.onBox = [&](const testkit::ShownBox&) { pendant = erreursRapport(); };
        if (voie == u"liste"_s) {
            choisitDansListe(c, saisie);
        } else if (voie == u"entree"_s) {
            tape(c, saisie);
        } else {
            c->Rep->setText(saisie);
            c->NoSais_Click();
        }
        if (style < 0) {
            QCOMPARE(fake->sound.names(), QStringList{u"Faute.wav"_s});
            QVERIFY(fake->dialogs.boxes.isEmpty());
            QCOMPARE(NbBonnes + NbFausses, 0.0f);
            return;
        }
        QCOMPARE(fake->dialogs.boxes.size(), 1);
        QCOMPARE(fake->dialogs.boxes[0].prompt, message);
        QCOMPARE(fake->dialogs.boxes[0].style, style);
        QCOMPARE(fake->dialogs.boxes[0].title, style == 64 ? u"Exact !"_s : u"Faux !"_s);
        QString attendue;
        for (int d : departements(region))
            attendue += ((d == 20 || d == 96) ? NumeroDep(d) : u" "_s + num(d)) + u" - "_s;
        attendue += u" : "_s + NomRegion[region];
        if (region == 1)
            QCOMPARE(attendue, u" 67 -  68 -  : Alsace"_s);
        QCOMPARE(erreursRapport(), ligne ? QStringList{attendue} : QStringList{});
        QCOMPARE(pendant, ligneAvant ? QStringList{attendue} : QStringList{});
        QCOMPARE(NbBonnes + NbFausses, 1.0f);
        QCOMPARE(NbBonnes, style == 64 ? 1.0f : 0.0f);
        QCOMPARE(masquages.hides, niveau == 0 ? 1 : 0);
        QVERIFY(c->Rep->text().isEmpty());
        QCOMPARE(c->Info->title(), u"Question  2/ 10 : Nom de la région :"_s);
    }

    void game19TimeOver()
    {
        Reglages r;
        r.jeu = u"19"_s;
        r.niveau = 1;
        r.sec = u" 4"_s;
        CarteDep* c = lance(r, {tirage22(8)});
        c->Rep->setText(u"Corse"_s);
        QStringList pendant;
        fake->dialogs.onBox = [&](const testkit::ShownBox&) { pendant = erreursRapport(); };
        c->Timer1_Timer();
        c->Timer1_Timer();
        QCOMPARE(fake->dialogs.boxes.size(), 1);
        QCOMPARE(fake->dialogs.boxes[0].prompt, u"Le Temps est écoulé !.\r\nC'était Corse"_s);
        QCOMPARE(fake->dialogs.boxes[0].style, 48);
        QCOMPARE(fake->dialogs.boxes[0].title, u"Temps Ecoulé !"_s);
        QCOMPARE(pendant, QStringList{u"2B - 2A -  : Corse"_s});
        QCOMPARE(NbFausses, 1.0f);
    }

    // ------------------------------------------------------------ map games 12, 13, 20

    void mapVerdicts_data()
    {
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("c");  // département clicked; 0 "Je ne sais pas", -1 time over
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QString>("solu");
        QTest::addColumn<int>("etat");
        const QString dep = u"Département attendu en vert."_s, reg = u"Région attendue en vert."_s;
        const QString mauvaise = u"Mauvaise Réponse !"_s;
        // Game 12 asks Ain (1); games 13 and 20 ask Rhône-Alpes (22).
        QTest::newRow("12 right") << 12 << 0 << 1 << QString() << u"\r\nBonne Réponse !"_s << 1;
        QTest::newRow("12 easy wrong") << 12 << 0 << 96 << mauvaise
                                       << u"La préfecture du département en rouge est : Ajaccio\r\n"_s + dep << 2;
        QTest::newRow("12 hard wrong") << 12 << 1 << 7 << mauvaise << CRLF + dep << 2;
        QTest::newRow("12 don't know") << 12 << 0 << 0 << u"Vous ne savez pas ?"_s << CRLF + dep << 2;
        QTest::newRow("12 time over") << 12 << 1 << -1 << u"Le Temps est écoulé !"_s << CRLF + dep << 3;
        for (int g : {13, 20}) {
            QTest::addRow("%d right on another département of the région", g) << g << 0 << 74 << QString()
                                                                               << u"\r\nBonne Réponse !"_s << 1;
            QTest::addRow("%d easy wrong", g) << g << 0 << 20 << mauvaise << reg + u"\r\nEn Rouge c'est Corse"_s << 2;
            QTest::addRow("%d hard wrong", g) << g << 1 << 67 << mauvaise << CRLF + reg << 2;
            QTest::addRow("%d don't know", g) << g << 1 << 0 << u"Vous ne savez pas ?"_s << CRLF + reg << 2;
            QTest::addRow("%d time over", g) << g << 0 << -1 << u"Le Temps est écoulé !"_s << CRLF + reg << 3;
        }
    }
    void mapVerdicts()
    {
        QFETCH(int, g);
        QFETCH(int, niveau);
        QFETCH(int, c);
        QFETCH(QString, titre);
        QFETCH(QString, solu);
        QFETCH(int, etat);
        const bool region = g != 12;
        const int n = region ? 22 : 1;
        // The asked item at (1, 1); the clicked one (when another) at (2, 2).
        ecritPixels((region ? u"R"_s : u"D"_s) + num(n) + u".dat"_s, {{{1, 1, 1}}});
        if (c > 0) {
            const int rouge = region ? regionDe(c) : c;
            if (rouge != n)
                ecritPixels((region ? u"R"_s : u"D"_s) + num(rouge) + u".dat"_s, {{{2, 2, c}}});
            ecritPixels(u"F50.dat"_s, {{{50, 60, c}}});
        }
        Reglages r;
        r.jeu = num(g);
        r.niveau = niveau;
        r.sec = u" 4"_s;
        r.nombre = u" 3"_s;
        CarteDep* w = lance(r, {region ? tirage22(n) : tirage96(n)});
        QVERIFY(w->Reponse->isHidden());
        w->Timer1_Timer();  // never painted at question time
        QVERIFY(!w->Picture1->hasSetPixel(1, 1));

        clique(w, 70, 60);  // the sea
        QCOMPARE(fake->sound.names(), QStringList{u"Faute.wav"_s});
        QVERIFY(w->Solution->isHidden());
        QCOMPARE(SolutionVue, int16_t(0));
        QVERIFY(w->Timer1->isActive());
        fake->sound.played.clear();

        if (c > 0)
            clique(w, 50, 60);
        else if (c == 0)
            w->NoSais_Click();
        else
            w->Timer1_Timer();
        QCOMPARE(fake->sound.names(), QStringList{etat == 1 ? u"Message.wav"_s : u"Erreur.wav"_s});
        QVERIFY(fake->dialogs.boxes.isEmpty());
        QVERIFY(!w->Solution->isHidden());
        QVERIFY(w->Solution->autoFillBackground());  // covers the score frame below it
        QCOMPARE(w->Solution->title(), titre);
        QCOMPARE(w->Solu->text(), solu);
        QCOMPARE(EtatCarte, int16_t(etat));
        QCOMPARE(SolutionVue, int16_t(1));
        QVERIFY(w->NoSais->isHidden());
        QVERIFY(w->Abandon->isHidden());
        QVERIFY(!w->Timer1->isActive());
        QCOMPARE(w->Picture1->colorAt(1, 1), QColor(0, 235, 0));
        if (etat == 2 && c > 0)
            QCOMPARE(w->Picture1->colorAt(2, 2), QColor(250, 0, 0));
        QCOMPARE(NbBonnes + NbFausses, 0.0f);

        clique(w, 50, 60);  // closed until the panel is dismissed
        QCOMPARE(fake->sound.played.size(), 1);

        w->btnOK_Click();
        QVERIFY(w->Solution->isHidden());
        QVERIFY(!w->Abandon->isHidden());
        QCOMPARE(w->Note->text(), etat == 1 ? u" 1/ 1 soit  100 % "_s : u" 0/ 1 soit  0 % "_s);
        QCOMPARE(w->Question->title(), u"Question  2/ 3 :"_s);
        QCOMPARE(SolutionVue, int16_t(0));
        QVERIFY(!win::Rapport.isLoaded());
    }

    // ------------------------------------------------------------ several answers (15 to 18)

    void multiRefusals_data()
    {
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("region");
        QTest::addColumn<QStringList>("saisies");
        QTest::addColumn<QString>("message");
        const QString numeros = u"Erreur dans les numéros des départements. Corriger"_s;
        const QString repetes = u"Des numéros ont été saisies plusieurs fois. Corriger"_s;
        const QString noms = u"Erreur dans les noms des départements. Corriger"_s;
        const QString nomsRepetes = u"Des noms ont été saisis plusieurs fois. Corriger"_s;
        for (int g : {15, 16}) {
            for (const char* t : {"20", "96", "0", "abc", "-4", "95.5"})
                QTest::addRow("%d refuses %s", g, t) << g << 1 << 8 << QStringList{QLatin1String(t), u"2A"_s} << numeros;
            QTest::addRow("%d 5 and 05", g) << g << 1 << 3 << QStringList{u"5"_s, u"05"_s} << repetes;
            QTest::addRow("%d 2B twice", g) << g << 0 << 8 << QStringList{u"2B"_s, u"2B"_s} << repetes;
            QTest::addRow("%d 2a and 2", g) << g << 1 << 8 << QStringList{u"2a"_s, u"2"_s} << repetes;
        }
        for (int g : {17, 18}) {
            QTest::addRow("%d no accent", g) << g << 1 << 22 << QStringList{u"Ardeche"_s} << noms;
            QTest::addRow("%d trailing blank", g) << g << 0 << 1 << QStringList{u"Bas Rhin "_s} << noms;
            QTest::addRow("%d hyphen", g) << g << 1 << 1 << QStringList{u"Bas-Rhin"_s} << noms;
            QTest::addRow("%d twice in other capitals", g) << g << 0 << 1 << QStringList{u"Bas Rhin"_s, u"BAS RHIN"_s}
                                                          << nomsRepetes;
        }
    }
    void multiRefusals()
    {
        QFETCH(int, g);
        QFETCH(int, niveau);
        QFETCH(int, region);
        QFETCH(QStringList, saisies);
        QFETCH(QString, message);
        Reglages r;
        r.jeu = num(g);
        r.niveau = niveau;
        CarteDep* c = lance(r, {tirage22(region)});
        bool minuterie = false;
        fake->dialogs.onBox = [&](const testkit::ShownBox&) { minuterie = c->Timer1->isActive(); };
        saisit(c, parNom(g), saisies);
        QCOMPARE(fake->sound.names(), QStringList{u"Faute.wav"_s});
        QCOMPARE(fake->dialogs.boxes.size(), 1);
        QCOMPARE(fake->dialogs.boxes[0].prompt, message);
        QCOMPARE(fake->dialogs.boxes[0].style, 48);
        QCOMPARE(fake->dialogs.boxes[0].title, u"Erreur de Saisie"_s);
        QVERIFY(minuterie);  // the countdown runs on
        QVERIFY(c->Timer1->isActive());
        QCOMPARE(NbBonnes + NbFausses, 0.0f);
        QVERIFY(c->Note->text().isEmpty());
        for (int k = 0; k < saisies.size(); ++k)
            QCOMPARE((parNom(g) ? c->ND : c->D)[k]->text(), saisies[k]);
        for (QLabel* e : c->Etat)
            QVERIFY(e->isHidden());
        QCOMPARE(DejaPose[region], int16_t(1));
        QCOMPARE(Tirage, float(region));
        QVERIFY(erreursRapport().isEmpty());
    }

    void multiJudged_data()
    {
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("region");
        QTest::addColumn<QStringList>("saisies");
        QTest::addColumn<QList<bool>>("marques");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("ligne");
        const QString sol = u"\r\n\r\nLa solution était :\r\n\r\n"_s;
        using B = QList<bool>;
        // Numbers.
        for (int g : {15, 16}) {
            const QString ligneCorse = g == 15 ? u"Corse : 2B - 2A - "_s : QString();
            QTest::addRow("%d easy Corse right", g) << g << 0 << 8 << QStringList{u"2B"_s, u"2A"_s} << B{true, true}
                                                    << u"Bonne réponse !!"_s << u" 1/ 1 soit  100 % "_s << QString();
            QTest::addRow("%d easy Corse swapped", g)
                << g << 0 << 8 << QStringList{u"2A"_s, u"2B"_s} << B{false, false}
                << u"Vous avez 0 bonnes réponses sur 2"_s + sol + u"2B : Haute Corse\r\n2A : Corse du Sud\r\n"_s
                << u" 0/ 1 soit  0 % "_s << ligneCorse;
            QTest::addRow("%d hard Corse swapped", g) << g << 1 << 8 << QStringList{u"2A"_s, u"2B"_s} << B{true, true}
                                                      << u"Bonne réponse !!"_s << u" 1/ 1 soit  100 % "_s << QString();
            QTest::addRow("%d all empty", g)
                << g << 1 << 3 << QStringList{} << B{false, false, false, false}
                << u"Vous avez 0 bonnes réponses sur 4"_s + sol + u" 3\r\n 15\r\n 43\r\n 63\r\n"_s << u" 0/ 1 soit  0 % "_s
                << (g == 15 ? u"Auvergne :  3 -  15 -  43 -  63 - "_s : QString());
            QTest::addRow("%d hard 3 of 5", g)
                << g << 1 << 2 << QStringList{u"64"_s, u"40"_s, u""_s, u"33"_s, u"1"_s} << B{true, true, false, true, false}
                << u"Vous avez 3 bonnes réponses sur 5"_s + sol + u" 24\r\n 33\r\n 40\r\n 47\r\n 64\r\n"_s
                << u" .6/ 1 soit  60 % "_s << (g == 15 ? u"Aquitaine :  24 -  33 -  40 -  47 -  64 - "_s : QString());
            QTest::addRow("%d easy order matters", g)
                << g << 0 << 1 << QStringList{u"68"_s, u"67"_s} << B{false, false}
                << u"Vous avez 0 bonnes réponses sur 2"_s + sol + u" 67 : Bas Rhin\r\n 68 : Haut Rhin\r\n"_s
                << u" 0/ 1 soit  0 % "_s << (g == 15 ? u"Alsace :  67 -  68 - "_s : QString());
            QTest::addRow("%d easy 2a is 2", g) << g << 0 << 19 << QStringList{u"2a"_s, u"60.2"_s, u"80"_s}
                                                << B{true, true, true} << u"Bonne réponse !!"_s << u" 1/ 1 soit  100 % "_s
                                                << QString();
            QTest::addRow("%d hard 7x passes as 7", g)
                << g << 1 << 22 << QStringList{u"7x"_s, u"1"_s, u"26"_s, u"38"_s, u"42"_s, u"69"_s, u"73"_s, u"5"_s}
                << B{true, true, true, true, true, true, true, false}
                << u"Vous avez 7 bonnes réponses sur 8"_s + sol + u" 1\r\n 7\r\n 26\r\n 38\r\n 42\r\n 69\r\n 73\r\n 74\r\n"_s
                << u" .88/ 1 soit  87.5 % "_s
                << (g == 15 ? u"Rhône-Alpes :  1 -  7 -  26 -  38 -  42 -  69 -  73 -  74 - "_s : QString());
        }
        // Names.
        for (int g : {17, 18}) {
            QTest::addRow("%d easy small letters", g) << g << 0 << 1 << QStringList{u"bas rhin"_s, u"HAUT RHIN"_s}
                                                      << B{true, true} << u"Bonne réponse !!"_s << u" 1/ 1 soit  100 % "_s
                                                      << QString();
            QTest::addRow("%d easy Corse swapped", g)
                << g << 0 << 8 << QStringList{u"Corse du Sud"_s, u"Haute Corse"_s} << B{false, false}
                << u"Vous avez 0 bonnes réponses sur 2"_s + sol + u"2B : Haute Corse\r\n2A : Corse du Sud\r\n"_s
                << u" 0/ 1 soit  0 % "_s << (g == 17 ? u"CORSE : Haute Corse - Corse du Sud - "_s : QString());
            QTest::addRow("%d hard any order", g) << g << 1 << 8 << QStringList{u"Corse du Sud"_s, u"haute corse"_s}
                                                  << B{true, true} << u"Bonne réponse !!"_s << u" 1/ 1 soit  100 % "_s
                                                  << QString();
            QTest::addRow("%d hard 3 of 4, another région", g)
                << g << 1 << 13 << QStringList{u"Vosges"_s, u"Meuse"_s, u"Ain"_s, u"Moselle"_s} << B{true, true, false, true}
                << u"Vous avez 3 bonnes réponses sur 4"_s + sol
                       + u"Meurthe et Moselle\r\nMeuse\r\nMoselle\r\nVosges\r\n"_s
                << u" .75/ 1 soit  75 % "_s
                << (g == 17 ? u"LORRAINE : Meurthe et Moselle - Meuse - Moselle - Vosges - "_s : QString());
            QTest::addRow("%d all empty", g) << g << 0 << 1 << QStringList{} << B{false, false}
                                             << u"Vous avez 0 bonnes réponses sur 2"_s + sol
                                                    + u" 67 : Bas Rhin\r\n 68 : Haut Rhin\r\n"_s
                                             << u" 0/ 1 soit  0 % "_s
                                             << (g == 17 ? u"ALSACE : Bas Rhin - Haut Rhin - "_s : QString());
            QTest::addRow("%d hard Rhône-Alpes 1 of 8", g)
                << g << 1 << 22 << QStringList{u"Ain"_s} << B{true, false, false, false, false, false, false, false}
                << u"Vous avez 1 bonnes réponses sur 8"_s + sol
                       + u"Ain\r\nArdèche\r\nDrôme\r\nIsère\r\nLoire\r\nRhône\r\nSavoie\r\nHaute Savoie\r\n"_s
                << u" .12/ 1 soit  12.5 % "_s
                << (g == 17 ? u"RHÔNE-ALPES : Ain - Ardèche - Drôme - Isère - Loire - Rhône - Savoie - Haute Savoie - "_s
                            : QString());
        }
    }
    void multiJudged()
    {
        QFETCH(int, g);
        QFETCH(int, niveau);
        QFETCH(int, region);
        QFETCH(QStringList, saisies);
        QFETCH(QList<bool>, marques);
        QFETCH(QString, message);
        QFETCH(QString, note);
        QFETCH(QString, ligne);
        Reglages r;
        r.jeu = num(g);
        r.niveau = niveau;
        CarteDep* c = lance(r, {tirage22(region), tirage22(region % 22 + 1)});
        QCOMPARE(montres(parNom(g) ? c->ND : c->D), marques.size());
        int nbBoxes = 0;
        QList<bool> vuesPendant;
        QStringList images;
        int masquagesAvant = -1;
        bool minuterieConfirmation = true;
        fake->dialogs.onBox = [&](const testkit::ShownBox& box) {
            ++nbBoxes;
            if (box.title == u"Confirmation"_s) {
                minuterieConfirmation = c->Timer1->isActive();
                QCOMPARE(box.style, 36);
                QCOMPARE(box.prompt, u"Confirmez vous les saisies faites ?"_s);
                for (QLabel* e : c->Etat)
                    QVERIFY(e->isHidden());
            }
            if (box.title == u"Résultats :"_s) {
                masquagesAvant = masquages.hides;
                for (int k = 0; k < marques.size(); ++k) {
                    QVERIFY(!c->Etat[k]->isHidden());
                }
                images = fake->pictures.loaded.filter(u".bmp"_s);
            }
        };
        saisit(c, parNom(g), saisies);
        QCOMPARE(nbBoxes, 2);
        QCOMPARE(fake->dialogs.boxes[0].title, u"Confirmation"_s);
        QVERIFY(!minuterieConfirmation);
        QCOMPARE(fake->dialogs.boxes[1].title, u"Résultats :"_s);
        QCOMPARE(fake->dialogs.boxes[1].style, 0);
        QCOMPARE(fake->dialogs.boxes[1].prompt, message);
        QVERIFY(fake->sound.played.isEmpty());  // no sound on the results path
        QStringList attenduesImages;
        for (bool m : marques)
            attenduesImages << (m ? u"Ok.bmp"_s : u"Faux.bmp"_s);
        QStringList noms;
        for (const QString& p : images)
            noms << QFileInfo(p).fileName();
        QCOMPARE(noms, attenduesImages);
        QCOMPARE(masquagesAvant, niveau == 0 ? 1 : 0);  // repaint before the message, easy level only
        QCOMPARE(c->Note->text(), note);
        QCOMPARE(NbBonnes + NbFausses, 1.0f);
        int justes = 0;
        for (bool m : marques)
            justes += m ? 1 : 0;
        QVERIFY(qAbs(NbBonnes - float(justes) / marques.size()) < 1e-6f);
        QCOMPARE(NbFausses == 0.0f, justes == marques.size());
        QCOMPARE(erreursRapport(), ligne.isEmpty() ? QStringList{} : QStringList{ligne});
        // Next question.
        QCOMPARE(Tirage, float(region % 22 + 1));
        QCOMPARE(c->Question->title(), u"Question  2/ 10 :"_s);
        for (QLabel* e : c->Etat)
            QVERIFY(e->isHidden());
        QVERIFY(c->Timer1->isActive());
        // DepAttendu / DepSaisi of the judged question.
        for (int d = 1; d <= 96; ++d)
            QCOMPARE(DepAttendu[d], int16_t(NumRegionDep[d] == region ? 1 : 0));
    }

    void multiConfirmNo_data()
    {
        QTest::addColumn<int>("g");
        for (int g = 15; g <= 18; ++g)
            QTest::addRow("%d", g) << g;
    }
    void multiConfirmNo()
    {
        // No at the confirmation: nothing counted or marked; the countdown stays stopped.
        QFETCH(int, g);
        Reglages r;
        r.jeu = num(g);
        r.niveau = 1;
        r.sec = u" 4"_s;
        CarteDep* c = lance(r, {tirage22(1)});
        fake->dialogs.answers = {platform::vbNo};
        const QStringList textes = parNom(g) ? QStringList{u"Bas Rhin"_s, u"Haut Rhin"_s} : QStringList{u"67"_s, u"68"_s};
        saisit(c, parNom(g), textes);
        QCOMPARE(fake->dialogs.boxes.size(), 1);
        QCOMPARE(fake->dialogs.boxes[0].title, u"Confirmation"_s);
        QVERIFY(!c->Timer1->isActive());
        QCOMPARE(NbBonnes + NbFausses, 0.0f);
        for (QLabel* e : c->Etat)
            QVERIFY(e->isHidden());
        QCOMPARE((parNom(g) ? c->ND : c->D)[1]->text(), textes[1]);
        // Handed in again: Yes this time.
        saisit(c, parNom(g), textes);
        QCOMPARE(fake->dialogs.boxes.size(), 3);
        QCOMPARE(fake->dialogs.boxes[2].prompt, u"Bonne réponse !!"_s);
        QCOMPARE(NbBonnes, 1.0f);
        QCOMPARE(NbFausses, 0.0f);
    }

    void multiDontKnowAndTimeOver_data()
    {
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<bool>("temps");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("ligne");
        const QString corseFacile = u"\r\n\r\n2B : Haute Corse\r\n2A : Corse du Sud\r\n"_s;
        const QString corseNums = u"\r\n\r\n2B\r\n2A\r\n"_s, corseNoms = u"\r\n\r\nHaute Corse\r\nCorse du Sud\r\n"_s;
        const QString temps = u"Le Temps est écoulé. C'était :"_s;
        QTest::newRow("15 hard don't know") << 15 << 1 << false << u"Vous ne savez pas ?. C'était :"_s + corseNums
                                            << u"Corse : 2B - 2A - "_s;
        QTest::newRow("15 easy time over") << 15 << 0 << true << temps + corseFacile << u"Corse : 2B - 2A - "_s;
        QTest::newRow("16 easy don't know") << 16 << 0 << false << u"Vous ne savez pas ?. C'était :"_s + corseFacile
                                            << QString();
        QTest::newRow("16 hard time over") << 16 << 1 << true << temps + corseNums << QString();
        QTest::newRow("17 hard don't know") << 17 << 1 << false << u"Vous ne savez pas ? C'était :"_s + corseNoms
                                            << u"CORSE : Haute Corse - Corse du Sud - "_s;
        QTest::newRow("17 easy time over") << 17 << 0 << true << temps + corseFacile
                                           << u"CORSE : Haute Corse - Corse du Sud - "_s;
        QTest::newRow("18 hard don't know") << 18 << 1 << false << u"Vous ne savez pas ?. C'était :"_s + corseNoms
                                            << QString();
        QTest::newRow("18 easy time over") << 18 << 0 << true << temps + corseFacile << QString();
        QTest::newRow("18 easy don't know") << 18 << 0 << false << u"Vous ne savez pas ?. C'était :"_s + corseFacile
                                            << QString();
    }
    void multiDontKnowAndTimeOver()
    {
        QFETCH(int, g);
        QFETCH(int, niveau);
        QFETCH(bool, temps);
        QFETCH(QString, message);
        QFETCH(QString, ligne);
        Reglages r;
        r.jeu = num(g);
        r.niveau = niveau;
        r.sec = u" 4"_s;
        CarteDep* c = lance(r, {tirage22(8)});
        // Boxes already typed, even an impossible one: neither validated nor judged.
        (parNom(g) ? c->ND : c->D)[0]->setText(parNom(g) ? u"Haute Corse"_s : u"20"_s);
        int masquagesPendant = -1;
        bool minuterie = true;
        fake->dialogs.onBox = [&](const testkit::ShownBox&) {
            masquagesPendant = masquages.hides;
            minuterie = c->Timer1->isActive();
            QCOMPARE(fake->sound.names(), QStringList{u"Erreur.wav"_s});  // the sound before the message
            QCOMPARE(NbFausses, 1.0f);
        };
        if (temps) {
            c->Timer1_Timer();
            c->Timer1_Timer();
        } else {
            c->NoSais_Click();
        }
        QCOMPARE(fake->dialogs.boxes.size(), 1);
        QCOMPARE(fake->dialogs.boxes[0].prompt, message);
        QCOMPARE(fake->dialogs.boxes[0].style, 0);
        QCOMPARE(fake->dialogs.boxes[0].title, u"Faux !"_s);
        QVERIFY(!minuterie);  // no tick may settle the question again while the message is open
        QCOMPARE(masquagesPendant, 0);
        QCOMPARE(masquages.hides, temps && niveau == 0 ? 1 : 0);  // repaint after a time over at the easy level only
        for (QLabel* e : c->Etat)
            QVERIFY(e->isHidden());
        QCOMPARE(NbFausses, 1.0f);
        QCOMPARE(NbBonnes, 0.0f);
        QCOMPARE(c->Note->text(), u" 0/ 1 soit  0 % "_s);
        QCOMPARE(erreursRapport(), ligne.isEmpty() ? QStringList{} : QStringList{ligne});
        QVERIFY(c->Timer1->isActive());
        QCOMPARE(c->Question->title(), u"Question  2/ 10 :"_s);
    }

    void exactCountsWithFractions_data()
    {
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("justes");  // right boxes per question (as many as the région has, at most)
        for (int g : {15, 16, 17, 18}) {
            QTest::addRow("%d one right", g) << g << 1;
            QTest::addRow("%d two right", g) << g << 2;
            QTest::addRow("%d three right", g) << g << 3;
        }
    }
    void exactCountsWithFractions()
    {
        // 22 questions of thirds, fifths, sevenths and eighths: the game ends after exactly 22,
        // the counter shows whole numbers, the report is shown.
        QFETCH(int, g);
        QFETCH(int, justes);
        Reglages r;
        r.jeu = num(g);
        r.niveau = 1;
        r.tps = 0;
        r.nbQuest = 1;
        CarteDep* c = lance(r);
        double bonnesExactes = 0;
        for (int q = 1; q <= 22; ++q) {
            QCOMPARE(c->Question->title(), u"Question "_s + platform::Str(q) + u"/ 22 :"_s);
            const QList<int> deps = departements(int(Tirage));
            QStringList textes;
            for (int k = 0; k < deps.size() && k < justes; ++k)
                textes << (parNom(g) ? NomDep[deps[k]] : NumeroDep(deps[k]));
            bonnesExactes += double(std::min<int>(justes, deps.size())) / deps.size();
            saisit(c, parNom(g), textes);
            if (q < 22)
                QVERIFY2(NbBonnes + NbFausses == float(q), "the sum is exact");
        }
        QCOMPARE(fake->dialogs.boxes.last().title, u"Terminé"_s);
        QVERIFY(qAbs(NbBonnes - bonnesExactes) < 1e-4);
        QVERIFY(NbBonnes + NbFausses == 22.0f);
        QCOMPARE(win::Rapport.isVisible(), g == 15 || g == 17);
        if (!win::Rapport.isVisible())
            QVERIFY(win::Sommaire.isVisible());
    }

    void randomFractionsStayExact()
    {
        // Forty whole games of 22 questions with random right counts: after every
        // question the single-precision sum is exactly the number of questions settled.
        std::mt19937 hasard(20261206);
        for (int partie = 0; partie < 40; ++partie) {
            Reglages r;
            r.jeu = partie % 2 ? u"16"_s : u"18"_s;
            r.niveau = 1;
            r.tps = 0;
            r.nbQuest = 1;
            CarteDep* c = lance(r);
            for (int q = 1; q <= 22; ++q) {
                const QList<int> deps = departements(int(Tirage));
                const int justes = int(hasard() % (deps.size() + 1));
                QStringList textes;
                for (int k = 0; k < justes; ++k)
                    textes << (r.jeu == u"18"_s ? NomDep[deps[k]] : NumeroDep(deps[k]));
                if (hasard() % 5 == 0)
                    c->NoSais_Click();
                else
                    saisit(c, r.jeu == u"18"_s, textes);
                QVERIFY2(NbBonnes + NbFausses == float(q), qPrintable(u"game %1, question %2"_s.arg(partie).arg(q)));
                QVERIFY(NbFausses >= 0);
            }
            QCOMPARE(fake->dialogs.boxes.last().title, u"Terminé"_s);
            relance();
        }
    }

    void timeOverDuringRefusalMessage()
    {
        // The countdown runs on while a refusal message is open; a time over then
        // settles the question once, and the refusal ends without counting.
        Reglages r;
        r.jeu = u"17"_s;
        r.niveau = 0;
        r.sec = u" 4"_s;
        CarteDep* c = lance(r, {tirage22(1), tirage22(2)});
        bool premier = true;
        fake->dialogs.onBox = [&](const testkit::ShownBox& box) {
            if (premier && box.title == u"Erreur de Saisie"_s) {
                premier = false;
                c->Timer1_Timer();
                c->Timer1_Timer();
            }
        };
        saisit(c, true, {u"Bas-Rhin"_s});
        QCOMPARE(fake->dialogs.boxes.size(), 2);
        QCOMPARE(fake->dialogs.boxes[0].title, u"Erreur de Saisie"_s);
        QCOMPARE(fake->dialogs.boxes[1].title, u"Faux !"_s);
        QVERIFY(fake->dialogs.boxes[1].prompt.startsWith(u"Le Temps est écoulé. C'était :"_s));
        QCOMPARE(NbFausses, 1.0f);
        QCOMPARE(NbBonnes, 0.0f);
        QCOMPARE(Tirage, 2.0f);
        QCOMPARE(erreursRapport(), QStringList{u"ALSACE : Bas Rhin - Haut Rhin - "_s});
        QVERIFY(c->Timer1->isActive());
    }

    void sumNeverFallsShort()
    {
        // 1/6 then 0/4 added naively in single precision sum to 1.99999988: the game
        // must still end after its second question, and the counter read 2.
        Reglages r;
        r.jeu = u"16"_s;
        r.niveau = 1;
        r.tps = 0;
        r.nombre = u" 2"_s;
        CarteDep* c = lance(r, {tirage22(6), tirage22(13), tirage22(1)});
        saisit(c, false, {u"18"_s});
        QCOMPARE(c->Question->title(), u"Question  2/ 2 :"_s);
        QCOMPARE(c->Note->text(), u" .17/ 1 soit  16.67 % "_s);
        saisit(c, false, {});
        QVERIFY2(NbBonnes + NbFausses == 2.0f, "the sum is exact");
        QCOMPARE(Tirage, 13.0f);
        QCOMPARE(fake->dialogs.boxes.last().title, u"Terminé"_s);
        QCOMPARE(fake->dialogs.boxes.last().prompt,
                 u"Plus de Question à posée.\r\nVous avez obtenu un score de :\r\n\r\n .17/ 2 soit  8.33 %  de réussite."_s);
        QVERIFY(win::Sommaire.isVisible());  // game 16 keeps no report
    }

    void fractionalRightOnlyNoReport()
    {
        // All boxes right in every question: NbFausses stays exactly 0, no report.
        Reglages r;
        r.jeu = u"15"_s;
        r.niveau = 0;
        r.tps = 0;
        r.nombre = u" 3"_s;
        CarteDep* c = lance(r);
        for (int q = 1; q <= 3; ++q) {
            QStringList textes;
            for (int d : departements(int(Tirage)))
                textes << NumeroDep(d);
            saisit(c, false, textes);
        }
        QCOMPARE(NbFausses, 0.0f);
        QCOMPARE(NbBonnes, 3.0f);
        QVERIFY(win::Sommaire.isVisible());
        QVERIFY(!win::Rapport.isVisible());
    }

    void missingMarkPictures()
    {
        // A missing mark picture still leaves a visible mark.
        fake->pictures.missing = {u"Ok.bmp"_s, u"Faux.bmp"_s};
        Reglages r;
        r.jeu = u"16"_s;
        r.niveau = 1;
        CarteDep* c = lance(r, {tirage22(1)});
        bool vu = false;
        fake->dialogs.onBox = [&](const testkit::ShownBox& box) {
            if (box.title == u"Résultats :"_s) {
                vu = true;
                QVERIFY(!c->Etat[0]->pixmap().isNull());
                QVERIFY(!c->Etat[1]->pixmap().isNull());
            }
        };
        saisit(c, false, {u"67"_s});
        QVERIFY(vu);
    }

    void endOfGame15WithFraction()
    {
        // A fractional NbFausses above 0 at the end shows the report with its lines and the dated line.
        Reglages r;
        r.jeu = u"15"_s;
        r.niveau = 1;
        r.nombre = u" 1"_s;
        CarteDep* c = lance(r, {tirage22(2)});
        saisit(c, false, {u"24"_s, u"33"_s, u"40"_s, u"47"_s});
        QCOMPARE(fake->dialogs.boxes.last().title, u"Terminé"_s);
        QCOMPARE(fake->dialogs.boxes.last().prompt,
                 u"Plus de Question à posée.\r\nVous avez obtenu un score de :\r\n\r\n .8/ 1 soit  80 %  de réussite."_s);
        QVERIFY(win::Rapport.isVisible());
        QVERIFY(!c->isVisible());
        QCOMPARE(erreursRapport(), (QStringList{u"Aquitaine :  24 -  33 -  40 -  47 -  64 - "_s, QString(),
                                                u"Le  15/ 3/ 2024 à 14 h 5   -   Geomira"_s}));
    }

    // ------------------------------------------------------------ whole games

    void wholeGames_data()
    {
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<bool>("toutJuste");
        for (int g = 11; g <= 20; ++g) {
            for (int niveau = 0; niveau < 2; ++niveau)
                QTest::addRow("%d %s", g, niveau == 0 ? "easy" : "hard") << g << niveau << false;
        }
        for (int g : {11, 15, 17, 19})
            QTest::addRow("%d all right", g) << g << 0 << true;
        QTest::newRow("13 all right") << 13 << 1 << true;
    }
    void wholeGames()
    {
        QFETCH(int, g);
        QFETCH(int, niveau);
        QFETCH(bool, toutJuste);
        const bool liste = (g == 14 || g == 19) && niveau == 0;
        const bool regions = g >= 13;
        carteComplete();
        Reglages r;
        r.jeu = num(g);
        r.niveau = niveau;
        r.sec = u" 4"_s;
        r.nombre = u" 5"_s;
        CarteDep* c = lance(r);
        fake->dialogs.onBox = [c](const testkit::ShownBox& box) {
            if (box.title != u"Terminé"_s && box.title != u"Erreur de Saisie"_s)
                QVERIFY(!c->Timer1->isActive());
        };
        // The right answer of the asked item, and a wrong one.
        auto reponse = [&](int item, bool juste) {
            const int autre = regions ? item % 22 + 1 : item % 96 + 1;
            const int x = juste ? item : autre;
            if (carte(g)) {
                const int dep = regions ? departements(x).first() : x;
                clique(c, dep, 10);
            } else if (g == 11) {
                tape(c, NumeroDep(x));
            } else if (g == 14 || g == 19) {
                if (liste)
                    choisitDansListe(c, NomRegion[x]);
                else
                    tape(c, NomRegion[x]);
            } else {
                QStringList textes;
                const QList<int> deps = departements(item);
                for (int d : deps)
                    textes << (parNom(g) ? NomDep[d] : NumeroDep(d));
                if (!juste)
                    textes[0].clear();  // one box left empty: judged wrong
                saisit(c, parNom(g), textes);
            }
        };
        auto refuse = [&]() {
            if (carte(g))
                clique(c, 200, 10);
            else if (liste)
                c->ListRepOk_Click();
            else if (multiple(g))
                saisit(c, parNom(g), {parNom(g) ? u"zzz"_s : u"20"_s});
            else
                tape(c, u"zzz"_s);
        };
        QSet<int> asked;
        float attenduesBonnes = 0;
        for (int q = 1; q <= 5; ++q) {
            const int n = int(Tirage);
            QVERIFY(!asked.contains(n));
            asked.insert(n);
            const QString compteur = u"Question "_s + platform::Str(q) + u"/ 5 :"_s;
            QCOMPARE(g == 19 ? c->Info->title() : c->Question->title(),
                     g == 19 ? compteur + u" Nom de la région :"_s : compteur);
            const int cas = toutJuste ? 1 : q;
            const int boxes = multiple(g) ? departements(n).size() : 1;
            switch (cas) {
            case 1:
            case 5:
                if (cas == 5 && !carte(g) && !liste && !multiple(g)) {
                    c->Rep->setText(g == 11 ? NumeroDep(n) : NomRegion[n]);  // typed, then "Je ne sais pas": right
                    c->NoSais_Click();
                } else {
                    reponse(n, true);
                }
                attenduesBonnes += 1;
                break;
            case 2:
                reponse(n, false);
                if (multiple(g))
                    attenduesBonnes += float(boxes - 1) / boxes;
                break;
            case 3:
                c->NoSais_Click();
                break;
            case 4:
                refuse();
                QCOMPARE(NbBonnes + NbFausses, float(q - 1));
                QVERIFY(c->Solution->isHidden());
                c->Timer1_Timer();
                c->Timer1_Timer();  // time over
                break;
            }
            if (carte(g)) {
                QVERIFY(!c->Solution->isHidden());
                c->btnOK_Click();
            }
            if (q < 5) {
                QCOMPARE(NbBonnes + NbFausses, float(q));
                QVERIFY(qAbs(NbBonnes - attenduesBonnes) < 1e-5f);
            }
        }
        QVERIFY(qAbs(NbBonnes - attenduesBonnes) < 1e-5f);
        QCOMPARE(NbBonnes + NbFausses, 5.0f);
        QCOMPARE(fake->dialogs.boxes.last().title, u"Terminé"_s);
        QCOMPARE(fake->dialogs.boxes.last().style, 64);
        const QString score = TexteScore(NbBonnes, NbFausses, multiple(g));
        QCOMPARE(fake->dialogs.boxes.last().prompt,
                 u"Plus de Question à posée.\r\nVous avez obtenu un score de :\r\n\r\n"_s + score + u" de réussite."_s);
        if (toutJuste)
            QCOMPARE(score, u" 5/ 5 soit  100 % "_s);
        if (rapportJeu(g) && !toutJuste) {
            QVERIFY(win::Rapport.isVisible());
            QVERIFY(!c->isVisible());
            QVERIFY(!c->Timer1->isActive());
            const QStringList lignes = erreursRapport();
            // Wrong (except the hard level of game 19), don't know, time over; an empty line and the dated line.
            const int erreurs = (g == 19 && niveau == 1) ? 2 : 3;
            QCOMPARE(lignes.size(), erreurs + 2);
            QCOMPARE(lignes[erreurs], QString());
            QCOMPARE(lignes[erreurs + 1], u"Le  15/ 3/ 2024 à 14 h 5   -   Geomira"_s);
            QCOMPARE(win::Rapport->RichTextBox1->toPlainText().count(u"Correction de vos erreurs"_s), 1);
        } else {
            QVERIFY(win::Sommaire.isVisible());
            QVERIFY(!win::Menu.isLoaded());
            QVERIFY(!win::Rapport.isVisible());
        }
    }
};

QTEST_MAIN(TestGames11a20)
#include "tst_games11a20.moc"
