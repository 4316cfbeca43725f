// patrols.cpp: the three enemy ships. Every half second the course timer puts strays back
// inside the star map and picks one of eight courses at random; the course's timer then
// moves each ship its own way on every tick. Scenery only: nothing reads their positions.
#include "map/form2.h"

namespace game {

namespace {

struct Step {
    float dx, dy;
};
// Per course, the step of Shape2, Shape3 and Shape4.
const Step kCourses[8][3] = {
    {{0, -5}, {-5, 0}, {-5, -5}}, {{-5, 0}, {0, 5}, {0, -5}},   {{0, 5}, {5, 0}, {0, 0}},
    {{5, 0}, {5, -5}, {0, 5}},    {{5, -5}, {0, 0}, {0, 0}},    {{5, 5}, {-5, 5}, {5, -5}},
    {{-5, 5}, {0, 0}, {5, 5}},    {{-5, -5}, {0, -5}, {-5, 5}},
};

}  // namespace

void Form2::patrol(int course) {
    Shape* ships[] = {&Shape2, &Shape3, &Shape4};
    for (int i = 0; i < 3; ++i) {
        const Step& s = kCourses[course][i];
        if (s.dx != 0) ships[i]->Left = ships[i]->Left + s.dx;
        if (s.dy != 0) ships[i]->Top = ships[i]->Top + s.dy;
    }
}

void Form2::Timer9_Timer() {
    patrol(0);
}
void Form2::Timer10_Timer() {
    patrol(1);
}
void Form2::Timer11_Timer() {
    patrol(2);
}
void Form2::Timer12_Timer() {
    patrol(3);
}
void Form2::Timer13_Timer() {
    patrol(4);
}
void Form2::Timer14_Timer() {
    patrol(5);
}
void Form2::Timer15_Timer() {
    patrol(6);
}
void Form2::Timer16_Timer() {
    patrol(7);
}

void Form2::Timer17_Timer() {
    for (Shape* s : {&Shape2, &Shape3, &Shape4}) {
        if (s->Left <= 0) s->Left = 120;
        if (s->Left >= 7200) s->Left = 6960;
        if (s->Top >= 6240) s->Top = 6000;
        if (s->Top <= 0) s->Top = 120;
    }
    int k = static_cast<int>(Int(Rnd() * 8));
    Timer* courses[] = {&Timer9,  &Timer10, &Timer11, &Timer12,
                        &Timer13, &Timer14, &Timer15, &Timer16};
    courses[k]->Enabled = true;
    for (Timer* t : courses)
        if (t != courses[k]) t->Enabled = false;
}

}  // namespace game
