#pragma once
// The statistics tutorial window, shared by its two twins: the département
// window DidacPop and the région window DidacPop2. It shows either the table of
// areas, populations, densities and evolutions (sortable by column, printable)
// or the thematic map of one of six statistics with its ten-class legend and
// the figures of the item under the mouse.
#include "platform/Forms.h"
#include "tutorials/StatTextes.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <array>

class MapBox;
class QStatusBar;

namespace stats {

// The legend label: its caption holds the lines joined by CR LF; each line is
// drawn beside its swatch, at the swatches' pitch.
class LegendeLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    int pasLignes = 16;  // pixels between two lines

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A row of the table: rows compare by the texts of the sort column.
class LigneTableau : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override;
};

// Text order of the table: letters compared without their accents and case
// first, then character by character; a blank sorts before the digits.
bool TexteAvant(const QString& a, const QString& b);

// Where the two windows' designs differ.
struct Disposition {
    Echelle echelle;
    int hauteur;                          // client height, twips
    int listeLeft, listeTop, listeWidth, listeHeight;
    int totauxTop;
    std::array<int, 7> totauxLeft, totauxWidth;
    int boutonsTop;                       // Impression, Retour
    int choixLeft;
    int legendeTop;                       // Legende and TC(0)
    int label1Top, label2Top;
    QStringList entetes;
    std::vector<int> largeurs;            // column widths, twips
    QString confirmation;                 // asked before printing
    QString barreEtat;
    double policeListe = 8;               // points: every name holds in its column
};

class StatWindow : public platform::FormWindow {
    Q_OBJECT
public:
    explicit StatWindow(const Disposition& disposition);

    // Controls, named as in the window's design.
    QPushButton* Retour;
    QTreeWidget* ListDept;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QLineEdit* Text5;
    QLineEdit* Text6;
    QLineEdit* Text7;
    std::array<QRadioButton*, 2> TabCarte{};
    QPushButton* Impression;
    QPushButton* mnuAide;
    QStatusBar* StatusBar2;
    QGroupBox* Choix;
    std::array<QRadioButton*, kStatistiques> C{};
    MapBox* CarteImg;
    LegendeLabel* Legende;
    std::array<QLineEdit*, kClasses> TC{};
    QLabel* Label1;
    QLabel* Label2;

    void Form_Load() override;
    void C_Click(int Index);
    void CarteImg_MouseMove(int Button, int Shift, float X, float Y);
    void TabCarte_Click(int Index);
    // Index of the clicked column, counted from 1.
    void ListDept_ColumnClick(int index);
    void mnuAide_Click();
    void Retour_Click();
    void Impression_Click();

    // The list's sort: column from 0, order 0 ascending / 1 descending.
    int SortKey() const { return sortKey_; }
    int SortOrder() const { return sortOrder_; }

protected:
    // The window's own instance, unloaded by Retour.
    virtual platform::FormInstanceBase& soi() = 0;
    // Number of items, and the texts of item i (1-based) for the table and the map.
    virtual int NombreItems() const = 0;
    virtual QStringList Ligne(int i) const = 0;
    // The item shown for a map pixel of département n (n itself, or its région); 0 for none.
    virtual int ItemDuDepartement(int n) const = 0;
    virtual QString Nom(int item) const = 0;
    virtual QString Superf(int item) const = 0;
    virtual QString Pop90(int item) const = 0;
    virtual QString Pop99(int item) const = 0;

    const Disposition& disposition() const { return disposition_; }

private:
    void MontreStatistique(Statistique statistique);
    QString TexteFigure(Statistique statistique, int item) const;

    Disposition disposition_;
    int sortKey_ = 0;
    int sortOrder_ = 0;
};

} // namespace stats
