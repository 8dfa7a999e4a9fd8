#pragma once
// The département tutorial: one département chosen in five linked lists (by
// number, name, préfecture, area or 1999 population), by "-" and "+", or by a
// click on the map; its figures beside the map, the département painted on it.
#include "tutorials/MapPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace platform {
class BottomStatusBar;
}

class DidacDept : public MapPanel {
    Q_OBJECT
public:
    DidacDept();

    QPushButton* moins;
    QPushButton* plus;
    // 0 numbers, 1 names, 2 préfectures, 3 areas, 4 populations 1999; all sorted.
    ListeDeroulante* ComboD[5];
    QLabel* Label1;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    QLineEdit* Reg;
    QLineEdit* pop90;
    QLineEdit* nbh90;
    QLineEdit* nbh99;
    QLineEdit* Evol;
    platform::BottomStatusBar* StatusBar2;

    void Form_Load() override;
    void ComboD_Click(int16_t Index);
    void moins_Click();
    void plus_Click();
    void Stop_Click() override;

    // Paints département n in green on the map, in the "Test" view only.
    void Affiche(int16_t n);

protected:
    ListeDeroulante* listeNumeros() const override { return ComboD[0]; }
    void montreControles(int vue) override;
    void peint(int16_t n) override { Affiche(n); }
    QString texteClic(int departement) const override { return TexteNumeroDep(departement); }

private:
    void ecritChiffres(int n);
};
