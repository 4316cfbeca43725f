// star_map.h: the star map as the tests know it, written down once from the game's
// description: where the stop button recognises each planet, the direction pad with the
// timers it starts, and the patrol timers. Kept apart from the game's own tables, so that a
// test that steers by it also checks them.
#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <utility>

#include "map/form2.h"

namespace testing_support {

// Where a stop recognises a planet: the ship marker's top left inside the rectangle, both
// ends included. All bounds are whole multiples of 5, as every position the ship reaches.
struct Arrival {
    const char* planet;
    float leftFrom, leftTo, topFrom, topTo;
    bool fortress;

    bool holds(float left, float top) const {
        return left >= leftFrom && left <= leftTo && top >= topFrom && top <= topTo;
    }
    // A whole-twip point well inside.
    float middleLeft() const { return (leftFrom + leftTo) / 2; }
    float middleTop() const { return (topFrom + topTo) / 2; }
};

// In the order the stop button tests them.
inline constexpr Arrival kArrivals[] = {
    {"Пасим", 2520, 2640, 4200, 4320, true},     {"Карот", 1560, 1920, 3360, 3600, true},
    {"Пардонолия", 360, 1200, 1080, 1800, true}, {"Дорав", 5520, 5880, 3720, 3960, true},
    {"Земля", 960, 3720, 4920, 5520, false},     {"Шекарама", 3240, 3480, 2760, 3120, true},
    {"Филий", 3480, 3720, 1080, 1440, true},     {"Миранда", 5880, 6240, 1440, 1800, true},
};

inline const Arrival& arrival(const std::string& planet) {
    for (const Arrival& a : kArrivals)
        if (planet == a.planet) return a;
    throw std::invalid_argument("no planet " + planet);
}

// The planet a stop at this position arrives at, or nullptr.
inline const Arrival* arrivalAt(float left, float top) {
    for (const Arrival& a : kArrivals)
        if (a.holds(left, top)) return &a;
    return nullptr;
}

// The way from the ship towards a rectangle: -1, 0 or 1 on each axis, y downwards; (0, 0)
// once the ship is inside.
inline std::pair<int, int> headingTo(const game::Form2& map, const Arrival& a) {
    auto towards = [](float v, float from, float to) { return v < from ? 1 : v > to ? -1 : 0; };
    return {towards(map.Shape1.Left, a.leftFrom, a.leftTo),
            towards(map.Shape1.Top, a.topFrom, a.topTo)};
}

// The direction pad: each arrow, the movement timer it starts, and the way it moves the ship
// (-1, 0 or 1 on each axis, y downwards; five twips a tick on each axis named).
struct PadArrow {
    ormal::CommandButton& button;
    ormal::Timer& timer;
    int dx, dy;
};
inline std::array<PadArrow, 8> pad(game::Form2& m) {
    return {{{m.Command1, m.Timer1, 0, -1},
             {m.Command2, m.Timer2, -1, 0},
             {m.Command3, m.Timer3, 0, 1},
             {m.Command4, m.Timer4, 1, 0},
             {m.Command6, m.Timer5, 1, -1},
             {m.Command7, m.Timer6, 1, 1},
             {m.Command8, m.Timer7, -1, 1},
             {m.Command9, m.Timer8, -1, -1}}};
}
// The arrow for a heading other than (0, 0).
inline PadArrow arrow(game::Form2& m, int dx, int dy) {
    for (const PadArrow& a : pad(m))
        if (a.dx == dx && a.dy == dy) return a;
    throw std::invalid_argument("no arrow stands still");
}
// The eight movement timers, in the pad's order.
inline std::array<ormal::Timer*, 8> movementTimers(game::Form2& m) {
    std::array<ormal::Timer*, 8> timers;
    for (int i = 0; i < 8; ++i) timers[i] = &pad(m)[i].timer;
    return timers;
}

// The patrol timers of courses 0 to 7.
inline std::array<ormal::Timer*, 8> patrolTimers(game::Form2& m) {
    return {&m.Timer9,  &m.Timer10, &m.Timer11, &m.Timer12,
            &m.Timer13, &m.Timer14, &m.Timer15, &m.Timer16};
}

}  // namespace testing_support
