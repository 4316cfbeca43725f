// monkey_test.cpp: long seeded series of player input over whole games, with the game's
// invariants checked after every event. The player acts only as a player can: the pointer on
// what the screens show, the keys, and the clock. Random bursts (clicks anywhere, pointer
// moves and drags, keys, time) alternate with stretches in which a captain steers towards
// the seed's aim (victory, starvation or surrender) by clicking what the screens show. Each
// seed asserts what it must have seen, scaled to its length, and the reason of every end; now
// and then the picture drawn damage by damage is compared with a full repaint at a new size.
// ORMAL_MONKEY_SEED replays one seed, ORMAL_MONKEY_EVENTS sets the events per seed.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "battle/form7.h"
#include "battle/form8.h"
#include "dialogs/form4.h"
#include "dialogs/form5.h"
#include "fixture.h"
#include "game.h"
#include "headless.h"
#include "intro/form1.h"
#include "map/form2.h"
#include "planet/form3.h"
#include "render.h"
#include "star_map.h"
#include "trade/form6.h"

using ormal::CommandButton;
using ormal::Control;
using ormal::Label;

namespace {

std::uint64_t fromEnv(const char* name, std::uint64_t fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::strtoull(v, nullptr, 10) : fallback;
}

// The form in which the game writes its counters: plain digits, "-" for negatives.
bool wholeNumber(const std::string& s) {
    std::size_t i = s.size() > 1 && s[0] == '-' ? 1 : 0;
    if (i == s.size() || (s[i] == '0' && s.size() > i + 1) || s == "-0") return false;
    return std::all_of(s.begin() + static_cast<long>(i), s.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

double num(const Label& l) {
    return ormal::Val(l.Caption);
}

std::int64_t gridAtOrAfter(std::int64_t t) {
    return (t + ormal::kGridMicros - 1) / ormal::kGridMicros * ormal::kGridMicros;
}

const std::string kWarning = "У вас истек основной запас еды";
const std::string kDefeat = "У вас кончилась еда и вы проиграли!";
const std::string kVictory = "Победа!!!Мы нашли всю карту и теперь найдем планету!!!";
const std::string kFortressFragment = "В этой крепости вы обнаружили один из фрагментов карты";
const std::string kLittleGold = "У вас мало золота!";
const std::string kHintElsewhere = "Поищите фрагмент на другой планете";
const std::string kHintFour = "Соберите 4 фрагмента и найдете Планету Ормаль";

// Every message box of the game, as it must be shown.
struct BoxText {
    const std::string& prompt;
    std::string title;
    int style;
};
const BoxText kBoxes[] = {
    {kWarning, "Предупреждение", 24},  {kDefeat, game::kTitle, 0},
    {kVictory, game::kTitle, 0},       {kFortressFragment, game::kTitle, 0},
    {kLittleGold, "Мало золота!", 16}, {kHintElsewhere, game::kTitle, 0},
    {kHintFour, game::kTitle, 0},
};

// ---- What a run must see ----

// Every sight that the seeds together must reach: each screen in front, each message box,
// both battle outcomes, each fragment collected its own way, and each end.
const std::vector<std::string>& everySight() {
    static const std::vector<std::string> all = {
        "screen Form1",
        "screen Form2",
        "screen Form3",
        "screen Form4",
        "screen Form5",
        "screen Form6",
        "screen Form7",
        "screen Form8",
        "box " + kWarning,
        "box " + kDefeat,
        "box " + kVictory,
        "box " + kFortressFragment,
        "box " + kLittleGold,
        "box " + kHintElsewhere,
        "box " + kHintFour,
        "battle won",
        "battle lost",
        "fragment bought Image13",
        "fragment bought Image15",
        "fragment bought Image17",
        "fragment won Image16",
        "end starved",
        "end surrendered",
        "end won",
    };
    return all;
}

enum class Aim { Victory, Starvation, Surrender };

// A sight a seed must have seen once its run is 'by' events long, and then at least once in
// every 'every' events: so a short run asks only for what a short run reaches.
struct Requirement {
    std::string sight;
    std::uint64_t by, every;
    std::uint64_t times(std::uint64_t events) const {
        return events < by ? 0 : std::max<std::uint64_t>(1, events / every);
    }
};

// What the seeds of each aim reach, measured over twelve seeds each and asked for with half as
// much again in hand: by when, and how often at the least.
std::vector<Requirement> requirements(Aim aim) {
    switch (aim) {
        case Aim::Victory:
            return {
                {"screen Form1", 1, 13000},
                {"screen Form2", 800, 1500},
                {"screen Form3", 800, 500},
                {"screen Form6", 800, 800},
                {"screen Form7", 15000, 7500},
                {"screen Form8", 22500, 12000},
                {"battle won", 22500, 15000},
                {"battle lost", 30000, 11000},
                {"fragment won Image16", 22500, 15000},
                {"box " + kFortressFragment, 22500, 15000},
                {"fragment bought Image13", 7500, 14000},
                {"fragment bought Image15", 15000, 15000},
                {"fragment bought Image17", 22500, 15000},
                {"box " + kVictory, 22500, 15000},
                {"end won", 22500, 15000},
                {"box " + kHintElsewhere, 30000, 22500},
                {"box " + kHintFour, 22500, 15000},
                {"box " + kLittleGold, 22500, 1000},
            };
        case Aim::Starvation:
            return {
                {"screen Form1", 1, 10000},
                {"screen Form2", 800, 1200},
                {"screen Form3", 800, 2500},
                {"screen Form6", 800, 6000},
                {"screen Form7", 22500, 12000},
                {"screen Form5", 45000, 7500},
                {"screen Form4", 45000, 37500},
                {"screen Form8", 45000, 15000},
                {"battle lost", 45000, 18000},
                {"box " + kWarning, 3000, 6000},
                {"box " + kDefeat, 3000, 15000},
                {"end starved", 3000, 15000},
                {"box " + kHintElsewhere, 15000, 9000},
                {"box " + kHintFour, 15000, 9000},
                {"box " + kLittleGold, 22500, 1000},
            };
        default:
            return {
                {"screen Form1", 1, 7500},
                {"screen Form2", 800, 200},
                {"screen Form3", 800, 200},
                {"screen Form6", 800, 400},
                {"screen Form7", 1500, 1200},
                {"screen Form8", 2500, 1900},
                {"screen Form5", 4500, 1500},
                {"screen Form4", 7500, 4000},
                {"battle lost", 3000, 2500},
                {"end surrendered", 15000, 10000},
                {"box " + kWarning, 45000, 9000},
                {"box " + kDefeat, 45000, 22500},
                {"box " + kHintElsewhere, 7500, 2500},
                {"box " + kHintFour, 7500, 2500},
                {"box " + kLittleGold, 7500, 1900},
            };
    }
}

// ---- The counters ----

// The counter labels of every screen, by screen; each screen is looked at only once the game
// has created it.
struct CounterSet {
    std::function<bool(ormal::Application&)> exists;
    std::function<std::vector<Label*>(ormal::Application&)> labels;
};

template <class F>
CounterSet counters(std::function<std::vector<Label*>(F&)> labels) {
    return {[](ormal::Application& app) { return app.exists<F>(); },
            [labels](ormal::Application& app) { return labels(app.form<F>()); }};
}

const std::vector<CounterSet>& counterSets() {
    static const std::vector<CounterSet> sets = {
        counters<game::Form2>([](game::Form2& f) {
            return std::vector<Label*>{&f.Label5,  &f.Label6,  &f.Label7, &f.Label8,
                                       &f.Label10, &f.Label13, &f.Label17};
        }),
        counters<game::Form3>([](game::Form3& f) {
            return std::vector<Label*>{&f.Label3, &f.Label4, &f.Label5, &f.Label6, &f.Label7};
        }),
        counters<game::Form6>([](game::Form6& f) {
            return std::vector<Label*>{&f.Label3,  &f.Label4,  &f.Label5,  &f.Label6, &f.Label7,
                                       &f.Label10, &f.Label11, &f.Label12, &f.Label23};
        }),
        counters<game::Form7>([](game::Form7& f) {
            return std::vector<Label*>{&f.Label3,  &f.Label4,  &f.Label8,
                                       &f.Label10, &f.Label15, &f.Label16};
        }),
    };
    return sets;
}

// The map screen's counters that have bounds in play, with them: the food clock never eats
// into an empty store and trading stops at nothing left; the crew is hired up to 80 and fired
// down to nobody; the viability is a percentage; the reserve runs from 200 and ends the game
// before it could show nothing left.
struct Bounded {
    Label game::Form2::*label;
    const char* what;
    double low, high;
};
const Bounded kBounded[] = {
    {&game::Form2::Label6, "food", 0, std::numeric_limits<double>::infinity()},
    {&game::Form2::Label10, "crew", 0, 80},
    {&game::Form2::Label13, "viability", 0, 100},
    {&game::Form2::Label17, "food reserve", 1, 200},
};

// ---- One game ----

// What the captain did on the planet where the ship is docked.
struct Stay {
    bool traded = false;  // since docking or since the last battle
    int tradeVisits = 0, fortressVisits = 0;
};

// One game on a fresh application, and what the checks and the captain remember of it.
struct Game {
    explicit Game(ormal::TextMeasure& measure) {
        host.app.setMeasure(&measure);
        game::start(host.app);
    }
    ormal::Headless host;
    ormal::Application& app = host.app;
    std::optional<std::int64_t> patrolsFrom;  // the first course tick
    std::set<std::string> collected;          // fragments seen shown
    std::set<const Label*> written;           // counters seen holding a number
    bool arrowsStale = false;  // a fragment was bought while the trade arrows stood decided

    // The captain's notes.
    const testing_support::Arrival* target = nullptr;  // where the ship is flown
    Stay stay;
    int docks = 0;
    std::uint64_t planSteps = 0;
    std::uint64_t giveUpAfter = 0;  // aim Surrender: plan steps before giving up
    bool givingUp = false;
    std::map<const CommandButton*, double> refused;  // found disabled at this gold
    int docksBeforeFasting = 0;  // aim Starvation: then stays in space to the end
    bool fortressLast = false;   // aim Victory: the fragments for sale first

    game::Form2& map() { return app.form<game::Form2>(); }
    game::Form3& planet() { return app.form<game::Form3>(); }
    game::Form6& trade() { return app.form<game::Form6>(); }
    game::Form7& battle() { return app.form<game::Form7>(); }
    bool has(const char* fragment) {
        return app.exists<game::Form2>() && collected.count(fragment) != 0;
    }
};

struct Tally {
    std::uint64_t games = 0, docks = 0, tradeVisits = 0, unitsTraded = 0, draws = 0;
    std::map<std::string, std::uint64_t> seen;  // sights, as everySight() names them
};

// How an aim mixes random bursts with the captain's stretches.
struct Temper {
    int burst, stretch;  // longest random burst and longest stretch of plan, in events
    double longWaits;    // chance that a random wait lasts minutes
};
Temper temper(Aim aim) {
    switch (aim) {
        case Aim::Victory:
            return {20, 300, 0};
        case Aim::Starvation:
            return {150, 150, 0.03};
        default:
            return {300, 100, 0.03};
    }
}

class Monkey {
  public:
    static constexpr std::uint64_t kDrawEvery = 4096;   // events between two compared frames
    static constexpr std::uint64_t kDrawnStretch = 64;  // events drawn one by one before it

    Monkey(Aim aim, std::uint64_t seed, ormal::TextMeasure& measure)
        : aim_(aim), seed_(seed), rng_(seed), sizes_(seed + 1), measure_(measure) {
        // The captions each counter has before the game first writes it.
        ormal::Headless fresh;
        fresh.app.setMeasure(&measure);
        fresh.app.form<game::Form1>();
        fresh.app.form<game::Form2>();
        fresh.app.form<game::Form3>();
        fresh.app.form<game::Form6>();
        fresh.app.form<game::Form7>();
        for (const CounterSet& set : counterSets())
            for (Label* l : set.labels(fresh.app))
                placeholders_[l->form().Name + "." + l->Name] = l->Caption;
        newGame();
    }

    // Runs one event and checks the game after it; returns a failure, or nothing.
    std::optional<std::string> step() {
        ormal::Application& app = game_->app;
        Before before = remember();
        event_.clear();
        taken_ = nullptr;
        drawing_ = events_ % kDrawEvery >= kDrawEvery - kDrawnStretch;
        if (events_ % kDrawEvery == kDrawEvery - kDrawnStretch) newSize();

        if (burstLeft_ == 0 && stretchLeft_ == 0) {
            Temper t = temper(aim_);
            burstLeft_ = pick(t.burst + 1);
            stretchLeft_ = 1 + pick(t.stretch);
        }
        if (burstLeft_ > 0) {
            --burstLeft_;
            randomEvent();
        } else {
            --stretchLeft_;
            ++game_->planSteps;
            captain();
        }
        ++events_;

        if (!game_->patrolsFrom && app.exists<game::Form2>())
            game_->patrolsFrom = gridAtOrAfter(before.clock + 500'000);
        if (auto failure = check(before)) return failure;
        if (auto failure = notice(before)) return failure;
        if (drawing_) {
            if (events_ % kDrawEvery == 0) {
                ++tally_.draws;
                std::string name =
                    "monkey-" + std::to_string(seed_) + "-" + std::to_string(events_);
                std::string failure = frames_->compare(app, name);
                if (!failure.empty())
                    return "the damage-drawn picture is not a full repaint: " + failure;
            } else {
                frames_->draw(app);
            }
        }
        if (app.ended()) newGame();
        return std::nullopt;
    }

    const std::string& lastEvent() const { return event_; }
    const Tally& tally() const { return tally_; }

  private:
    struct Before {
        ormal::Form* front;
        std::int64_t clock;
        std::size_t boxes;
        bool allFour;
        bool onTrade;
        double gold;  // on the trade screen
        std::string holdings;
    };

    Before remember() {
        ormal::Application& app = game_->app;
        Before b{};
        b.front = app.front();
        b.clock = game_->host.clock.nowMicros();
        b.boxes = game_->host.boxes.size();
        b.allFour = game_->collected.size() == 4;
        b.onTrade = app.exists<game::Form6>() && b.front == &game_->trade();
        if (b.onTrade) {
            b.gold = num(game_->trade().Label7);
            b.holdings = heldInTrade();
        }
        return b;
    }

    void newGame() {
        repeats_ = 0;
        game_ = std::make_unique<Game>(measure_);
        if (aim_ == Aim::Surrender) game_->giveUpAfter = 20 + pick(3000);
        if (aim_ == Aim::Starvation) game_->docksBeforeFasting = pick(5);
        if (aim_ == Aim::Victory) game_->fortressLast = chance(0.5);
        // Boxes are drawn too, while they are open.
        game_->host.onBox = [this](const ormal::MessageBox&) {
            if (drawing_) frames_->draw(game_->app);
            // Answered with a key or a click now and then; the game reads no answer.
            using ormal::Key;
            static const Key kAnswers[] = {Key::Enter, Key::Space, Key::Escape, Key::Tab};
            if (chance(0.2)) game_->app.boxKey(kAnswers[pick(4)]);
            if (chance(0.1)) game_->app.boxClick(0);
        };
        incremental_.invalidate();  // a new program: nothing drawn so far stands for it
        ++tally_.games;
        ++tally_.seen["screen " + game_->app.front()->Name];
    }
    void newSize() {
        // Mostly sizes that scale the screens by odd fractions, now and then the design size;
        // sometimes the window keeps its size, so the first frame is drawn as damage too.
        auto pick = [this](int n) { return std::uniform_int_distribution<>(0, n - 1)(sizes_); };
        if (frames_ && pick(4) == 0) return;
        if (pick(10) == 0) {
            frames_ = std::make_unique<testing_support::FrameCheck>(
                incremental_, ormal::kDesignWidth, ormal::kDesignHeight);
        } else {
            frames_ = std::make_unique<testing_support::FrameCheck>(incremental_, 320 + pick(1700),
                                                                    240 + pick(1300));
        }
    }

    double uniform(double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(rng_); }
    int pick(int n) { return std::uniform_int_distribution<>(0, n - 1)(rng_); }
    bool chance(double p) { return uniform(0, 1) < p; }

    std::string heldInTrade() {
        game::Form6& t = game_->trade();
        return t.Label4.Caption + "/" + t.Label5.Caption + "/" + t.Label6.Caption;
    }
    static std::string describe(const Control& c) { return c.form().Name + "." + c.Name; }

    // ---- The hands: every input goes through these ----

    // A click at a desktop point; remembers the button that took it.
    void clickAt(double x, double y) {
        ormal::Application& app = game_->app;
        Control* target = app.hitTest(x, y);
        if (target && target->kind() == ormal::Kind::CommandButton &&
            ormal::Application::usable(*target) && target->form().Enabled)
            taken_ = static_cast<CommandButton*>(target);
        game_->host.clickAt(x, y);
    }
    void clickOn(const Control& c) {
        ormal::Rect r = game_->app.desktopRect(c);
        clickAt(r.x + r.w / 2, r.y + r.h / 2);
    }
    // A click on a button by the captain, if it can be clicked.
    bool press(CommandButton& b) {
        if (!ormal::Application::usable(b) || !b.form().Enabled) return false;
        event_ = "captain: click " + describe(b);
        clickOn(b);
        return true;
    }

    // ---- Random bursts ----

    std::vector<Control*> frontControls() {
        std::vector<Control*> out;
        std::function<void(const ormal::Container&)> add = [&](const ormal::Container& c) {
            for (Control* child : c.children()) {
                out.push_back(child);
                if (child->kind() == ormal::Kind::PictureBox || child->kind() == ormal::Kind::Frame)
                    add(static_cast<const ormal::Container&>(*child));
            }
        };
        if (ormal::Form* f = game_->app.front()) add(*f);
        return out;
    }

    // How likely a usable button is chosen: the ways out of the game and off a planet less
    // often, so that the games last and reach the trade centres and the fortresses; selling
    // more than buying and attacking seldom, so that gold piles up towards the fragments.
    static double weight(const CommandButton& b) {
        const std::string key = describe(b);
        if (key == "Form6.Command2" || key == "Form6.Command4" || key == "Form6.Command6") return 3;
        if (key == "Form6.Command14") return 3;
        if (key == "Form7.Command2") return 0.3;  // "Напасть ": a lost battle takes all gold
        if (key == "Form2.Command12") return 0.05;  // "Меню"
        if (key == "Form5.Command2") return 0.3;    // "Выход"
        if (key == "Form4.Command1") return 0.15;   // "ДА"
        if (key == "Form3.Command1") return 0.4;    // leaving the planet
        if (key == "Form6.Command9") return 0.3;    // "Вернёмся"
        return 1;
    }

    void randomEvent() {
        // A player who found a button that works clicks it again and again.
        if (repeats_ > 0 && game_->app.front() == &repeated_->form() &&
            ormal::Application::usable(*repeated_)) {
            // Between sales (only trade-screen buttons repeat), the fragment's "Купить" is
            // tried now and then, so that it is bought with the first gold that covers its
            // price and what is left may fall short of a price.
            CommandButton& fragment = game_->trade().Command14;
            if (ormal::Application::usable(fragment) && chance(0.25)) {
                event_ = "click Form6.Command14 between";
                clickOn(fragment);
                if (!fragment.Visible) repeats_ = 0;  // bought: enough selling
                return;
            }
            --repeats_;
            event_ = "click " + describe(*repeated_) + " again";
            clickOn(*repeated_);
            return;
        }
        repeats_ = 0;
        // buttons, any control, any point, pointer, drag, time, keys
        static const std::vector<double> kinds = {30, 6, 10, 12, 3, 20, 5};
        switch (std::discrete_distribution<>(kinds.begin(), kinds.end())(rng_)) {
            case 0:
                return clickButton();
            case 1:
                return clickControl();
            case 2:
                return clickPoint();
            case 3:
                return move();
            case 4:
                return drag();
            case 5:
                return wait();
            default:
                return key();
        }
    }

    void clickButton() {
        std::vector<CommandButton*> usable;
        std::vector<double> weights;
        for (Control* c : frontControls()) {
            if (c->kind() != ormal::Kind::CommandButton || !ormal::Application::usable(*c))
                continue;
            usable.push_back(static_cast<CommandButton*>(c));
            weights.push_back(weight(*usable.back()));
        }
        if (usable.empty()) return clickPoint();
        CommandButton* b =
            usable[std::discrete_distribution<>(weights.begin(), weights.end())(rng_)];
        event_ = "click " + describe(*b);
        clickOn(*b);
        // Trading and crew by the dozen, as a player does it: the six arrows, "Нанять" and
        // "Уволить".
        static const std::set<std::string> kRepeated = {"Command1", "Command2", "Command3",
                                                        "Command4", "Command5", "Command6",
                                                        "Command7", "Command8"};
        if (b->form().Name == "Form6" && kRepeated.count(b->Name) && chance(0.2)) {
            repeated_ = b;
            repeats_ = pick(300);
        }
    }
    void clickControl() {
        std::vector<Control*> all = frontControls();
        if (all.empty()) return clickPoint();
        Control* c = all[pick(static_cast<int>(all.size()))];
        event_ = "click at the centre of " + describe(*c);
        clickOn(*c);
    }
    void clickPoint() {
        double x = uniform(0, 15360), y = uniform(0, 11520);
        event_ = "click at " + std::to_string(x) + "," + std::to_string(y);
        clickAt(x, y);
    }
    void move() {
        std::vector<Control*> all = frontControls();
        if (!all.empty() && chance(0.5)) {
            Control* c = all[pick(static_cast<int>(all.size()))];
            event_ = "pointer over " + describe(*c);
            game_->host.move(*c);
            return;
        }
        double x = uniform(0, 15360), y = uniform(0, 11520);
        event_ = "pointer at " + std::to_string(x) + "," + std::to_string(y);
        game_->host.moveTo(x, y);
    }
    // Pressed on one point and released on another, nearby or far: a click only if the
    // button under the press is still under the release.
    void drag() {
        ormal::Application& app = game_->app;
        double x = uniform(0, 15360), y = uniform(0, 11520);
        std::vector<Control*> all = frontControls();
        if (!all.empty() && chance(0.7)) {
            ormal::Rect r = app.desktopRect(*all[pick(static_cast<int>(all.size()))]);
            x = r.x + r.w / 2, y = r.y + r.h / 2;
        }
        double tx = x + uniform(-600, 600), ty = y + uniform(-600, 600);
        event_ = "drag from " + std::to_string(x) + "," + std::to_string(y) + " to " +
                 std::to_string(tx) + "," + std::to_string(ty);
        app.pointerMove(x, y);
        app.pointerDown(x, y);
        app.pointerMove((x + tx) / 2, (y + ty) / 2);
        app.pointerMove(tx, ty);
        CommandButton* held = app.captured();
        Control* under = app.hitTest(tx, ty);
        if (held && under == held && ormal::Application::usable(*held) && held->form().Enabled)
            taken_ = held;
        app.pointerUp(tx, ty);
    }
    void wait() {
        double ms = chance(temper(aim_).longWaits) ? uniform(10'000, 300'000) : uniform(1, 2000);
        event_ = "advance " + std::to_string(ms) + " ms";
        game_->host.advance(ms);
    }
    // A key, Shift+Tab, or two arrows held together; remembers the button it clicked.
    void key() {
        using ormal::Key;
        static const Key kKeys[] = {
            Key::None,    Key::Keypad1, Key::Keypad2, Key::Keypad3, Key::Keypad4, Key::Keypad5,
            Key::Keypad6, Key::Keypad7, Key::Keypad8, Key::Keypad9, Key::Enter,   Key::Space,
            Key::Escape,  Key::Tab,     Key::Up,      Key::Down,    Key::Left,    Key::Right};
        ormal::Application& app = game_->app;
        if (chance(0.2)) {
            Key first = chance(0.5) ? Key::Up : Key::Down,
                second = chance(0.5) ? Key::Left : Key::Right;
            event_ = "keys " + std::to_string(static_cast<int>(first)) + "+" +
                     std::to_string(static_cast<int>(second));
            if (CommandButton* b = keyTaker(first, 0)) taken_ = b;
            app.keyDown(first);
            if (CommandButton* b = keyTaker(second, ormal::Shortcut::bit(first))) taken_ = b;
            app.keyDown(second);
            app.keyUp(first);
            app.keyUp(second);
            return;
        }
        Key k = kKeys[pick(static_cast<int>(std::size(kKeys)))];
        bool shift = k == Key::Tab && chance(0.3);
        event_ = std::string(shift ? "shift+" : "") + "key " + std::to_string(static_cast<int>(k));
        taken_ = keyTaker(k, 0);
        app.key(k, shift);
    }
    // The button a key would click, with others already held: the focused one for Enter and
    // Space once the focus shows, otherwise the one whose shortcut it completes.
    CommandButton* keyTaker(ormal::Key k, std::uint32_t held) {
        ormal::Application& app = game_->app;
        ormal::Form* front = app.front();
        if (app.ended() || app.openBox() || !front || !front->Enabled || k == ormal::Key::Tab)
            return nullptr;
        if (k == ormal::Key::Enter || k == ormal::Key::Space)
            if (const CommandButton* b = app.focused()) return const_cast<CommandButton*>(b);
        for (std::uint32_t want : {held | ormal::Shortcut::bit(k), ormal::Shortcut::bit(k)})
            for (CommandButton* b : app.focusOrder())
                for (const ormal::Shortcut& shortcut : b->Keys)
                    if (shortcut.keys() == want) return b;
        return nullptr;
    }

    // ---- The captain: towards the aim, one click (or one stretch of flight) at a time ----

    void captain() {
        ormal::Form* front = game_->app.front();
        std::string name = front ? front->Name : "";
        if (aim_ == Aim::Surrender && game_->planSteps >= game_->giveUpAfter)
            game_->givingUp = true;
        bool done = false;
        if (name == "Form1") {
            done = intro();
        } else if (name == "Form2") {
            done = space();
        } else if (name == "Form3") {
            done = onPlanet();
        } else if (name == "Form4") {
            auto& dialog = game_->app.form<game::Form4>();
            // Now and then a captain giving up thinks again once.
            done = press(game_->givingUp && chance(0.8) ? dialog.Command1 : dialog.Command2);
        } else if (name == "Form5") {
            auto& menu = game_->app.form<game::Form5>();
            done = press(game_->givingUp ? menu.Command2 : menu.Command1);
        } else if (name == "Form6") {
            done = aim_ == Aim::Victory ? tradeForVictory() : tradeAtRandom();
            if (!done) done = press(game_->trade().Command9);  // "Вернёмся"
        } else if (name == "Form7") {
            done = fortress();
        } else if (name == "Form8") {
            done = press(game_->app.form<game::Form8>().Command1);  // "Ok"
        }
        if (!done) randomEvent();
    }

    bool intro() {
        for (Control* c : frontControls())
            if (c->kind() == ormal::Kind::CommandButton && press(static_cast<CommandButton&>(*c)))
                return true;
        return false;
    }

    // On the star map: dock where the ship has arrived, otherwise fly on to the target.
    bool space() {
        game::Form2& m = game_->map();
        if (!m.Enabled) return false;
        if (ormal::Application::usable(m.Command10)) {
            game_->target = nullptr;
            return press(m.Command10);
        }
        if (game_->givingUp) return press(m.Command12);  // "Меню"
        if (aim_ == Aim::Starvation && game_->docks >= game_->docksBeforeFasting) {
            // Nobody aboard to starve and no gold to hire: a lost cause.
            if (num(m.Label10) <= 0 && num(m.Label8) < 10) game_->givingUp = true;
            return drift();
        }
        if (!game_->target) game_->target = destination();
        if (!game_->target) return false;
        auto [dx, dy] = testing_support::headingTo(m, *game_->target);
        if (dx == 0 && dy == 0) return press(m.Command5);  // stop, inside the rectangle
        testing_support::PadArrow a = testing_support::arrow(m, dx, dy);
        if (!a.timer.Enabled) return press(a.button);
        double limit = uniform(1, 3000);
        event_ =
            "captain: fly up to " + std::to_string(limit) + " ms towards " + game_->target->planet;
        auto h = std::pair{dx, dy};
        game_->host.advanceUntil([&] { return testing_support::headingTo(m, *game_->target) != h; },
                                 limit);
        return true;
    }
    // Away from every planet until the food is gone: any arrow, and time.
    bool drift() {
        game::Form2& m = game_->map();
        for (ormal::Timer* t : testing_support::movementTimers(m)) {
            if (!t->Enabled) continue;
            double ms = uniform(500, 5000);
            event_ = "captain: drift for " + std::to_string(ms) + " ms";
            game_->host.advance(ms);
            return true;
        }
        auto arrows = testing_support::pad(m);
        return press(arrows[pick(8)].button);
    }

    const testing_support::Arrival* destination() {
        using testing_support::arrival;
        if (aim_ != Aim::Victory)
            return &testing_support::kArrivals[pick(
                static_cast<int>(std::size(testing_support::kArrivals)))];
        game::Form2& m = game_->map();
        double gold = num(m.Label8);
        if (fightNow()) return &arrival("Пардонолия");
        if (const Offer* o = nextOffer(); o && gold >= o->dearest + capital())
            return &arrival(o->planet);
        // Not enough gold: goods, cannons and food sell dearest at "Пардонолия" and cost
        // least at "Филий".
        if (num(m.Label7) > 0 || num(m.Label5) > 0 || num(m.Label6) > foodKept(gold) + 50)
            return &arrival("Пардонолия");
        if (gold >= 50) return &arrival("Филий");
        game_->givingUp = true;  // nothing left to trade with
        return nullptr;
    }
    // Food for minutes of flight with 20 aboard, kept back from selling; less when it is all
    // there is to sell. Bought only below the lesser, so that no sale is bought back.
    static double foodKept(double gold) { return gold < 500 ? kFoodLow : 600; }
    static constexpr double kFoodLow = 300;

    // The fragments for sale, in the order the captain buys them.
    struct Offer {
        const char* planet;
        const char* image;
        double dearest;
    };
    const Offer* nextOffer() {
        static const Offer offers[] = {
            {"Филий", "Image13", 5999}, {"Миранда", "Image15", 6999}, {"Пасим", "Image17", 6999}};
        for (const Offer& o : offers)
            if (!game_->has(o.image)) return &o;
        return nullptr;
    }
    // Gold kept back after a purchase to trade on with, unless it was the last one.
    double capital() { return game_->collected.size() == 3 ? 0 : 1500; }
    // Whether the fortress of "Пардонолия" is next: first, or once the other three are in.
    bool fightNow() { return !game_->has("Image16") && (!game_->fortressLast || !nextOffer()); }

    bool onPlanet() {
        game::Form3& p = game_->planet();
        Stay& stay = game_->stay;
        if (game_->collected.size() == 4 || game_->givingUp) return press(p.Command1);  // leave
        if (aim_ != Aim::Victory) {
            if (!stay.traded && chance(0.8)) return press(p.Command2);
            if (stay.fortressVisits == 0 && chance(0.3) && press(p.Command3)) return true;
            return press(p.Command1);
        }
        const std::string& here = p.Label10.Caption;
        double gold = num(p.Label7);
        if (!stay.traded) return press(p.Command2);
        if (here == "Пардонолия" && fightNow() && num(p.Label3) >= 70 && stay.fortressVisits < 40)
            return press(p.Command3);
        // More cargo for the gold, with a fresh stock at every entry.
        const Offer* o = nextOffer();
        if (here == "Филий" && o && gold < o->dearest + capital() && gold >= 100 &&
            stay.tradeVisits < 12)
            return press(p.Command2);
        return press(p.Command1);
    }

    // A button of a trade section, opening the section first if its buttons are hidden. A
    // button found disabled is not asked for again until the gold changes.
    bool use(CommandButton& b, CommandButton& section) {
        if (press(b)) return true;
        double gold = num(game_->trade().Label7);
        if (b.Visible) {
            game_->refused[&b] = gold;
            return false;
        }
        auto refused = game_->refused.find(&b);
        if (refused != game_->refused.end() && refused->second == gold) return false;
        return press(section);
    }

    bool tradeForVictory() {
        game::Form6& t = game_->trade();
        const std::string& here = game_->planet().Label10.Caption;
        double gold = num(t.Label7), crew = num(t.Label3), food = num(t.Label5);
        bool fighting = here == "Пардонолия" && fightNow();
        // Selling, dearest first: goods, cannons, then food down to what is kept.
        auto sellOne = [&](double keep) {
            return (num(t.Label6) > 0 && use(t.Command6, t.Command11)) ||
                   (num(t.Label4) > 0 && use(t.Command2, t.Command11)) ||
                   (food > keep && use(t.Command4, t.Command11));
        };
        if (ormal::Application::usable(t.Command14) && gold >= num(t.Label26) + capital())
            return press(t.Command14);  // "Купить"
        double crewWanted = fighting ? 80 : 20;
        if (crew > crewWanted && use(t.Command8, t.Command10)) return true;
        if (crew < crewWanted) {
            if (use(t.Command7, t.Command10)) return true;
            if (fighting && sellOne(kFoodLow)) return true;  // just enough gold for the sailors
        }
        if (here == "Пардонолия" && !fighting && sellOne(foodKept(gold))) return true;
        if (food < kFoodLow && use(t.Command3, t.Command11)) return true;
        const Offer* o = nextOffer();
        if ((here == "Филий" || here == "Шекарама") && !fightNow() && o &&
            gold < o->dearest + capital()) {
            if (use(t.Command1, t.Command11) || use(t.Command3, t.Command11) ||
                use(t.Command5, t.Command11))
                return true;
        }
        if (num(t.Label23) < 100 && use(t.Command12, t.Command13)) return true;
        return false;
    }

    // A few clicks of anything the trade screen offers; on the way to starve, the food
    // goes first.
    bool tradeAtRandom() {
        game::Form6& t = game_->trade();
        if (game_->givingUp) return false;
        // Sailors who eat, and nothing for them to eat.
        if (aim_ == Aim::Starvation) {
            if (num(t.Label5) > 0 && use(t.Command4, t.Command11)) return true;
            if (num(t.Label3) < 20 && use(t.Command7, t.Command10)) return true;
        }
        if (chance(0.05)) return false;
        CommandButton* all[] = {&t.Command1,  &t.Command2,  &t.Command3, &t.Command4,
                                &t.Command5,  &t.Command6,  &t.Command7, &t.Command8,
                                &t.Command12, &t.Command14, &t.Command15};
        CommandButton* sections[] = {&t.Command11, &t.Command11, &t.Command11, &t.Command11,
                                     &t.Command11, &t.Command11, &t.Command10, &t.Command10,
                                     &t.Command13, nullptr,      nullptr};
        int i = pick(static_cast<int>(std::size(all)));
        if (press(*all[i])) return true;
        return sections[i] && !all[i]->Visible && press(*sections[i]);
    }

    bool fortress() {
        game::Form7& f = game_->battle();
        if (press(f.Command1) || press(f.Command4)) return true;  // roll, massacre
        if (!ormal::Application::usable(f.Command2)) return false;
        bool attack;
        if (aim_ == Aim::Victory) {
            // Only at the fortress of the fragment, with a full crew, against its weaker
            // garrisons: each entry draws a new one.
            attack = game_->planet().Label10.Caption == "Пардонолия" && fightNow() &&
                     num(f.Label3) >= 70 && num(f.Label8) <= 84;
        } else {
            // On the way to starve, a crew lost in battle would eat nothing.
            attack = aim_ == Aim::Surrender && !game_->givingUp && chance(0.5);
        }
        return press(attack ? f.Command2 : f.Command3);
    }

    // ---- The checks ----

    std::optional<std::string> check(const Before& before) {
        ormal::Application& app = game_->app;
        if (!game_->host.errors.empty()) return "a handler failed: " + game_->host.errors.front();

        for (const CounterSet& set : counterSets()) {
            if (!set.exists(app)) continue;
            for (Label* l : set.labels(app)) {
                std::string name = l->form().Name + "." + l->Name;
                if (wholeNumber(l->Caption)) {
                    game_->written.insert(l);
                } else if (game_->written.count(l) || l->Caption != placeholders_[name]) {
                    return name + " holds \"" + l->Caption + "\"";
                }
            }
        }

        if (app.exists<game::Form2>()) {
            game::Form2& m = game_->map();
            for (const Bounded& b : kBounded) {
                double v = num(m.*b.label);
                if (v < b.low || v > b.high)
                    return std::string("the ") + b.what + " counter shows " + (m.*b.label).Caption;
            }
            auto running = [](const auto& timers) {
                return std::count_if(timers.begin(), timers.end(),
                                     [](ormal::Timer* t) { return bool(t->Enabled); });
            };
            if (running(testing_support::movementTimers(m)) > 1)
                return std::string("more than one movement timer runs");
            bool patrolling = game_->host.clock.nowMicros() >= *game_->patrolsFrom;
            auto patrols = testing_support::patrolTimers(m);
            if (patrolling && running(patrols) != 1)
                return std::to_string(running(patrols)) + " patrol timers run";
            for (ormal::Image* f : {&m.Image13, &m.Image15, &m.Image16, &m.Image17}) {
                if (f->Visible) {
                    if (game_->collected.insert(f->Name).second) {
                        // Bought in a trade centre, or won in the fortress of "Пардонолия".
                        bool bought = taken_ && describe(*taken_) == "Form6.Command14";
                        bool won = taken_ && describe(*taken_) == "Form7.Command4";
                        if (f->Name == "Image16" ? !won : !bought)
                            return "the fragment " + f->Name + " appeared after " + event_;
                        ++tally_.seen[std::string(won ? "fragment won " : "fragment bought ") +
                                      f->Name];
                    }
                } else if (game_->collected.count(f->Name)) {
                    return "the collected fragment " + f->Name + " is hidden again";
                }
            }
        }

        if (app.exists<game::Form6>()) {
            game::Form6& t = game_->trade();
            for (Label* stock : {&t.Label10, &t.Label11, &t.Label12})
                if (game_->written.count(stock) && num(*stock) < 0)
                    return "the trade centre's stock " + stock->Name + " shows " + stock->Caption;
        }
        if (before.onTrade) {
            // Gold falls below nothing only by a purchase on arrows that a fragment purchase
            // left undecided.
            std::string key = taken_ ? describe(*taken_) : "";
            bool buying =
                key == "Form6.Command1" || key == "Form6.Command3" || key == "Form6.Command5";
            double gold = num(game_->trade().Label7);
            if (gold < std::min(0.0, before.gold) && !(buying && game_->arrowsStale))
                return "trading took the gold from " + ormal::Str(before.gold) + " to " +
                       ormal::Str(gold);
            if (key == "Form6.Command14" && game_->trade().Command1.Visible)
                game_->arrowsStale = true;
            else if (buying || key == "Form6.Command2" || key == "Form6.Command4" ||
                     key == "Form6.Command6" || key == "Form6.Command11")
                game_->arrowsStale = false;
        }
        return end(before);
    }

    // Every end for its own reason: starvation by the food clock's reserve tick, surrender
    // by "ДА", victory by leaving a planet with all four fragments.
    std::optional<std::string> end(const Before& before) {
        ormal::Application& app = game_->app;
        const auto& boxes = game_->host.boxes;
        std::string last = boxes.size() > before.boxes ? boxes.back().prompt : "";
        std::string key = taken_ ? describe(*taken_) : "";
        bool yes = key == "Form4.Command1";
        if (!app.ended()) {
            if (last == kDefeat || last == kVictory || yes)
                return "the game goes on after \"" + (yes ? std::string("ДА") : last) + "\"";
            return std::nullopt;
        }
        if (last == kDefeat) {
            game::Form2& m = game_->map();
            if (game_->host.clock.nowMicros() == before.clock)
                return "the crew starved in no time, at " + event_;
            if (!m.Timer19.Enabled || !m.Label17.Visible || num(m.Label17) - num(m.Label10) > 0)
                return "the defeat came with the reserve at " + m.Label17.Caption + " for " +
                       m.Label10.Caption + " sailors";
            ++tally_.seen["end starved"];
        } else if (last == kVictory) {
            if (key != "Form3.Command1" || !before.allFour || app.front() != &game_->map())
                return "victory at " + event_ + " with " + std::to_string(game_->collected.size()) +
                       " fragments";
            ++tally_.seen["end won"];
        } else if (yes && boxes.size() == before.boxes) {
            ++tally_.seen["end surrendered"];
        } else {
            return "the game ended at " + event_ + " for no reason of its own (last box \"" + last +
                   "\")";
        }
        return std::nullopt;
    }

    // Records what this event showed.
    std::optional<std::string> notice(const Before& before) {
        ormal::Application& app = game_->app;
        const auto& boxes = game_->host.boxes;
        for (std::size_t i = before.boxes; i < boxes.size(); ++i) {
            const ormal::MessageBox& box = boxes[i];
            auto known = std::find_if(std::begin(kBoxes), std::end(kBoxes),
                                      [&](const BoxText& b) { return b.prompt == box.prompt; });
            if (known == std::end(kBoxes) || known->title != box.title || known->style != box.style)
                return "a message box \"" + box.prompt + "\" titled \"" + box.title + "\", style " +
                       std::to_string(box.style);
            ++tally_.seen["box " + box.prompt];
        }
        ormal::Form* after = app.front();
        if (after && after != before.front) {
            ++tally_.seen["screen " + after->Name];
            auto is = [](ormal::Form* f, const char* name) { return f && f->Name == name; };
            if (is(before.front, "Form2") && is(after, "Form3")) {
                ++tally_.docks;
                ++game_->docks;
                game_->stay = Stay{};
            }
            if (is(before.front, "Form3") && is(after, "Form6")) {
                ++tally_.tradeVisits;
                ++game_->stay.tradeVisits;
                game_->refused.clear();
            }
            if (is(before.front, "Form6") && is(after, "Form3")) game_->stay.traded = true;
            if (is(before.front, "Form3") && is(after, "Form7")) ++game_->stay.fortressVisits;
            if (is(after, "Form8")) {
                const std::string& title = app.form<game::Form8>().Label1.Caption;
                if (title != "Победа!!!" && title != "Поражение!!!")
                    return "the battle ended as \"" + title + "\"";
                ++tally_.seen[title == "Победа!!!" ? "battle won" : "battle lost"];
                game_->stay.traded = false;  // back to the trade centre after a battle
            }
        }
        if (before.onTrade && heldInTrade() != before.holdings) ++tally_.unitsTraded;
        return std::nullopt;
    }

    Aim aim_;
    std::uint64_t seed_;
    std::mt19937 rng_;
    std::mt19937 sizes_;  // apart, so that how often the picture is checked changes no game
    ormal::TextMeasure& measure_;
    std::map<std::string, std::string> placeholders_;
    std::unique_ptr<Game> game_;
    std::string event_;
    CommandButton* taken_ = nullptr;     // the button that took this event's click or key
    CommandButton* repeated_ = nullptr;  // clicked again for the next repeats_ events
    int repeats_ = 0;
    int burstLeft_ = 0, stretchLeft_ = 0;
    std::uint64_t events_ = 0;
    // The picture, drawn as the window draws it at a size that changes now and then.
    ormal::Renderer incremental_;
    std::unique_ptr<testing_support::FrameCheck> frames_;
    bool drawing_ = false;
    Tally tally_;
};

struct Seed {
    Aim aim;
    std::uint64_t seed;
};

std::string aimName(Aim aim) {
    switch (aim) {
        case Aim::Victory:
            return "Victory";
        case Aim::Starvation:
            return "Starvation";
        default:
            return "Surrender";
    }
}

void PrintTo(const Seed& s, std::ostream* os) {
    *os << aimName(s.aim) << " seed " << s.seed;
}

class MonkeyRun : public ::testing::TestWithParam<Seed> {};

}  // namespace

TEST(Monkey, TheAimsTogetherAskForEverySight) {
    std::set<std::string> asked;
    for (Aim aim : {Aim::Victory, Aim::Starvation, Aim::Surrender})
        for (const Requirement& r : requirements(aim)) {
            asked.insert(r.sight);
            EXPECT_EQ(std::count(everySight().begin(), everySight().end(), r.sight), 1) << r.sight;
        }
    for (const std::string& sight : everySight()) EXPECT_TRUE(asked.count(sight)) << sight;
}

// Six seeds of 200,000 events each, every seed a test of its own so that they run side by
// side: together more than a million events in every build.
TEST_P(MonkeyRun, PlaysWholeGames) {
    const Aim aim = GetParam().aim;
    const std::uint64_t seed = fromEnv("ORMAL_MONKEY_SEED", GetParam().seed);
    const std::uint64_t events = fromEnv("ORMAL_MONKEY_EVENTS", 200000);
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    SCOPED_TRACE("replay with ORMAL_MONKEY_SEED=" + std::to_string(seed) +
                 " --gtest_filter=" + test->test_suite_name() + "." + test->name());
    ormal::Renderer measure;
    Monkey monkey(aim, seed, measure);
    for (std::uint64_t i = 0; i < events; ++i) {
        if (auto failure = monkey.step()) {
            FAIL() << "event " << i << " (" << monkey.lastEvent() << "): " << *failure;
        }
    }
    const Tally& t = monkey.tally();
    auto seen = [&](const std::string& s) {
        auto it = t.seen.find(s);
        return it == t.seen.end() ? std::uint64_t{0} : it->second;
    };
    auto u = [](std::uint64_t v) { return static_cast<unsigned long long>(v); };
    std::printf(
        "monkey %s seed %llu: %llu events, %llu games, %llu docks, %llu trade visits, %llu "
        "trades, %llu pictures compared; seen:\n",
        aimName(aim).c_str(), u(seed), u(events), u(t.games), u(t.docks), u(t.tradeVisits),
        u(t.unitsTraded), u(t.draws));
    for (const auto& [sight, n] : t.seen) std::printf("  %8llu %s\n", u(n), sight.c_str());
    for (const Requirement& r : requirements(aim))
        EXPECT_GE(seen(r.sight), r.times(events)) << r.sight << " in " << events << " events";
    EXPECT_GE(t.draws, events / Monkey::kDrawEvery);
}

INSTANTIATE_TEST_SUITE_P(Seeds, MonkeyRun,
                         ::testing::Values(Seed{Aim::Victory, 1}, Seed{Aim::Victory, 2},
                                           Seed{Aim::Starvation, 3}, Seed{Aim::Starvation, 4},
                                           Seed{Aim::Surrender, 5}, Seed{Aim::Surrender, 6}),
                         [](const ::testing::TestParamInfo<Seed>& info) {
                             return aimName(info.param.aim) + "_" + std::to_string(info.param.seed);
                         });
