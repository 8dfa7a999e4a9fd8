#include "quiz/QuizState.h"

float Tirage = 0;
std::array<int16_t, 98> DejaPose{};
int16_t NbQuestions = 0;
float NbBonnes = 0;
float NbFausses = 0;
int16_t TempsEcoule = 0;
int16_t NeSaisPas = 0;
int16_t DepTrouve = 0;
int16_t DepClique = 0;
QString NomDepClique;
int16_t EtatCarte = 0;
int16_t SolutionVue = 0;
float PosBonneRep = 0;
float TirageFaux = 0;
std::array<int16_t, 98> DepSaisi{};
std::array<int16_t, 98> DepAttendu{};
int16_t SourisX = 0;
int16_t SourisY = 0;
