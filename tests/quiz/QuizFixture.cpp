#include "QuizFixture.h"

#include "app/Sommaire.h"
#include "platform/Conversions.h"
#include "platform/Screen.h"
#include "testkit/Layout.h"

#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QSet>
#include <QTextBlock>
#include <QTextEdit>

using namespace Qt::StringLiterals;

namespace {

const QColor kVert(0, 235, 0), kRouge(250, 0, 0);
const QString kFin = u"Plus de Question à posée.\r\nVous avez obtenu un score de :\r\n\r\n"_s;

bool parmi(int g, std::initializer_list<int> jeux) { return std::find(jeux.begin(), jeux.end(), g) != jeux.end(); }

// A report line: font size, colour, weight and underline of its first character.
void verifieFormat(int bloc, QColor couleur, double taille, bool souligne)
{
    const QTextBlock block = win::Rapport->RichTextBox1->document()->findBlockByNumber(bloc);
    const QTextCharFormat format = block.begin().fragment().charFormat();
    QCOMPARE(format.foreground().color(), couleur);
    QCOMPARE(format.fontPointSize(), taille);
    QCOMPARE(format.fontUnderline(), souligne);
    QCOMPARE(format.fontWeight() == QFont::Bold, souligne);  // the title only: bold and underlined
}

QString decrit(const QWidget* w)
{
    const QRect r = w->geometry();
    return u"%1 \"%2\" at %3,%4 %5x%6"_s.arg(QString::fromLatin1(w->metaObject()->className()),
                                              w->property("text").toString() + w->property("title").toString())
        .arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

// ---------------------------------------------------------------- settings and small steps

void choisis(const Reglages& r)
{
    Menu* menu = &*win::Menu;
    menu->Label4->setText(r.jeu);
    menu->Niveau[r.niveau]->setChecked(true);
    menu->Tps[r.tps]->setChecked(true);
    menu->Sec->setText(r.sec);
    menu->NbQuest[r.nbQuest]->setChecked(true);
    menu->ListNbQ->clear();
    menu->ListNbQ->addItem(r.nombre);
    menu->ListNbQ->setCurrentIndex(0);
    DejaPose.fill(0);
    NbBonnes = 0;
    NbFausses = 0;
    EtatSon = 2;
}

bool departementsJeu(int g) { return g <= 12 || g == 27 || g == 28; }

bool aideColorie(int g, int niveau)
{
    return parmi(g, {7, 8, 9, 14, 16, 18, 26})
        || (niveau == 0 && parmi(g, {1, 2, 5, 6, 10, 11, 15, 17, 19, 21, 24, 25, 27, 28, 29, 30, 31}));
}

bool jeuCarte(int g) { return parmi(g, {3, 4, 12, 13, 20, 22, 23}); }

bool jeuRapport(int g) { return parmi(g, {1, 2, 5, 6, 10, 11, 15, 17, 19, 21, 24, 25, 27, 28, 29, 30}); }

void colonnesDepartements()
{
    for (int d = 1; d <= 96; ++d)
        ecritPixels(u"F%1.dat"_s.arg(d), {{{d, 10, d}}});
}

QList<int> departements(int region)
{
    QList<int> liste;
    for (int d = 1; d <= 96; ++d) {
        if (NumRegionDep[d] == region)
            liste << d;
    }
    return liste;
}

void tape(CarteDep* c, const QString& texte)
{
    c->Rep->setText(texte);
    int16_t key = 13;
    c->Rep_KeyPress(key);
}

void choisitDansListe(CarteDep* c, const QString& texte)
{
    const int index = c->ListRep->findText(texte, Qt::MatchFixedString);
    QVERIFY2(index >= 0, qPrintable(texte));
    c->ListRep->setCurrentIndex(index);
    c->ListRepOk_Click();
}

void clique(CarteDep* c, int x, int y)
{
    platform::Screen& screen = platform::TheScreen();
    c->Picture1_MouseMove(0, 0, float(x * screen.twipsPerPixelX()), float(y * screen.twipsPerPixelY()));
    c->Picture1_Click();
}

void saisit(CarteDep* c, bool noms, const QStringList& textes)
{
    for (int k = 0; k < textes.size(); ++k)
        (noms ? c->ND : c->D)[k]->setText(textes[k]);
    int16_t key = 13;
    if (noms)
        c->ND_KeyPress(0, key);
    else
        c->D_KeyPress(0, key);
}

void repond(CarteDep* c, const QString& voie, const QString& texte)
{
    if (voie == u"liste"_s) {
        if (texte.isEmpty())
            c->ListRepOk_Click();
        else
            choisitDansListe(c, texte);
        return;
    }
    if (voie == u"entree"_s)
        return tape(c, texte);
    c->Rep->setText(texte);
    if (voie == u"ok"_s) {
        c->ListRepOk_Click();
    } else if (voie == u"nesaispas"_s) {
        c->NoSais_Click();
    } else {
        c->Timer1_Timer();
        c->Timer1_Timer();
    }
}

QStringList lignesRapport()
{
    Rapport* rapport = win::Rapport.ifLoaded();
    if (!rapport)
        return {};
    QStringList lines = rapport->RichTextBox1->toPlainText().split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines.mid(3);
}

void repondTexte(CarteDep* c, Coup coup, const QString& juste, const QString& faux)
{
    const QString voie = c->ListRep->isVisible() ? u"liste"_s : u"entree"_s;
    switch (coup) {
    case Coup::Juste: return repond(c, voie, juste);
    case Coup::Faux: return repond(c, voie, faux);
    case Coup::Refus: return repond(c, voie, voie == u"liste"_s ? QString() : u"zzz"_s);
    case Coup::JusteApresNeSaisPas: return repond(c, voie == u"liste"_s ? voie : u"nesaispas"_s, juste);
    }
}

QString enTete(CarteDep* c) { return c->Question->isHidden() ? c->Info->title() : c->Question->title(); }

void verifieBoite(const testkit::ShownBox& box, const QString& prompt, int style, const QString& title)
{
    QCOMPARE(box.prompt, prompt);
    QCOMPARE(box.style, style);
    QCOMPARE(box.title, title);
}

QStringList defautsDeDisposition(QWidget* fenetre)
{
    QStringList defauts = testkit::layoutFaults(fenetre).split(u'\n', Qt::SkipEmptyParts);
    // Beyond frames, no two controls of the window, of one frame or of the map may overlap;
    // the answer boxes' texts must fit them too.
    QList<QWidget*> conteneurs{fenetre};
    for (QWidget* w : fenetre->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isVisibleTo(fenetre) && (qobject_cast<QGroupBox*>(w) || qobject_cast<MapBox*>(w)))
            conteneurs << w;
    }
    for (QWidget* conteneur : conteneurs) {
        QList<QWidget*> controles;
        for (QWidget* w : conteneur->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w->isVisibleTo(fenetre) && !w->isWindow())
                controles << w;
        }
        for (int i = 0; i < controles.size(); ++i) {
            if (auto* box = qobject_cast<QLineEdit*>(controles[i]);
                box && box->fontMetrics().horizontalAdvance(box->text()) + 6 > box->width())
                defauts << u"text too long: "_s + decrit(box);
            for (int j = i + 1; j < controles.size(); ++j) {
                const QRect commun = controles[i]->geometry() & controles[j]->geometry();
                if (commun.width() > 1 && commun.height() > 1)
                    defauts << u"overlap: "_s + decrit(controles[i]) + u" / "_s + decrit(controles[j]);
            }
        }
    }
    return defauts;
}

