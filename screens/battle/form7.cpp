// form7.cpp: the battle screen.
#include "battle/form7.h"

namespace game {

Form7::Form7(ormal::Application& app) : Screen(app, "Form7") { Caption = "Form7"; }

}  // namespace game
