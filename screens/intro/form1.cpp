// form1.cpp: the intro screen: nine story pages, then the start button.
#include "intro/form1.h"

namespace game {

Form1::Form1(ormal::Application& app) : Screen(app, "Form1") { Caption = "Form1"; }

}  // namespace game
