#pragma once
// Tutorial chooser: opens one of the four tutorial windows.
#include "platform/Controls.h"
#include "platform/Forms.h"

#include <QRadioButton>
#include <array>

class Didacticiel : public platform::FormWindow {
    Q_OBJECT
public:
    Didacticiel();

    void Form_Load() override;
    void Form_QueryUnload() override;

    void Didac_Click(int Index);
    void cancel_Click();
    void Ok_Click();
    void Back_Click();
    void mnuAide_Click();

    QLabel* LblDidac;
    std::array<QRadioButton*, 3> Didac{};   // DEPARTEMENTS, REGIONS, SUPERFICIE ET POPULATION
    std::array<QRadioButton*, 2> SupPop{};  // Des Départements, Des Régions
    QPushButton* Ok;
    QPushButton* cancel;
    QPushButton* Back;
    QPushButton* mnuAide;
    QStatusBar* StatusBar2;
};
