#pragma once
#include <array>
// The map half of the two map tutorials (départements and régions): the map
// picture box with its four views, the painting of the selected item from its
// pixel file, the redraw timer, and the map click that selects the département
// (or its région) under the pointer. Also what both tutorials share: the
// drop-down lists that report a program's selection like a user's pick, the
// number texts of their items, and the figures (densities, evolution).
#include "platform/Forms.h"

#include <QComboBox>
#include <QLabel>
#include <QString>
#include <cstdint>

class MapBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

// Ticks of the redraw timer since the last complete change of selection.
extern int16_t CompteTics;
// The item that the redraw paints at its second tick.
extern int16_t NumAffiche;
// Blink counter of the région tutorial's capital dot.
extern int16_t CompteTics2;

// A drop-down list: the user can only pick an item. Selecting an item, by the
// user or by the program (setText, setListIndex), emits choisi() at once,
// before the call returns; a selection that does not change the item emits
// nothing, and neither does filling or emptying the list. A sorted list keeps
// its items in alphabetical order, case and accents aside, a blank before the
// digits and the digits before the letters.
class ListeDeroulante : public QComboBox {
    Q_OBJECT
public:
    explicit ListeDeroulante(bool trie, QWidget* parent = nullptr);

    void AddItem(const QString& texte);
    void Clear();
    // Selects the item of that exact text (nothing when no item has it).
    void setText(const QString& texte);
    // The selected item's text; empty when none is selected.
    QString text() const { return currentText(); }
    // Selects by position (-1: no item, silently).
    void setListIndex(int index);
    int listIndex() const { return currentIndex(); }

    // Order of two texts in a sorted list.
    static bool avant(const QString& a, const QString& b);

signals:
    void choisi();

private:
    bool trie_;
    bool remplissage_ = false;
};

// Number text of an item in the number lists: "  1".."  9", " 10" and up.
QString TexteNumero(int n);
// The same for a département: index 20 is " 2B", index 96 is " 2A".
QString TexteNumeroDep(int index);
// The item of a number text: " 2A" 96, " 2B" 20, otherwise its numeric value
// (0 for a text without a number).
int IndexNumero(const QString& texte);

// A number as the tutorials write it: rounded to the decimals (a half to the
// even digit), no blank, no thousands separator, the locale's decimal
// separator, no decimals when the rounded value is whole.
QString TexteChiffre(double valeur, int decimales);

// Writes the densities of 1990 and 1999, the 1990 population and the
// evolution from 1990 to 1999 of a département or a région into its boxes.
void EcritChiffres(QLineEdit* nbh99, QLineEdit* nbh90, QLineEdit* pop90, QLineEdit* Evol, const QString& superficie,
                   const QString& population90, const QString& population99);

// Colours of a text box (background and text).
void CouleursBoite(QLineEdit* boite, QColor fond, QColor texte);

// A right-aligned caption of the figures, blue when asked, placed in twips.
QLabel* EtiquetteFigure(QWidget* parent, const QString& texte, int l, int t, int w, int h, bool bleu, bool retourLigne);
// A read-only figure box; an information box is centred, blue on grey.
QLineEdit* BoiteFigure(QWidget* parent, int l, int t, int w, int h, bool information);

// The first index 1..dernier whose table entry is the text, 0 when none.
template <size_t N>
int PremiereEntree(const std::array<QString, N>& table, const QString& texte, int dernier)
{
    for (int i = 1; i <= dernier; ++i) {
        if (table[size_t(i)] == texte)
            return i;
    }
    return 0;
}

// The map's title, in the design font; a name too long for the box is drawn smaller.
class TitreCarte : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Base of the two map tutorial windows.
class MapPanel : public platform::FormWindow {
    Q_OBJECT
public:
    struct Vues {
        const char16_t* legende[4];  // captions of Carte(0..3)
        const char16_t* image[4];    // picture of each view, in the application folder
        int largeur[4];              // width of Picture1 in each view, twips
        int frame[4];                // Frame1: left, top, width, height
        int hauteurOption;           // height of each Carte option
        int largeurOption[4];
        int stop[2];                 // Stop inside Frame1: left, top
        const char16_t* titre;       // Label2 at design
        char famille;                // pixel files painted: 'D' or 'R'
    };

    MapBox* Picture1;
    TitreCarte* Label2;
    QGroupBox* Frame1;
    QRadioButton* Carte[4];
    QPushButton* Stop;
    QTimer* Timer1;

    // The view now selected (0..3), -1 before the load selects one.
    int vueChoisie() const;

    void Carte_Click(int16_t Index);
    void Timer1_Timer();
    void Picture1_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Picture1_Click();
    virtual void Stop_Click() = 0;

protected:
    explicit MapPanel(const Vues& vues);

    // The window's number list ComboD(0).
    virtual ListeDeroulante* listeNumeros() const = 0;
    // Shows or hides the window's own controls for a view.
    virtual void montreControles(int vue) = 0;
    // Affiche / Affiche2: paints an item.
    virtual void peint(int16_t n) = 0;
    // Number text selected in the number list by a click on a département.
    virtual QString texteClic(int departement) const = 0;

    // Paints every pixel of an item's pixel file in green, in the "Test" view
    // only, so that a paint still pending when the user changes views is dropped.
    void peintFichier(int16_t n);
    // A complete change of selection: erase the map, retitle it, and let the
    // redraw timer paint item n at its next tick.
    void changementComplet(int16_t n, const QString& titre);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Vues& vues_;
};
