#pragma once
#include <array>
#include <optional>
// The région tutorial: one région chosen in four linked lists (by name,
// regional préfecture, area or 1999 population), by "-" and "+", by a click on
// the map or from the coats of arms; its figures, its départements, its
// picture, and a blinking dot on its capital on the coloured maps.
#include "tutorials/MapPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace platform {
class BottomStatusBar;
class ClickLabel;
} // namespace platform

class DidacReg : public MapPanel {
    Q_OBJECT
public:
    DidacReg();

    QPushButton* moins;
    QPushButton* plus;
    // 0 numbers (never shown), 1 names, 2 préfectures, 3 areas, 4 populations
    // 1999, all sorted; 5 the départements of the région, in number order.
    ListeDeroulante* ComboD[6];
    QLabel* Label1;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    QLineEdit* pop90;
    QLineEdit* nbh90;
    QLineEdit* nbh99;
    QLineEdit* Evol;
    platform::ClickLabel* Image1;
    QLabel* PtsClig;
    QTimer* Timer2;
    platform::BottomStatusBar* StatusBar2;

    void Form_Load() override;
    void ComboD_Click(int16_t Index);
    void moins_Click();
    void plus_Click();
    void Image1_Click();
    void Stop_Click() override;
    void Timer2_Timer();

    // Paints région n in green on the map, in the "Test" view only.
    void Affiche2(int16_t n);

protected:
    ListeDeroulante* listeNumeros() const override { return ComboD[0]; }
    void montreControles(int vue) override;
    void peint(int16_t n) override { Affiche2(n); }
    QString texteClic(int departement) const override;

private:
    // Top-left corner (pixels in the map) of the capital dot of région r.
    QPoint PlaceCapitale(int r);
    std::array<std::optional<QPoint>, 22> capitales_;
    void ecritChiffres(int n);
    void remplitDepartements(int region);
    void montreImage(int region);
};
