#pragma once
// Game chooser. Its controls hold the settings of the game being played.
#include "platform/Forms.h"

#include <QLabel>
#include <QPushButton>

class Menu : public platform::FormWindow {
    Q_OBJECT
public:
    Menu();

    void Form_QueryUnload() override;
    void Retour_Click();

    QLabel* Label4;      // the chosen game's number, "1".."31"
    QPushButton* Retour;
};
