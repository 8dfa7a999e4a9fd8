#pragma once
// The hub: the way to the tutorials and to the games, with the sound switch.
#include "platform/Controls.h"
#include "platform/Forms.h"

class Sommaire : public platform::FormWindow {
    Q_OBJECT
public:
    Sommaire();

    void Form_Load() override;
    void Form_QueryUnload() override;

    void Play_Click();
    void Didac_Click();
    void Horloge_Click();
    void aide_Click();

    // Draws a percentage bar with its centred figure in a picture (0..100).
    static void UPDATEPROGRESS(QLabel* PB, double Percent);

    QLabel* Label2;
    QLabel* LblDidacticiel;
    QPushButton* Didac;
    QLabel* Label4;
    QLabel* LblJeu;
    QPushButton* Play;
    QPushButton* Horloge;
    QPushButton* aide;
    QWidget* Line1;
    QWidget* Line2;
    QStatusBar* StatusBar2;

private:
    // Unpacks the data archive when a pixel file is missing; a failure is told
    // to the player, and the chooser opens all the same.
    void VerifiePremierLancement();
};
