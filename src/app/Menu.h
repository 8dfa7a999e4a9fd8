#pragma once
// Game chooser: the 31 games and their settings. Its controls hold the
// settings of the game being played; it stays loaded, hidden, during the game.
#include "platform/Controls.h"
#include "platform/Forms.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>
#include <array>

class Menu : public platform::FormWindow {
    Q_OBJECT
public:
    Menu();

    void Form_Load() override;
    void Form_QueryUnload() override;

    void ListView1_Click();
    void Tps_Click(int Index);
    void NbQuest_Click(int Index);
    void JoueOK_Click();
    void Somm_Click();
    void mnuAide_Click();

    // Longest time per question the time bar takes: "Jouer !" stores the
    // seconds plus one, so Sec then holds a whole number from 4 to 32767.
    static constexpr int kSecondesMax = 32766;

    QLabel* Label1;
    QTreeWidget* ListView1;               // columns: Jeu, Information Donnée, Réponse Attendue, Aide
    QLabel* Label3;
    QLabel* Label4;                       // the chosen game's number, "1".."31"
    QGroupBox* Frame1;
    std::array<QRadioButton*, 2> Niveau{};   // 0 easy (with help), 1 hard
    QGroupBox* Limite;
    std::array<QRadioButton*, 2> Tps{};      // 0 unlimited, 1 limited
    QLineEdit* Sec;                       // seconds per question (plus one once the game starts)
    QLabel* Label2;
    QGroupBox* Question;
    std::array<QRadioButton*, 2> NbQuest{};  // 0 fixed count (in ListNbQ), 1 all items
    QComboBox* ListNbQ;                   // " 1".." 96" or " 1".." 22"
    QPushButton* JoueOK;
    QPushButton* Somm;
    QPushButton* mnuAide;
    QStatusBar* StatusBar2;
};
