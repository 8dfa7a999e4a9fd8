#pragma once
#include "tutorials/TutorialFrame.h"

class DidacPop : public TutorialFrame {
    Q_OBJECT
public:
    DidacPop();
    QPushButton* Retour;
    void Retour_Click() { returnToHub(); }

protected:
    platform::FormInstanceBase& self() override;
};
