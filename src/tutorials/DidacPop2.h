#pragma once
// Areas and populations of the 22 régions: table and thematic maps.
#include "tutorials/StatWindow.h"

class DidacPop2 : public stats::StatWindow {
    Q_OBJECT
public:
    DidacPop2();

protected:
    platform::FormInstanceBase& soi() override;
    int NombreItems() const override { return 22; }
    QStringList Ligne(int i) const override;
    int ItemDuDepartement(int n) const override;
    QString Nom(int item) const override;
    QString Superf(int item) const override;
    QString Pop90(int item) const override;
    QString Pop99(int item) const override;
};