// ---------------------------------------------------------------- stage

void QuizFixture::ouvre()
{
    sandbox = std::make_unique<testkit::Sandbox>();
    fake = &sandbox->fake;
    Cle = QString::fromLatin1(kCleValue);
    RemplitTables();
}

void QuizFixture::ferme() { sandbox.reset(); }

CarteDep* QuizFixture::lance(const Reglages& r, const QList<double>& tirages)
{
    win::Menu.Load();
    choisis(r);
    EtatSon = int16_t(r.son);
    fake->random.values.assign(tirages.begin(), tirages.end());
    win::CarteDep.Show();
    CarteDep* c = win::CarteDep.ifLoaded();
    masquages = 0;
    QObject::connect(c, &CarteDep::carteEffacee, c, [this] { ++masquages; });
    return c;
}

CarteDep* QuizFixture::relance(const Reglages& r, const QList<double>& tirages)
{
    win::UnloadAll();
    testkit::flushDeletes();
    fake->dialogs.boxes.clear();
    fake->dialogs.onBox = nullptr;
    fake->sound.played.clear();
    return lance(r, tirages);
}

// ---------------------------------------------------------------- the first question

void QuizFixture::colonnesQuestion()
{
    colonnes<int>({"g", "niveau", "n", "score", "barre"});
    colonnes<QString>({"question", "controles", "infobulle", "resume", "aide"});
}

