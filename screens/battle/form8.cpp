// form8.cpp: the battle outcome window.
#include "battle/form8.h"

namespace game {

Form8::Form8(ormal::Application& app) : Screen(app, "Form8") { Caption = "Form8"; }

}  // namespace game
