// Games 11 to 20: préfectures placed in départements; régions placed, named
// and broken down into their départements.
#include "quiz/CarteDep.h"

void CarteDep::PoseQuestionJeux11a15() {}

void CarteDep::PoseQuestionJeux16a20() {}

void CarteDep::CorrigeJeux11a15() {}

void CarteDep::CorrigeJeux16a20() {}
