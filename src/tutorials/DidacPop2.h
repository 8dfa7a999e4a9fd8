#pragma once
#include "tutorials/TutorialFrame.h"

class DidacPop2 : public TutorialFrame {
    Q_OBJECT
public:
    DidacPop2();
    QPushButton* Retour;
    void Retour_Click() { returnToHub(); }

protected:
    platform::FormInstanceBase& self() override;
};
