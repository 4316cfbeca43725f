// entry.cpp: entering the fortress from the planet screen.
#include "battle/form7.h"
#include "planet/form3.h"

namespace game {

void Form3::Command3_Click() { Form7().Show(); }

}  // namespace game
