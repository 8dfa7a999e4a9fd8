// Games 1 to 10 played in the real quiz window: the first question of each
// game, typed and listed answers, map clicks, report lines and whole games.
#include "QuizFixture.h"

using namespace Qt::StringLiterals;

class TestGames1a10 : public QObject, QuizFixture {
    Q_OBJECT

private slots:
    void init() { ouvre(); }
    void cleanup() { ferme(); }

    void questions_data()
    {
        colonnesQuestion();
        const QString rep = u"Rep OK"_s, liste = u"OK ListRep"_s, colorie = u"Colorie le département"_s;
        const QString pref = u"Quel est le nom de la préfecture du"_s, pref6 = pref + u" département "_s;
        jeu(1, u"Q: Numéro d'un département  -  R: Nom du département"_s, colorie, u"Ne colorie pas le département"_s);
        ligneQuestion("1 easy 7", 0, 7, u"\r\nQuel est le nom du département n° 7"_s, rep, 4080);
        ligneQuestion("1 easy 2B", 0, 20, u"\r\nQuel est le nom du département n° 2B"_s, rep, 4080);
        ligneQuestion("1 hard 2A", 1, 96, u"\r\nQuel est le nom du département n° 2A"_s, rep, 4560, 4080);
        jeu(2, u"Q: Nom d'un département  -  R: Numéro du département"_s, colorie, u"Ne colorie pas le département"_s);
        ligneQuestion("2 easy 7", 0, 7, u"Quel est le n° du département :\r\nArdèche"_s, rep, 4080);
        ligneQuestion("2 hard 2B", 1, 20, u"Quel est le n° du département :\r\nHaute Corse"_s, rep, 4560, 4080);
        jeu(3, u"Q: Numéro d'un département  -  R: Positionner le département"_s, u"Indique le nom du département"_s,
            u"N'indique pas le nom du département"_s);
        ligneQuestion("3 easy 7", 0, 7, u"Placer le département n° 7\r\nArdèche"_s, {}, 2880);
        ligneQuestion("3 easy 2A", 0, 96, u"Placer le département n° 2A\r\nCorse du Sud"_s, {}, 2880);
        ligneQuestion("3 hard 2B", 1, 20, u"Placer le département n° 2B"_s, {}, 3320, 2880);
        jeu(4, u"Q: Nom d'un département  -  R: Positionner le département"_s, u"Indique le numéro du département"_s,
            u"N'indique pas le numéro du département"_s);
        ligneQuestion("4 easy 7", 0, 7, u"Placer le département \r\nArdèche (7)"_s, {}, 2880);
        ligneQuestion("4 easy 2B", 0, 20, u"Placer le département \r\nHaute Corse (2B)"_s, {}, 2880);
        ligneQuestion("4 easy 85", 0, 85, u"Placer le département \r\nVendée (85)"_s, {}, 2880);
        ligneQuestion("4 hard 2A", 1, 96, u"Placer le département Corse du Sud"_s, {}, 3320, 2880);
        jeu(5, u"Q: Numéro d'un département  -  R: Nom de la préfecture départementale"_s,
            u"Colorie le département, donne son nom et la liste des préfectures"_s,
            u"Ne colorie pas le département, ne donne pas son nom ni la liste des préfectures"_s);
        ligneQuestion("5 easy 50", 0, 50, pref + u"\r\ndépartement n° 50\r\nManche"_s, liste, 4080);
        ligneQuestion("5 easy 2B", 0, 20, pref + u"\r\ndépartement 2B\r\nHaute Corse"_s, liste, 4080);
        ligneQuestion("5 easy 2A", 0, 96, pref + u"\r\ndépartement 2A\r\nCorse du Sud"_s, liste, 4080);
        ligneQuestion("5 hard 7", 1, 7, pref + u"\r\ndépartement n° 7"_s, rep, 4560, 4080);
        ligneQuestion("5 hard 2B", 1, 20, pref + u" \r\ndépartement 2B"_s, rep, 4560, 4080);
        ligneQuestion("5 hard 2A", 1, 96, u"Quel est le nom du la préfecture du \r\ndépartement 2A"_s, rep, 4560, 4080);
        jeu(6, u"Q: Nom d'un département  -  R: Nom de la préfecture départementale"_s,
            u"Colorie le département, donne son numéro et la liste des préfectures"_s,
            u"Ne colorie pas le département, ne donne pas son numéro ni la liste des préfectures"_s);
        ligneQuestion("6 easy 1", 0, 1, pref6 + u"Ain :  1"_s, liste, 4080);
        ligneQuestion("6 easy 2B", 0, 20, pref6 + u"Haute Corse (2B)"_s, liste, 4080);
        ligneQuestion("6 easy 2A", 0, 96, pref6 + u"Corse du Sud (2A)"_s, liste, 4080);
        ligneQuestion("6 hard 27", 1, 27, pref6 + u"Eure"_s, rep, 4560, 4080);
        ligneQuestion("6 hard 2B", 1, 20, pref6 + u"Haute Corse"_s, rep, 4560, 4080);
        ligneQuestion("6 hard 2A", 1, 96, u"Quel est le nom du la préfecture du département Corse du Sud"_s, rep, 4560, 4080);
        jeu(7, u"Q: Colorie un département  -  R: Numéro du département"_s, u"Indique le nom du département colorié"_s,
            u"N'indique pas le nom du département colorié"_s);
        ligneQuestion("7 easy 7", 0, 7, u"Quel est le n° du département colorié\r\nArdèche"_s, rep, 4080);
        ligneQuestion("7 easy 2B", 0, 20, u"Quel est le n° du département colorié\r\nHaute Corse"_s, rep, 4080);
        ligneQuestion("7 easy 2A", 0, 96, u"Quel est le n° du département colorié\r\nCorse du Sud"_s, rep, 4080);
        ligneQuestion("7 hard", 1, 7, u"\r\nQuel est le n° du département colorié"_s, rep, 4560, 4080);
        jeu(8, u"Q: Colorie un département  -  R: Nom du département"_s, u"Indique le numéro du département colorié"_s,
            u"N'indique pas le numéro du département colorié"_s);
        ligneQuestion("8 easy 7", 0, 7, u"Quel est le nom du département colorié\r\n 7"_s, rep, 4080);
        ligneQuestion("8 easy 2B", 0, 20, u"Quel est le nom du département colorié\r\n2B"_s, rep, 4080);
        ligneQuestion("8 easy 2A", 0, 96, u"Quel est le nom du département colorié\r\n2A"_s, rep, 4080);
        ligneQuestion("8 hard", 1, 20, u"\r\nQuel est le nom du département colorié"_s, rep, 4560, 4080);
        jeu(9, u"Q: Colorie un département  -  R: Nom de la préfecture du département"_s,
            u"Donne le nom et le n° du département + liste des préfectures"_s,
            u"Ne donne pas le nom, ni le n° du département, ni la liste des préfectures"_s);
        ligneQuestion("9 easy 1", 0, 1, pref + u"\r\ndépartement Ain :  1"_s, liste, 4080);
        ligneQuestion("9 easy 2B", 0, 20, pref + u" \r\ndépartement Haute Corse : 2B"_s, liste, 4080);
        ligneQuestion("9 easy 2A", 0, 96, pref + u" \r\ndépartement Corse du Sud : 2A"_s, liste, 4080);
        ligneQuestion("9 hard", 1, 96, pref + u"\r\ndépartement colorié"_s, rep, 4560, 4080);
        jeu(10, u"Q: Nom de la préfecture départementale  -  R: Nom du département"_s,
            u"Colorie le département et indique son numéro"_s,
            u"Ne colorie pas le département et n'indique pas son numéro"_s);
        ligneQuestion("10 easy 27", 0, 27, u"Quel est le nom du département 27\r\nayant pour préfecture : \r\nEvreux"_s, rep,
                      4080);
        ligneQuestion("10 easy 2B", 0, 20, u"Quel est le nom du département 2B\r\nayant pour préfecture : \r\nBastia"_s, rep,
                      4080);
        ligneQuestion("10 easy 2A", 0, 96,
                      u"Quel est le nom du département 2A\r\nayant pour préfecture : \r\nAjaccio"_s, rep, 4080);
        ligneQuestion("10 hard 2B", 1, 20, u"Quel est le nom du département\r\nayant pour préfecture : \r\nBastia"_s, rep,
                      4560, 4080);
    }
    void questions() { question(); }