void QuizFixture::jeu(int g, const QString& infobulle, const QString& aideFacile, const QString& aideDifficile,
                      const QString& resume)
{
    const QString tire = jeuRapport(g) ? QString(infobulle).replace(u"R:"_s, u"R :"_s) : QString();
    textes_ = {g, infobulle, resume.isEmpty() ? tire : resume, aideFacile, aideDifficile};
}

void QuizFixture::ligneQuestion(const char* nom, int niveau, int n, const QString& question, const QString& controles,
                                int score, int barre)
{
    QTest::newRow(nom) << textes_.g << niveau << n << score << barre << question << controles << textes_.infobulle
                       << textes_.resume << (niveau == 0 ? textes_.aideFacile : textes_.aideDifficile);
}

void QuizFixture::question()
{
    QFETCH(int, g); QFETCH(int, niveau); QFETCH(int, n); QFETCH(QString, question); QFETCH(QString, controles);
    QFETCH(int, score); QFETCH(int, barre); QFETCH(QString, infobulle); QFETCH(QString, resume); QFETCH(QString, aide);
    const bool deps = departementsJeu(g), facile = niveau == 0;
    ecritPixels((deps ? u"D"_s : u"R"_s) + num(n) + u".dat"_s, {{{5, 5, 1}}});
    QImage carte(8, 8, QImage::Format_RGB32);
    carte.fill(Qt::blue);
    QVERIFY(carte.save(platform::appFile(u"GeomiraRegV.gif"_s), "PNG"));
    CarteDep* c = lance({.jeu = num(g), .niveau = niveau, .tps = facile ? 0 : 1, .nbQuest = facile ? 0 : 1},
                        {deps ? tirage96(n) : tirage22(n), position(1)});
    // The title in red, its tooltip, the help, the question in blue.
    QCOMPARE(c->Label1->text(), u"Jeu n° "_s + num(g));
    QCOMPARE(c->Label1->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(c->Label1->toolTip(), infobulle);
    QCOMPARE(c->aide->title(), facile ? u"Aide Activée."_s : u"Aide Non Activée."_s);
    QCOMPARE(c->LblAide->text(), aide);
    const QString compteur = u"Question  1/ "_s + (facile ? u"10"_s : deps ? u"96"_s : u"22"_s) + u" :"_s;
    if (c->Question->isHidden()) {
        QCOMPARE(c->Info->title(), question);
        QVERIFY(question.startsWith(compteur));
    } else {
        QCOMPARE(c->LblQuest->text(), question);
        QCOMPARE(c->Question->title(), compteur);
        QCOMPARE(c->LblQuest->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    }
    // Only the caption of the boxes' frame may be bold, never the boxes.
    QCOMPARE(c->Info->font().bold(), c->Question->isHidden());
    QVERIFY(!c->D[0]->font().bold() && !c->ND[0]->font().bold());
    // The map: départements or régions.
    QCOMPARE(c->Label2->text(), deps ? u"Les Départements Français"_s : u"Les Régions Françaises"_s);
    QCOMPARE(c->Picture1->colorAt(1, 1) == QColor(Qt::blue), !deps);
    // The answer controls, nothing picked in a list.
    QStringList montres;
    const std::pair<QWidget*, QString> candidats[] = {{c->Info, u"Info"_s}, {c->Rep, u"Rep"_s}, {c->ListRepOk, u"OK"_s},
        {c->ListRep, u"ListRep"_s}, {c->Choix[0], u"Choix"_s}, {c->Blason, u"Blason"_s}};
    for (const auto& [w, nom] : candidats) {
        if (w->isVisible())
            montres << nom;
    }
    QCOMPARE(montres.join(u' '), controles);
    if (c->ListRep->isVisible())
        QCOMPARE(c->ListRep->currentIndex(), -1);
    // The countdown: a bar in timed play only, opening two seconds short, ticking every second.
    QCOMPARE(c->Temps->isVisible(), !facile);
    QCOMPARE(c->Temps->Value(), c->Temps->Max() - 2);
    QVERIFY(c->Timer1->isActive());
    QCOMPARE(c->Timer1->interval(), 1000);
    // Layout: the score where the game puts it, the bar too, "Je ne sais pas" level with the score.
    QCOMPARE(c->Score->y(), platform::tw(score));
    if (!facile)
        QCOMPARE(c->Temps->y(), platform::tw(barre));
    QVERIFY(c->NoSais->y() >= c->Score->y() && c->NoSais->geometry().bottom() <= c->Score->geometry().bottom());
    QVERIFY(!c->Abandon->isHidden());
    QCOMPARE(defautsDeDisposition(c), QStringList());
    // The report heading, written (and not shown) at the first question of the report games.
    Rapport* rapport = win::Rapport.ifLoaded();
    QCOMPARE(rapport != nullptr, !resume.isEmpty());
    if (rapport) {
        QVERIFY(!rapport->isVisible());
        QCOMPARE(rapport->RichTextBox1->toPlainText(),
                 u"Correction de vos erreurs pour ce jeu n° "_s + num(g) + u" :\n"_s + resume + u"\n\n"_s);
        verifieFormat(0, QColor(255, 0, 0), 12, true);
        verifieFormat(1, QColor(0, 0, 0), 10, false);
    }
    // The first tick paints the asked item where the game gives that help.
    QVERIFY(!c->Picture1->hasSetPixel(5, 5));
    c->Timer1_Timer();
    QCOMPARE(c->Picture1->hasSetPixel(5, 5), aideColorie(g, niveau));
    if (aideColorie(g, niveau))
        QCOMPARE(c->Picture1->colorAt(5, 5), kVert);
}

// ---------------------------------------------------------------- verdicts in a box

void QuizFixture::colonnesVerdict()
{
    colonnes<int>({"g", "niveau", "tps", "n", "style"});
    colonnes<QString>({"saisie", "voie", "message", "ligne"});
    colonnes<bool>({"avant"});
}

void QuizFixture::ligneVerdict(const char* nom, int g, int niveau, int tps, int n, const QString& saisie,
                               const char* voie, const QString& message, int style, const QString& ligne, bool avant)
{
    QTest::newRow(nom) << g << niveau << tps << n << style << saisie << QString::fromLatin1(voie) << message << ligne
                       << avant;
}

void QuizFixture::verdict()
{
    QFETCH(int, g); QFETCH(int, niveau); QFETCH(int, tps); QFETCH(int, n); QFETCH(QString, saisie);
    QFETCH(QString, voie); QFETCH(QString, message); QFETCH(int, style); QFETCH(QString, ligne); QFETCH(bool, avant);
    const bool deps = departementsJeu(g);
    ecritPixels((deps ? u"D"_s : u"R"_s) + num(n) + u".dat"_s, {{{5, 5, 1}}});
    CarteDep* c = lance({.jeu = num(g), .niveau = niveau, .tps = tps, .sec = u" 4"_s},
                        {deps ? tirage96(n) : tirage22(n), position(2)});
    const QString proposee = c->Choix[1]->text();  // games 27 to 30: the right proposal
    c->Timer1_Timer();  // the help painting; one second is left
    QCOMPARE(c->Picture1->hasSetPixel(5, 5), aideColorie(g, niveau));
    QVERIFY(fake->dialogs.boxes.isEmpty());

    struct {
        QStringList rapport, choix;
        QString note = u"?"_s;
        bool minuterie = false;
        int masquages = -1;
    } pendant;
    fake->dialogs.onBox = [&](const testkit::ShownBox&) {
        pendant = {lignesRapport(), {}, c->Note->text(), c->Timer1->isActive(), masquages};
        for (QPushButton* b : c->Choix)
            pendant.choix << b->text();
    };
    const QString question = c->LblQuest->text();
    c->NoSais->setFocus();
    if (voie == u"choix"_s || voie == u"autre"_s) {
        c->Choix_Click(voie == u"choix"_s ? 1 : 2);
    } else if (voie == u"temps"_s) {
        c->Rep->setText(saisie);
        c->Timer1_Timer();
    } else {
        repond(c, voie, saisie);
    }
    if (message.isEmpty()) {
        // Refused: a warning sound (none when nothing was given), the question stays as it was.
        QCOMPARE(fake->sound.names(), saisie.isEmpty() ? QStringList{} : QStringList{u"Faute.wav"_s});
        QVERIFY(fake->dialogs.boxes.isEmpty());
        QCOMPARE(c->Rep->text(), saisie);
        QVERIFY(c->Timer1->isActive());
        QVERIFY(c->Note->text().isEmpty());
        QVERIFY(enTete(c).startsWith(u"Question  1/ 10 :"_s));
        QCOMPARE(c->LblQuest->text(), question);
        QVERIFY(lignesRapport().isEmpty());
        return;
    }
    const bool juste = message.startsWith(kJuste), temps = voie == u"temps"_s;
    QCOMPARE(fake->dialogs.boxes.size(), 1);
    // The time over of games 28 and 30 shows its population summary in a "Faux !" box.
    verifieBoite(fake->dialogs.boxes[0], message, style,
                 juste ? u"Exact !"_s : temps && g != 28 && g != 30 ? u"Temps Ecoulé !"_s : u"Faux !"_s);
    QCOMPARE(fake->sound.names(), QStringList{juste ? u"Message.wav"_s : u"Erreur.wav"_s});
    // Timed play stops the countdown before the verdict; the score and the map change once it is read.
    QCOMPARE(pendant.minuterie, tps == 0);
    QVERIFY(pendant.note.isEmpty());
    QCOMPARE(pendant.masquages, 0);
    // Games 27 to 30: only the right proposal keeps its caption behind the verdict, unless the time ran out.
    if (jeuChoix(g) && temps)
        QVERIFY(!pendant.choix.contains(QString()));
    else if (jeuChoix(g))
        QCOMPARE(pendant.choix, (QStringList{QString(), proposee, QString()}));
    QCOMPARE(c->Note->text(), juste ? u" 1/ 1 soit  100 % "_s : u" 0/ 1 soit  0 % "_s);
    const QStringList lignes = ligne.isEmpty() ? QStringList{} : QStringList{ligne};
    QCOMPARE(lignesRapport(), lignes);
    QCOMPARE(pendant.rapport, avant ? lignes : QStringList{});
    if (!ligne.isEmpty())
        verifieFormat(3, QColor(0, 0, 255), 10, false);
    QCOMPARE(masquages, aideColorie(g, niveau) ? 1 : 0);
    QVERIFY(!c->Picture1->hasSetPixel(5, 5));
    // The next question, its countdown from the start, its list with nothing picked.
    QVERIFY(c->Rep->text().isEmpty());
    QVERIFY(enTete(c).startsWith(u"Question  2/ 10 :"_s));
    QVERIFY(c->Timer1->isActive() && c->isVisible());
    QCOMPARE(c->Temps->Value(), c->Temps->Max() - 2);
    if (c->ListRep->isVisible())
        QCOMPARE(c->ListRep->currentIndex(), -1);
    for (QPushButton* b : c->Choix)
        QVERIFY(!jeuChoix(g) || !b->text().isEmpty());
    // "Je ne sais pas" hands the focus back to the answer box.
    if (voie == u"nesaispas"_s && c->Rep->isVisible())
        QCOMPARE(c->focusWidget(), static_cast<QWidget*>(c->Rep));
}

// ---------------------------------------------------------------- verdicts on the map

void QuizFixture::colonnesCarte()
{
    colonnes<int>({"g", "niveau", "n", "d"});
    colonnes<QString>({"titre", "solu"});
    colonnes<bool>({"juste"});
}

void QuizFixture::ligneCarte(const char* nom, int g, int niveau, int n, int d, const QString& titre,
                             const QString& solu, bool juste)
{
    QTest::newRow(nom) << g << niveau << n << d << titre << solu << juste;
}

void QuizFixture::verdictCarte()
{
    QFETCH(int, g); QFETCH(int, niveau); QFETCH(int, n); QFETCH(int, d); QFETCH(QString, titre); QFETCH(QString, solu);
    QFETCH(bool, juste);
    // The asked item painted at (1, 1), the clicked one (when wrong) at (2, 2).
    const bool regions = !departementsJeu(g);
    const QString famille = regions ? u"R"_s : u"D"_s;
    const int rouge = d > 0 && !juste ? (regions ? NumRegionDep[d] : d) : 0;
    ecritPixels(famille + num(n) + u".dat"_s, {{{1, 1, 1}}});
    if (rouge)
        ecritPixels(famille + num(rouge) + u".dat"_s, {{{2, 2, d}}});
    if (d > 0)
        ecritPixels(u"F50.dat"_s, {{{50, 60, d}}});
    CarteDep* c = lance({.jeu = num(g), .niveau = niveau, .sec = u" 4"_s, .nombre = u" 3"_s},
                        {regions ? tirage22(n) : tirage96(n)});
    c->Timer1_Timer();  // the countdown never paints a map game
    QVERIFY(!c->Picture1->hasSetPixel(1, 1));
    clique(c, 70, 60);  // the sea: refused, the map stays open
    QCOMPARE(fake->sound.names(), QStringList{u"Faute.wav"_s});
    QVERIFY(c->Solution->isHidden() && c->Timer1->isActive());
    fake->sound.played.clear();

    c->NoSais->setFocus();
    if (d > 0)
        clique(c, 50, 60);
    else if (d == 0)
        c->NoSais_Click();
    else
        c->Timer1_Timer();  // from 1 to 0
    QCOMPARE(fake->sound.names(), QStringList{juste ? u"Message.wav"_s : u"Erreur.wav"_s});
    QVERIFY(fake->dialogs.boxes.isEmpty());
    // The verdict panel, over the score; nothing counted until it is dismissed.
    QVERIFY(!c->Solution->isHidden() && c->Solution->autoFillBackground());
    QCOMPARE(c->Solution->title(), titre);
    QCOMPARE(c->Solu->text(), solu);
    QVERIFY(c->NoSais->isHidden() && c->Abandon->isHidden() && !c->Timer1->isActive());
    QCOMPARE(c->Picture1->colorAt(1, 1), kVert);
    if (rouge)
        QCOMPARE(c->Picture1->colorAt(2, 2), kRouge);
    QVERIFY(c->Note->text().isEmpty());
    QVERIFY(!win::Rapport.isLoaded());
    QVERIFY(c->focusWidget() != c->Rep);
    // While the panel is up the map takes no click, the boxes no Enter.
    clique(c, 50, 60);
    int16_t key = 13;
    c->ND_KeyPress(0, key);
    QCOMPARE(fake->sound.played.size(), 1);

    c->btnOK_Click();
    QVERIFY(c->Solution->isHidden() && !c->NoSais->isHidden() && !c->Abandon->isHidden() && c->Timer1->isActive());
    QCOMPARE(masquages, 1);
    QVERIFY(!c->Picture1->hasSetPixel(1, 1));
    QCOMPARE(c->Note->text(), juste ? u" 1/ 1 soit  100 % "_s : u" 0/ 1 soit  0 % "_s);
    QCOMPARE(c->Question->title(), u"Question  2/ 3 :"_s);
}

// ---------------------------------------------------------------- département boxes

void QuizFixture::colonnesCases()
{
    colonnes<int>({"g", "niveau"});
    colonnes<QStringList>({"numeros", "noms"});
    colonnes<QString>({"saisie", "titre"});
    colonnes<QList<int>>({"gauches"});
}

void QuizFixture::ligneCases(const char* nom, int g, int niveau, const QStringList& numeros, const QStringList& noms,
                             const QString& saisie, const QList<int>& gauches, const QString& titre)
{
    QTest::newRow(nom) << g << niveau << numeros << noms << saisie << titre << gauches;
}

void QuizFixture::cases()
{
    QFETCH(int, g); QFETCH(int, niveau); QFETCH(QStringList, numeros); QFETCH(QStringList, noms);
    QFETCH(QString, saisie); QFETCH(QList<int>, gauches); QFETCH(QString, titre);
    CarteDep* c = lance({.jeu = num(g), .niveau = niveau}, {tirage22(22), tirage22(8)});
    if (numeros.isEmpty() && noms.isEmpty()) {
        QVERIFY(c->Info->isHidden());
        return;
    }
    // Rhône-Alpes fills all eight rows; the question on Corse must empty those it does not use.
    for (int region : {22, 8}) {
        if (region == 8) {
            c->NoSais_Click();
            if (jeuCarte(g))
                c->btnOK_Click();
        }
        QVERIFY(!c->Info->isHidden());
        if (!titre.isEmpty())
            QCOMPARE(c->Info->title(), titre);
        const int rangees = region == 22 ? 8 : 2;
        for (int k = 0; k < 8; ++k) {
            QVERIFY(c->Etat[k]->isHidden());
            if (k < rangees && gauches.size() > 2)
                QCOMPARE(c->Etat[k]->x(), platform::tw(gauches[2]));
            const std::tuple<QLineEdit*, const QStringList&, int, QString> colonnes[] = {
                {c->D[k], numeros, gauches[0], u"D"_s}, {c->ND[k], noms, gauches[1], u"ND"_s}};
            for (const auto& [box, textes, gauche, colonne] : colonnes) {
                const bool montre = k < rangees && !textes.isEmpty();
                QCOMPARE(!box->isHidden(), montre);
                if (!montre) {
                    QVERIFY(box->text().isEmpty());
                    continue;
                }
                QCOMPARE(box->x(), platform::tw(gauche));
                QCOMPARE(box->isReadOnly(), colonne != saisie);
                if (region == 8 || k == 0)
                    QCOMPARE(box->text(), textes[region == 8 ? k + 1 : 0]);
                // From game 18 on, Tab skips the locked number boxes.
                if (g >= 18 && colonne == u"D"_s)
                    QVERIFY(!(box->focusPolicy() & Qt::TabFocus));
            }
        }
        // The games of several answers open with the first answer box ready.
        if (g >= 15 && g <= 18)
            QCOMPARE(c->focusWidget(), static_cast<QWidget*>(saisie == u"D"_s ? c->D[0] : c->ND[0]));
    }
}

// ---------------------------------------------------------------- whole games

void QuizFixture::colonnesPartie()
{
    colonnes<int>({"g", "niveau", "erreurs"});
    colonnes<bool>({"toutJuste"});
    colonnes<QString>({"score"});
}

void QuizFixture::lignePartie(int g, int niveau, int erreurs, const QString& score)
{
    QTest::addRow("%d %s", g, niveau == 0 ? "easy" : "hard") << g << niveau << erreurs << false << score;
}

void QuizFixture::lignePartieJuste(int g, int niveau)
{
    QTest::addRow("%d %s all right", g, niveau == 0 ? "easy" : "hard") << g << niveau << 0 << true
                                                                       << u" 5/ 5 soit  100 % "_s;
}

void QuizFixture::partie(const Reponse& repondre)
{
    QFETCH(int, g); QFETCH(bool, toutJuste); QFETCH(int, niveau); QFETCH(int, erreurs); QFETCH(QString, score);
    if (jeuCarte(g))
        colonnesDepartements();
    CarteDep* c = lance({.jeu = num(g), .niveau = niveau, .sec = u" 4"_s, .nombre = u" 5"_s});
    fake->dialogs.onBox = [c](const testkit::ShownBox& box) {
        if (box.title != u"Erreur de Saisie"_s)  // a refused input leaves the countdown running
            QVERIFY(!c->Timer1->isActive());
    };
    const bool fractions = g >= 15 && g <= 18;
    const QStringList notes{u" 1/ 1 soit  100 % "_s, u" 1/ 2 soit  50 % "_s, u" 1/ 3 soit  33.33 % "_s,
                            u" 1/ 4 soit  25 % "_s};
    QSet<int> poses;
    for (int q = 1; q <= 5; ++q) {
        const int n = int(Tirage);
        QVERIFY(!poses.contains(n));
        poses.insert(n);
        const QString compteur = u"Question "_s + platform::Str(q) + u"/ 5 :"_s;
        QVERIFY2(enTete(c).startsWith(compteur), qPrintable(enTete(c)));
        switch (toutJuste ? 1 : q) {
        case 1: repondre(c, n, Coup::Juste); break;
        case 2: repondre(c, n, Coup::Faux); break;
        case 3: c->NoSais_Click(); break;
        case 4:
            repondre(c, n, Coup::Refus);
            QVERIFY(enTete(c).startsWith(compteur));
            QVERIFY(c->Solution->isHidden());
            c->Timer1_Timer();
            c->Timer1_Timer();  // time over
            break;
        default: repondre(c, n, Coup::JusteApresNeSaisPas); break;
        }
        if (jeuCarte(g)) {
            QVERIFY(!c->Solution->isHidden());
            c->btnOK_Click();
        }
        if (q < 5 && !toutJuste && !fractions)
            QCOMPARE(c->Note->text(), notes[q - 1]);
    }
    verifieBoite(fake->dialogs.boxes.last(), kFin + score + u" de réussite."_s, 64, u"Terminé"_s);
    if (erreurs > 0) {
        // The errors, an empty line and the dated line; the quiz window gone, its countdown stopped,
        // the chooser kept; nothing is judged any more.
        QVERIFY(win::Rapport.isVisible() && win::Menu.isLoaded() && !c->isVisible() && !c->Timer1->isActive());
        const QStringList lignes = lignesRapport();
        QCOMPARE(lignes.size(), erreurs + 2);
        QCOMPARE(lignes.mid(erreurs), (QStringList{QString(), kDatee}));
        QCOMPARE(win::Rapport->RichTextBox1->toPlainText().count(u"Correction de vos erreurs"_s), 1);
        const qsizetype boites = fake->dialogs.boxes.size();
        for (int t = 0; t < 40; ++t)
            c->Timer1_Timer();
        c->NoSais_Click();
        QCOMPARE(fake->dialogs.boxes.size(), boites);
    } else {
        QVERIFY(win::Sommaire.isVisible() && !win::Menu.isLoaded() && !win::Rapport.isVisible());
    }
}
