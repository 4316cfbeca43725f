// entry.cpp: entering the trade centre from the planet screen.
#include "planet/form3.h"
#include "trade/form6.h"

namespace game {

void Form3::Command2_Click() { Form6().Show(); }

}  // namespace game