    void verdicts_data()
    {
        colonnesVerdict();
        const QString faux = u"Mauvaise Réponse !.\r\nC'était "_s, faux9 = u"Mauvaise Réponse !\r\nC'était "_s;
        const QString sais = u"Vous ne savez pas ?\r\nC'était "_s, temps = u"Le Temps est écoulé !.\r\nC'était "_s;
        // Game 1: names in capitals on both sides, nothing trimmed.
        ligneVerdict("1 small letters", 1, 0, 1, 69, u"rhône"_s, "entree", kJuste);
        ligneVerdict("1 no accent", 1, 0, 1, 69, u"Rhone"_s, "entree");
        ligneVerdict("1 trailing blank", 1, 0, 1, 69, u"Rhône "_s, "entree");
        ligneVerdict("1 hyphens", 1, 0, 1, 63, u"Puy-de-Dôme"_s, "entree");
        ligneVerdict("1 blanks only", 1, 0, 1, 63, u"   "_s, "entree");
        ligneVerdict("1 easy names 2B", 1, 0, 1, 1, u"haute corse"_s, "entree",
                     faux + u"Ain\r\n\r\nhaute corse c'est le numéro 2B"_s, 48, u" 1 : Ain"_s);
        ligneVerdict("1 easy names 2A", 1, 0, 1, 1, u"CORSE DU SUD"_s, "entree",
                     faux + u"Ain\r\n\r\nCORSE DU SUD c'est le numéro 2A"_s, 48, u" 1 : Ain"_s);
        ligneVerdict("1 easy untimed", 1, 0, 0, 2, u"Ardèche"_s, "entree", faux + u"Aisne\r\n\r\nArdèche c'est le numéro 7"_s,
                     48, u" 2 : Aisne"_s);
        ligneVerdict("1 hard 2B asked", 1, 1, 1, 20, u"Ain"_s, "entree", faux + u"Haute Corse"_s, 48, u"2B : Haute Corse"_s);
        ligneVerdict("1 don't know empty", 1, 0, 1, 96, {}, "nesaispas", sais + u"Corse du Sud"_s, 48,
                     u"2A : Corse du Sud"_s, false);
        ligneVerdict("1 don't know unknown", 1, 1, 1, 1, u"xyz"_s, "nesaispas", sais + u"Ain"_s, 48, u" 1 : Ain"_s, false);
        ligneVerdict("1 don't know typed", 1, 0, 1, 1, u"AIN"_s, "nesaispas", kJuste);
        ligneVerdict("1 time over, the answer typed", 1, 0, 1, 20, u"Haute Corse"_s, "temps", temps + u"Haute Corse"_s, 48,
                     u"2B : Haute Corse"_s);
        // Game 2: "2B"/"2A" in any case with blanks around; 20, 96 and what rounds to them refused;
        // a decimal names its nearest département and answers none.
        ligneVerdict("2 2b", 2, 0, 1, 20, u"2b"_s, "entree", kJuste);
        ligneVerdict("2 blanks around 2B", 2, 1, 1, 20, u" 2B "_s, "entree", kJuste);
        for (const char* refuse : {"20", "96", "0", "-3", "97", "0.4", "19.5", "20.5", "95.6", "abc", "2C"})
            ligneVerdict(qPrintable(u"2 refuses "_s + QLatin1String(refuse)), 2, 0, 1, 7, QLatin1String(refuse), "entree");
        ligneVerdict("2 easy 7.5 for 8", 2, 0, 1, 8, u"7.5"_s, "entree", faux + u"8\r\n\r\n7.5 c'est Ardennes"_s, 48,
                     u"Ardennes :  8"_s);
        ligneVerdict("2 easy 7.4 for 7", 2, 0, 1, 7, u"7.4"_s, "entree", faux + u"7\r\n\r\n7.4 c'est Ardèche"_s, 48,
                     u"Ardèche :  7"_s);
        ligneVerdict("2 hard 6.5 for 6", 2, 1, 1, 6, u"6.5"_s, "entree", faux + u"6"_s, 48, u"Alpes Maritimes :  6"_s);
        ligneVerdict("2 7.0 for 7", 2, 1, 1, 7, u" 7.0 "_s, "entree", kJuste);
        ligneVerdict("2 easy 2B asked", 2, 0, 1, 20, u"7"_s, "entree", faux + u"2B\r\n\r\n7 c'est Ardèche"_s, 48,
                     u"Haute Corse : 2B"_s);
        ligneVerdict("2 easy 2a typed", 2, 0, 1, 7, u"2a"_s, "entree", faux + u"7\r\n\r\n2a c'est Corse du Sud"_s, 48,
                     u"Ardèche :  7"_s);
        ligneVerdict("2 hard 2A asked", 2, 1, 1, 96, u"5"_s, "entree", faux + u"2A"_s, 48, u"Corse du Sud : 2A"_s);
        ligneVerdict("2 don't know 2B for 2B", 2, 0, 1, 20, u"2B"_s, "nesaispas", kJuste);
        ligneVerdict("2 don't know 7 for 7", 2, 1, 1, 7, u" 7"_s, "nesaispas", kJuste);
        ligneVerdict("2 don't know 2B for 2", 2, 0, 1, 2, u"2B"_s, "nesaispas", sais + u"2"_s, 48, u"Aisne :  2"_s);
        ligneVerdict("2 don't know 20 for 2B", 2, 0, 1, 20, u"20"_s, "nesaispas", sais + u"2B"_s, 48, u"Haute Corse : 2B"_s);
        ligneVerdict("2 hard time over", 2, 1, 1, 96, u"xyz"_s, "temps", temps + u"2A"_s, 48, u"Corse du Sud : 2A"_s);
        ligneVerdict("2 easy time over", 2, 0, 1, 7, u"7"_s, "temps", temps + u"7"_s, 48, u"Ardèche :  7"_s);
        // Game 5: préfectures, from the list at the easy level.
        ligneVerdict("5 list Lons le Saunier", 5, 0, 1, 39, u"Lons le Saunier"_s, "liste", kJuste);
        ligneVerdict("5 list, nothing picked", 5, 0, 1, 39, {}, "liste");
        for (const auto& [pick, d] : {std::pair{"Bastia", "2B"}, std::pair{"Ajaccio", "2A"}, std::pair{"Agen", "47"}})
            ligneVerdict(qPrintable(u"5 list "_s + QLatin1String(pick)), 5, 0, 1, 27, QLatin1String(pick), "liste",
                         faux + u"Evreux\r\n\r\n%1 c'est la préfecture du département %2"_s.arg(QLatin1String(pick),
                                                                                               QLatin1String(d)),
                         48, u" 27 : Evreux"_s);
        ligneVerdict("5 hard 2A asked", 5, 1, 1, 96, u"bastia"_s, "entree", faux + u"Ajaccio"_s, 48, u"2A : Ajaccio"_s);
        ligneVerdict("5 hard unknown", 5, 1, 1, 96, u"Evreu"_s, "entree");
        ligneVerdict("5 don't know", 5, 0, 1, 27, {}, "nesaispas", sais + u"Evreux"_s, 48, u" 27 : Evreux"_s, false);
        ligneVerdict("5 time over", 5, 0, 1, 27, {}, "temps", temps + u"Evreux"_s, 48, u" 27 : Evreux"_s, false);
        // Game 6.
        ligneVerdict("6 leading blank", 6, 1, 1, 27, u" Evreux"_s, "entree");
        ligneVerdict("6 trailing blank", 6, 1, 1, 27, u"Evreux "_s, "entree");
        ligneVerdict("6 capitals", 6, 1, 1, 27, u"EVREUX"_s, "entree", kJuste);
        ligneVerdict("6 easy list Bastia", 6, 0, 1, 27, u"Bastia"_s, "liste",
                     faux + u"Evreux\r\n\r\nBastia c'est la préfecture du département Haute Corse"_s, 48, u"Eure : Evreux"_s);
        ligneVerdict("6 hard wrong", 6, 1, 1, 27, u"Ajaccio"_s, "entree", faux + u"Evreux"_s, 48, u"Eure : Evreux"_s);
        ligneVerdict("6 don't know", 6, 0, 1, 27, {}, "nesaispas", sais + u"Evreux"_s, 48, u"Eure : Evreux"_s, false);
        ligneVerdict("6 time over", 6, 0, 1, 27, {}, "temps", temps + u"Evreux"_s, 48, u"Eure : Evreux"_s);
        // Game 7: the numbers, as in game 2; no report.
        for (const char* refuse : {"20", "96", "0", "19.5", "95.6", "2C"})
            ligneVerdict(qPrintable(u"7 refuses "_s + QLatin1String(refuse)), 7, 0, 1, 7, QLatin1String(refuse), "entree");
        ligneVerdict("7 7.5 for 8", 7, 0, 1, 8, u"7.5"_s, "entree", faux + u"8"_s, 48);
        ligneVerdict("7 2b", 7, 0, 1, 20, u"2b"_s, "entree", kJuste);
        ligneVerdict("7 blanks around 2B", 7, 1, 1, 20, u" 2B "_s, "entree", kJuste);
        ligneVerdict("7 easy 2B for 2A", 7, 0, 1, 96, u"2B"_s, "entree", faux + u"2A"_s, 48);
        ligneVerdict("7 hard 2B for 2A", 7, 1, 1, 96, u"2B"_s, "entree", faux + u"2A"_s, 48);
        ligneVerdict("7 wrong number", 7, 0, 1, 7, u"8"_s, "entree", faux + u"7"_s, 48);
        ligneVerdict("7 don't know 2A for 2A", 7, 1, 1, 96, u"2a"_s, "nesaispas", kJuste);
        ligneVerdict("7 don't know 96 for 2A", 7, 0, 1, 96, u"96"_s, "nesaispas", sais + u"2A"_s, 48);
        ligneVerdict("7 don't know 2B for 2", 7, 0, 1, 2, u"2B"_s, "nesaispas", sais + u"2"_s, 48);
        ligneVerdict("7 time over", 7, 1, 1, 20, u"2B"_s, "temps", temps + u"2B"_s, 48);
        // Game 8.
        ligneVerdict("8 small letters", 8, 1, 1, 85, u"vendée"_s, "entree", kJuste);
        ligneVerdict("8 no accent", 8, 1, 1, 85, u"Vendee"_s, "entree");
        ligneVerdict("8 easy wrong", 8, 0, 1, 2, u"Ain"_s, "entree", faux + u"Aisne"_s, 48);
        ligneVerdict("8 time over", 8, 0, 1, 7, {}, "temps", temps + u"Ardèche"_s, 48);
        // Game 9: no point after "Mauvaise Réponse !", no extra line, no report; OK is Enter when the list is hidden.
        ligneVerdict("9 list Lons le Saunier", 9, 0, 1, 39, u"Lons le Saunier"_s, "liste", kJuste);
        ligneVerdict("9 list Bastia", 9, 0, 1, 27, u"Bastia"_s, "liste", faux9 + u"Evreux"_s, 48);
        ligneVerdict("9 hard typed", 9, 1, 1, 39, u"lons le saunier"_s, "entree", kJuste);
        ligneVerdict("9 hard OK, empty box", 9, 1, 1, 27, {}, "ok");
        ligneVerdict("9 hard OK", 9, 1, 1, 27, u"evreux"_s, "ok", kJuste);
        ligneVerdict("9 time over", 9, 1, 1, 39, {}, "temps", temps + u"Lons Le Saunier"_s, 48);
        // Game 10.
        ligneVerdict("10 easy wrong", 10, 0, 1, 27, u"ain"_s, "entree",
                     faux9 + u"Eure\r\n\r\nain a pour préfecture Bourg en Bresse"_s, 48, u"Evreux : Eure"_s);
        ligneVerdict("10 hard wrong", 10, 1, 1, 27, u"ain"_s, "entree", faux9 + u"Eure"_s, 48, u"Evreux : Eure"_s);
        ligneVerdict("10 don't know", 10, 1, 1, 27, u"Evreu"_s, "nesaispas", sais + u"Eure"_s, 48, u"Evreux : Eure"_s,
                     false);
        ligneVerdict("10 untimed right", 10, 0, 0, 27, u"EURE"_s, "entree", kJuste);
        ligneVerdict("10 time over, the answer typed", 10, 1, 1, 27, u"Eure"_s, "temps", temps + u"Eure"_s, 48,
                     u"Evreux : Eure"_s);
    }
    void verdicts() { verdict(); }

