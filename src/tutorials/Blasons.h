#pragma once
#include "tutorials/TutorialFrame.h"

// Coats of arms of the 22 régions, shown from the région tutorial.
class Blasons : public TutorialFrame {
    Q_OBJECT
public:
    Blasons();
    QPushButton* Retour;
    void Retour_Click() { returnToHub(); }

protected:
    platform::FormInstanceBase& self() override;
    // Leaving the coats of arms goes back to the région tutorial behind it.
    void returnToHub() override { self().Unload(); }
};
