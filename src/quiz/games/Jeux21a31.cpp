// Games 21 to 31: régions from their départements, regional préfectures,
// areas and populations, coats of arms.
#include "quiz/CarteDep.h"

void CarteDep::PoseQuestionJeux21a25() {}

void CarteDep::PoseQuestionJeux26a30() {}

void CarteDep::PoseQuestionJeu31() {}

void CarteDep::CorrigeJeux21a25() {}

void CarteDep::CorrigeJeux26a30() {}

void CarteDep::CorrigeJeu31() {}
