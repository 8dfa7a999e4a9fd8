#pragma once
// The state of the running game and of its current question, shared by the
// game chooser (which resets it when a game is picked), the quiz window and
// the game routines. It lives as long as the program.
#include <QString>
#include <array>
#include <cstdint>

extern float Tirage;                        // item asked: département 1..96 or région 1..22
extern std::array<int16_t, 98> DejaPose;    // 1 = item already asked in this game
extern int16_t NbQuestions;                 // number of questions of the game
extern float NbBonnes;                      // right answers (fractions in some games)
extern float NbFausses;                     // wrong answers, "Je ne sais pas", time-outs
extern int16_t TempsEcoule;                 // 1 = time of the question ran out
extern int16_t NeSaisPas;                   // 1 = "Je ne sais pas" pressed
extern int16_t DepTrouve;                   // 1 = the last map click hit a département
extern int16_t DepClique;                   // département under the last click that hit
extern QString NomDepClique;                // its name
extern int16_t EtatCarte;                   // verdict of a map question: 1 right, 2 wrong, 3 time over
extern int16_t SolutionVue;                 // 1 = the map takes no more clicks for this question
extern float PosBonneRep;                   // position 1..3 of the right proposal
extern float TirageFaux;                    // a wrong item drawn for a proposal
extern std::array<int16_t, 98> DepSaisi;    // 1 = département entered in an answer box
extern std::array<int16_t, 98> DepAttendu;  // 1 = département expected in the answer boxes

// Last mouse position over a map, in pixels from the map's top-left corner.
extern int16_t SourisX;
extern int16_t SourisY;
