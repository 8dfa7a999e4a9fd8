#pragma once
// Correction report of a game.
#include "platform/Forms.h"

class Rapport : public platform::FormWindow {
    Q_OBJECT
public:
    Rapport();
    void Form_Load() override;
};
