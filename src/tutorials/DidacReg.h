#pragma once
#include "tutorials/TutorialFrame.h"

class DidacReg : public TutorialFrame {
    Q_OBJECT
public:
    DidacReg();
    QPushButton* Stop;
    void Stop_Click() { returnToHub(); }

protected:
    platform::FormInstanceBase& self() override;
};