    void mapVerdicts_data()
    {
        colonnesCarte();
        // Ain is asked.
        const QString vert = u"Département attendu en vert.\r\n"_s, mauvaise = u"Mauvaise Réponse !"_s;
        ligneCarte("3 easy on 2B", 3, 0, 1, 20, mauvaise, vert + u"En Rouge c'est 2B : Haute Corse "_s);
        ligneCarte("3 easy on 2A", 3, 0, 1, 96, mauvaise, vert + u"En Rouge c'est 2A : Corse du Sud"_s);
        ligneCarte("3 easy on 7", 3, 0, 1, 7, mauvaise, vert + u"En Rouge c'est 7 : Ardèche"_s);
        ligneCarte("4 easy on 7", 4, 0, 1, 7, mauvaise, vert + u"En Rouge c'est Ardèche : 7"_s);
        ligneCarte("4 easy on 2B", 4, 0, 1, 20, mauvaise, vert + u"En Rouge c'est Haute Corse (2B)"_s);
        ligneCarte("4 easy on 2A", 4, 0, 1, 96, mauvaise, vert + u"En Rouge c'est Corse du Sud (2A)"_s);
        ligneCarte("3 hard wrong", 3, 1, 1, 7, mauvaise, u"\r\nDépartement attendu en vert."_s);
        ligneCarte("4 hard wrong", 4, 1, 1, 20, mauvaise, u"\r\nDépartement attendu en vert."_s);
        ligneCarte("4 right", 4, 0, 1, 1, {}, u"\r\nBonne Réponse !"_s, true);
        ligneCarte("4 don't know", 4, 0, 1, 0, u"Vous ne savez pas ?"_s, u"\r\nDépartement attendu en vert."_s);
        ligneCarte("3 time over", 3, 1, 1, -1, u"Le Temps est écoulé !"_s, u"\r\nDépartement attendu en vert."_s);
    }
    void mapVerdicts() { verdictCarte(); }

    void wholeGames_data()
    {
        colonnesPartie();
        for (int g = 1; g <= 10; ++g) {
            lignePartie(g, 0, jeuRapport(g) ? 3 : 0);
            lignePartie(g, 1, jeuRapport(g) ? 3 : 0);
        }
        lignePartieJuste(1, 1);
        lignePartieJuste(6, 0);
        lignePartieJuste(3, 0);
    }
    void wholeGames()
    {
        QFETCH(int, g);
        partie([g](CarteDep* c, int n, Coup coup) {
            const int autre = n % 96 + 1;
            if (g == 3 || g == 4)
                return clique(c, coup == Coup::Refus ? 200 : coup == Coup::Faux ? autre : n, 10);
            auto texte = [g](int d) {
                return g == 2 || g == 7 ? NumeroDep(d) : g == 5 || g == 6 || g == 9 ? PrefDep[d] : NomDep[d];
            };
            repondTexte(c, coup, texte(n), texte(autre));
        });
    }
};

QTEST_MAIN(TestGames1a10)
#include "tst_games1a10.moc"
