// monkey_test.cpp: a long seeded series of random player input over whole games (clicks,
// pointer moves, keys and time), with the game's invariants checked after every event. Set
// ORMAL_MONKEY_SEED to replay a run and ORMAL_MONKEY_EVENTS to change its length.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
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

std::int64_t gridAtOrAfter(std::int64_t t) {
    return (t + ormal::kGridMicros - 1) / ormal::kGridMicros * ormal::kGridMicros;
}

const ormal::Key kKeys[] = {ormal::Key::None,    ormal::Key::Keypad1, ormal::Key::Keypad2,
                            ormal::Key::Keypad3, ormal::Key::Keypad4, ormal::Key::Keypad5,
                            ormal::Key::Keypad6, ormal::Key::Keypad7, ormal::Key::Keypad8,
                            ormal::Key::Keypad9, ormal::Key::Enter};

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

// One game on a fresh application, and what the checks remember of it.
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
    int target = -1;                          // the planet the pilot steers to

    game::Form2& map() { return app.form<game::Form2>(); }
    game::Form6& trade() { return app.form<game::Form6>(); }
};

struct Tally {
    std::uint64_t games = 0, starved = 0, surrendered = 0, won = 0;
    std::uint64_t docks = 0, tradeVisits = 0, unitsTraded = 0, battles = 0, fragments = 0;
};

class Monkey {
  public:
    Monkey(std::uint64_t seed, ormal::TextMeasure& measure) : rng_(seed), measure_(measure) {
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
        ormal::Form* before = app.front();
        std::int64_t clockBefore = game_->host.clock.nowMicros();
        bool onTrade = app.exists<game::Form6>() && before == &game_->trade();
        double goldBefore = onTrade ? ormal::Num(game_->trade().Label7.Caption) : 0;
        std::string holdings = onTrade ? heldInTrade() : "";

        event_.clear();
        randomEvent();

        if (!game_->patrolsFrom && app.exists<game::Form2>())
            game_->patrolsFrom = gridAtOrAfter(clockBefore + 500'000);
        if (auto failure = check(onTrade, goldBefore)) return failure;

        ormal::Form* after = app.front();
        auto is = [&](ormal::Form* f, const char* name) { return f && f->Name == name; };
        if (is(before, "Form2") && is(after, "Form3")) ++tally_.docks;
        if (is(before, "Form3") && is(after, "Form6")) ++tally_.tradeVisits;
        if (onTrade && heldInTrade() != holdings) ++tally_.unitsTraded;
        if (!is(before, "Form8") && is(after, "Form8")) ++tally_.battles;
        if (app.ended()) {
            const auto& boxes = game_->host.boxes;
            std::string last = boxes.empty() ? "" : boxes.back().prompt;
            if (last == "У вас кончилась еда и вы проиграли!")
                ++tally_.starved;
            else if (last == "Победа!!!Мы нашли всю карту и теперь найдем планету!!!")
                ++tally_.won;
            else
                ++tally_.surrendered;
            newGame();
        }
        return std::nullopt;
    }

    const std::string& lastEvent() const { return event_; }
    const Tally& tally() const { return tally_; }

  private:
    void newGame() {
        repeats_ = 0;
        game_ = std::make_unique<Game>(measure_);
        ++tally_.games;
    }

    double uniform(double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(rng_); }
    int pick(int n) { return std::uniform_int_distribution<>(0, n - 1)(rng_); }
    bool chance(double p) { return uniform(0, 1) < p; }

    std::string heldInTrade() {
        game::Form6& t = game_->trade();
        return t.Label4.Caption + "/" + t.Label5.Caption + "/" + t.Label6.Caption;
    }

    static void controlsOf(const ormal::Container& c, std::vector<Control*>& out) {
        for (Control* child : c.children()) {
            out.push_back(child);
            if (child->kind() == ormal::Kind::PictureBox || child->kind() == ormal::Kind::Frame)
                controlsOf(static_cast<const ormal::Container&>(*child), out);
        }
    }
    std::vector<Control*> frontControls() {
        std::vector<Control*> out;
        if (ormal::Form* f = game_->app.front()) controlsOf(*f, out);
        return out;
    }
    std::string describe(const Control& c) { return c.form().Name + "." + c.Name; }

    // How likely a usable button is chosen: the ways out of the game and off a planet less
    // often, so that the games last and reach the trade centres and the fortresses; selling
    // more than buying and attacking seldom, so that gold piles up towards the fragments.
    static double weight(const CommandButton& b) {
        const std::string key = b.form().Name + "." + b.Name;
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
                game_->host.click(fragment);
                if (!fragment.Visible) repeats_ = 0;  // bought: enough selling
                return;
            }
            --repeats_;
            event_ = "click " + describe(*repeated_) + " again";
            game_->host.click(*repeated_);
            return;
        }
        repeats_ = 0;
        // buttons, any control, any point, pointer, time, keys, the pilot
        static const std::vector<double> kinds = {30, 6, 10, 12, 20, 5, 17};
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
                return advance();
            case 5:
                return key();
            default:
                return pilot();
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
        game_->host.click(*b);
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
        game_->host.click(*c);
    }
    void clickPoint() {
        double x = uniform(0, 15360), y = uniform(0, 11520);
        event_ = "click at " + std::to_string(x) + "," + std::to_string(y);
        game_->host.clickAt(x, y);
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
    void advance() {
        double ms = chance(0.03) ? uniform(10'000, 300'000) : uniform(1, 2000);
        event_ = "advance " + std::to_string(ms) + " ms";
        game_->host.advance(ms);
    }
    void key() {
        ormal::Key k = kKeys[pick(static_cast<int>(std::size(kKeys)))];
        event_ = "key " + std::to_string(static_cast<int>(k));
        game_->app.key(k);
    }

    // Steers the ship to a planet as a player would: the arrow towards it, time until the
    // heading must change, the stop inside the arrival rectangle, then the dock button.
    void pilot() {
        ormal::Application& app = game_->app;
        if (!app.exists<game::Form2>() || app.front() != &game_->map() || !game_->map().Enabled)
            return clickButton();
        game::Form2& m = game_->map();
        if (m.Command10.Enabled) {
            game_->target = -1;
            event_ = "pilot: dock";
            game_->host.click(m.Command10);
            return;
        }
        if (game_->target < 0)
            game_->target = pick(static_cast<int>(std::size(testing_support::kArrivals)));
        const testing_support::Arrival& p = testing_support::kArrivals[game_->target];
        auto heading = [&] { return testing_support::headingTo(m, p); };
        auto [dx, dy] = heading();
        if (dx == 0 && dy == 0) {
            event_ = "pilot: stop";
            game_->host.click(m.Command5);
            return;
        }
        testing_support::PadArrow a = testing_support::arrow(m, dx, dy);
        if (!a.timer.Enabled) {
            event_ = "pilot: " + describe(a.button);
            game_->host.click(a.button);
            return;
        }
        double limit = uniform(1, 2000);
        event_ = "pilot: fly up to " + std::to_string(limit) + " ms";
        auto h = heading();
        game_->host.advanceUntil([&] { return heading() != h; }, limit);
    }

    std::optional<std::string> check(bool onTrade, double goldBefore) {
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
            auto moving = testing_support::movementTimers(m);
            auto patrols = testing_support::patrolTimers(m);
            auto running = [](auto& timers) {
                return std::count_if(std::begin(timers), std::end(timers),
                                     [](ormal::Timer* t) { return bool(t->Enabled); });
            };
            if (running(moving) > 1) return std::string("more than one movement timer runs");
            bool patrolling = game_->host.clock.nowMicros() >= *game_->patrolsFrom;
            if (patrolling && running(patrols) != 1)
                return std::to_string(running(patrols)) + " patrol timers run";
            for (ormal::Image* f : {&m.Image13, &m.Image15, &m.Image16, &m.Image17}) {
                if (f->Visible) {
                    if (game_->collected.insert(f->Name).second) ++tally_.fragments;
                } else if (game_->collected.count(f->Name)) {
                    return "the collected fragment " + f->Name + " is hidden again";
                }
            }
        }

        if (onTrade) {
            double gold = ormal::Num(game_->trade().Label7.Caption);
            if (gold < std::min(0.0, goldBefore))
                return "trading took the gold from " + ormal::Str(goldBefore) + " to " +
                       ormal::Str(gold);
        }
        return std::nullopt;
    }

    std::mt19937 rng_;
    ormal::TextMeasure& measure_;
    std::map<std::string, std::string> placeholders_;
    std::unique_ptr<Game> game_;
    std::string event_;
    CommandButton* repeated_ = nullptr;  // clicked again for the next repeats_ events
    int repeats_ = 0;
    Tally tally_;
};

}  // namespace

