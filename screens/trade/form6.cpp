// form6.cpp: the trade screen.
#include "trade/form6.h"

namespace game {

Form6::Form6(ormal::Application& app) : Screen(app, "Form6") { Caption = "Form6"; }

}  // namespace game