TEST(Monkey, RandomPlayerInputKeepsTheGameWhole) {
    const std::uint64_t seed = fromEnv("ORMAL_MONKEY_SEED", 20240611);
    const std::uint64_t events = fromEnv("ORMAL_MONKEY_EVENTS", 100000);
    SCOPED_TRACE("replay with ORMAL_MONKEY_SEED=" + std::to_string(seed));
    ormal::Renderer renderer;
    Monkey monkey(seed, renderer);
    for (std::uint64_t i = 0; i < events; ++i) {
        if (auto failure = monkey.step()) {
            FAIL() << "event " << i << " (" << monkey.lastEvent() << "): " << *failure;
        }
    }
    const Tally& t = monkey.tally();
    std::printf(
        "monkey seed %llu: %llu events, %llu games (%llu starved, %llu surrendered, %llu won), "
        "%llu docks, %llu trade visits, %llu trades, %llu battles, %llu fragments\n",
        static_cast<unsigned long long>(seed), static_cast<unsigned long long>(events),
        static_cast<unsigned long long>(t.games), static_cast<unsigned long long>(t.starved),
        static_cast<unsigned long long>(t.surrendered), static_cast<unsigned long long>(t.won),
        static_cast<unsigned long long>(t.docks), static_cast<unsigned long long>(t.tradeVisits),
        static_cast<unsigned long long>(t.unitsTraded), static_cast<unsigned long long>(t.battles),
        static_cast<unsigned long long>(t.fragments));
    EXPECT_GT(t.docks, 0u);
    EXPECT_GT(t.unitsTraded, 0u);
    EXPECT_GT(t.battles, 0u);
}
