// games_test.cpp: whole games from the intro to their end, played only through the controls a
// player can see and use, in virtual time: a victory, a death by starvation and a surrender.
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "battle/form7.h"
#include "battle/form8.h"
#include "dialogs/form4.h"
#include "dialogs/form5.h"
#include "english.h"
#include "fixture.h"
#include "intro/form1.h"
#include "map/form2.h"
#include "planet/form3.h"
#include "star_map.h"
#include "trade/form6.h"

using ormal::CommandButton;
using ormal::Label;
using ormal::Num;
using ormal::Str;
using testing_support::Arrival;
using testing_support::arrival;
using testing_support::GameFixture;

namespace {

const char* kWarning = "У вас истек основной запас еды";
const char* kDefeat = "У вас кончилась еда и вы проиграли!";
const char* kVictory = "Победа!!!Мы нашли всю карту и теперь найдем планету!!!";
const char* kFortressFragment = "В этой крепости вы обнаружили один из фрагментов карты";

constexpr std::int64_t kMainTickMicros = 4'000'000;

// A step the game did not take (a click refused, a screen not in front): the script cannot
// go on from there, so it stops the test.
void require(bool ok, const std::string& what) {
    if (!ok) throw std::runtime_error(what);
}

enum Row { Cannons, Food, Goods };

struct Games : GameFixture {
    // The screens, reached only once the game has created them.
    game::Form1& intro() { return form<game::Form1>(); }
    game::Form2& map() { return form<game::Form2>(); }
    game::Form3& planet() { return form<game::Form3>(); }
    game::Form4& surrender() { return form<game::Form4>(); }
    game::Form5& menu() { return form<game::Form5>(); }
    game::Form6& trade() { return form<game::Form6>(); }
    game::Form7& battle() { return form<game::Form7>(); }
    game::Form8& outcome() { return form<game::Form8>(); }

    // The stretch of space flight since the ship last left a planet (or since the start).
    std::int64_t spaceSince = 0;
    double spaceFood = 0;

    std::vector<std::string> prompts() const {
        std::vector<std::string> p;
        for (const auto& b : host.boxes) p.push_back(b.prompt);
        return p;
    }
    static double num(const Label& l) { return Num(l.Caption); }

    // Played by keys only: Tab to a button and Enter or Space on it, the arrow keys to steer.
    bool byKeys = false;
    int keyPresses = 0;
    std::function<void()> afterPress;  // e.g. drawing the screens after every step

    void press(CommandButton& b) {
        if (!byKeys) {
            require(host.click(b), b.form().Name + "." + b.Name + " took no click");
            if (afterPress) afterPress();
            return;
        }
        for (int tabs = 0; app.focused() != &b; ++tabs) {
            require(tabs < 40, "Tab never reaches " + b.form().Name + "." + b.Name);
            app.key(ormal::Key::Tab);
        }
        require(app.key(++keyPresses % 2 ? ormal::Key::Enter : ormal::Key::Space),
                b.form().Name + "." + b.Name + " took no key");
        if (afterPress) afterPress();
    }
    // Sets the ship's heading as the pad's arrow would: by the arrow keys, two held together
    // for a diagonal.
    void steer(int dx, int dy) {
        CommandButton& pad = testing_support::arrow(map(), dx, dy).button;
        if (!byKeys) return press(pad);
        std::vector<ormal::Key> keys;
        if (dy) keys.push_back(dy < 0 ? ormal::Key::Up : ormal::Key::Down);
        if (dx) keys.push_back(dx < 0 ? ormal::Key::Left : ormal::Key::Right);
        for (ormal::Key k : keys) app.keyDown(k);
        for (ormal::Key k : keys) app.keyUp(k);
    }
    // The random draws a click is to take; the sequence goes on by itself afterwards.
    void pressWithDraws(CommandButton& b, std::vector<double> draws) {
        app.random().script(std::move(draws));
        try {
            press(b);
        } catch (...) {
            app.random().unscript();
            throw;
        }
        app.random().unscript();
    }

    // The nine story pages, then "Начать ".
    void startGame() {
        game::start(app);
        for (CommandButton* page : {&intro().Command1, &intro().Command2, &intro().Command3,
                                    &intro().Command4, &intro().Command5, &intro().Command6,
                                    &intro().Command7, &intro().Command8, &intro().Command9})
            press(*page);
        EXPECT_EQ(intro().Command10.Caption, "Начать ");
        press(intro().Command10);
        require(app.front() == &map(), "the map screen is not in front");
        spaceSince = host.clock.nowMicros();
        spaceFood = num(map().Label6);
    }

    void expectMap(const char* cannons, const char* food, const char* goods, const char* gold,
                   const char* crew) {
        EXPECT_EQ(map().Label5.Caption, cannons);
        EXPECT_EQ(map().Label6.Caption, food);
        EXPECT_EQ(map().Label7.Caption, goods);
        EXPECT_EQ(map().Label8.Caption, gold);
        EXPECT_EQ(map().Label10.Caption, crew);
    }
    // The collected fragments as the map panel shows them: top left, top right, bottom left,
    // bottom right.
    std::vector<bool> fragments() {
        return {map().Image13.Visible, map().Image15.Visible, map().Image16.Visible,
                map().Image17.Visible};
    }

    // Steers into the planet's arrival rectangle (diagonally until one axis is in range, then
    // straight on), stops, and checks that the dock button lit up for that planet.
    void flyTo(const char* name) {
        SCOPED_TRACE(std::string("flying to ") + name);
        require(!app.ended(), std::string("the game ended before the flight to ") + name);
        const Arrival& p = arrival(name);
        auto heading = [&] { return testing_support::headingTo(map(), p); };
        for (auto h = heading(); h != std::pair{0, 0}; h = heading()) {
            steer(h.first, h.second);
            require(host.advanceUntil([&] { return heading() != h; }, 60000), "flight cut short");
        }
        press(map().Command5);
        for (ormal::Timer* t : testing_support::movementTimers(map()))
            EXPECT_FALSE(t->Enabled) << t->Name;
        EXPECT_TRUE(map().Command10.Enabled) << "the dock button is not lit at " << p.planet;
        EXPECT_FALSE(map().Command1.Enabled);  // the pad is locked until the ship leaves
        EXPECT_EQ(planet().Label10.Caption, p.planet);
    }

    // Docking; in the main phase of the food clock the stretch of flight has eaten one
    // ration per crew member for every whole 4 s.
    void dock() {
        if (map().Timer18.Enabled) {
            std::int64_t ticks = (host.clock.nowMicros() - spaceSince) / kMainTickMicros;
            EXPECT_EQ(map().Label6.Caption, Str(spaceFood - ticks * num(map().Label10)))
                << "food after " << ticks << " main ticks of flight";
        }
        press(map().Command10);
        require(app.front() == &planet(), "docking shows no planet");
        EXPECT_EQ(planet().Label7.Caption, map().Label8.Caption);
        EXPECT_EQ(planet().Label5.Caption, map().Label6.Caption);
    }
    // Time spent on the planet costs no food.
    void stayDocked(double ms) {
        std::string food = map().Label6.Caption;
        host.advance(ms);
        EXPECT_EQ(map().Label6.Caption, food);
        EXPECT_FALSE(map().Timer18.Enabled);
        EXPECT_FALSE(map().Timer19.Enabled);
        EXPECT_FALSE(map().Label17.Visible);
    }
    void leave() {
        press(planet().Command1);
        spaceSince = host.clock.nowMicros();
        spaceFood = num(map().Label6);
        if (!app.ended()) {
            EXPECT_EQ(app.front(), &map());
        }
    }

    void enterTrade() {
        press(planet().Command2);
        require(app.front() == &trade(), "no trade centre");
        EXPECT_EQ(trade().Label7.Caption, planet().Label7.Caption);
    }
    void backToPlanet() {
        press(trade().Command9);
        require(app.front() == &planet(), "no way back from the trade centre");
    }

    struct Trading {
        CommandButton& buyArrow;
        CommandButton& sellArrow;
        Label& amount;
        Label& price;
        Label& stock;
    };
    Trading row(Row r) {
        game::Form6& t = trade();
        switch (r) {
            case Cannons:
                return {t.Command1, t.Command2, t.Label4, t.Label1, t.Label10};
            case Food:
                return {t.Command3, t.Command4, t.Label5, t.Label8, t.Label11};
            default:
                return {t.Command5, t.Command6, t.Label6, t.Label9, t.Label12};
        }
    }
    // n units, one click each, with "Покупка/Продажа" first if its arrows are not shown.
    void deal(Row r, int n, bool buying) {
        if (!trade().Command1.Visible) press(trade().Command11);
        Trading t = row(r);
        double gold = num(trade().Label7), amount = num(t.amount), stock = num(t.stock);
        double price = num(t.price);
        for (int i = 0; i < n; ++i) press(buying ? t.buyArrow : t.sellArrow);
        int sign = buying ? 1 : -1;
        EXPECT_EQ(trade().Label7.Caption, Str(gold - sign * n * price));
        EXPECT_EQ(t.amount.Caption, Str(amount + sign * n));
        EXPECT_EQ(t.stock.Caption, Str(stock - sign * n));
    }
    void buy(Row r, int n) { deal(r, n, true); }
    void sell(Row r, int n) { deal(r, n, false); }

    // Sailors, one click each, with "Наём/Увольнение" first if its buttons are not shown.
    void crew(int n, bool hiring) {
        if (!trade().Command7.Visible) press(trade().Command10);
        double gold = num(trade().Label7), crew = num(trade().Label3);
        double price = num(trade().Label17);
        for (int i = 0; i < n; ++i) press(hiring ? trade().Command7 : trade().Command8);
        int sign = hiring ? 1 : -1;
        EXPECT_EQ(trade().Label7.Caption, Str(gold - sign * n * price));
        EXPECT_EQ(trade().Label3.Caption, Str(crew + sign * n));
    }
    void repair() {
        press(trade().Command13);
        double gold = num(trade().Label7);
        press(trade().Command12);
        EXPECT_EQ(trade().Label7.Caption, Str(gold - num(trade().Label22)));
        EXPECT_EQ(trade().Label23.Caption, "100");
    }
    // The planet's piece of the map at the price the entry drew; returns the price.
    double buyFragment(double lowest) {
        EXPECT_TRUE(trade().Label26.Visible);
        double price = num(trade().Label26), gold = num(trade().Label7);
        EXPECT_GE(price, lowest);
        EXPECT_LE(price, lowest + 999);
        press(trade().Command14);
        EXPECT_EQ(trade().Label7.Caption, Str(gold - price));
        EXPECT_FALSE(trade().Command14.Visible);
        return price;
    }

    void victory();

    // One battle at the docked planet's fortress against its smallest garrison, every turn
    // won six pips to one; returns the ransom, which the planet's gold copy has gained.
    double fight(double ransomDraw = 0.999) {
        double gold = num(planet().Label7);
        pressWithDraws(planet().Command3, {0});
        EXPECT_EQ(app.front(), &battle());
        press(battle().Command2);  // "Напасть "
        for (int turn = 0; battle().Enabled; ++turn) {
            require(turn < 10, "the battle does not end");
            pressWithDraws(battle().Command1, {0.999, 0});  // "Бросить кубик"
            pressWithDraws(battle().Command4, {ransomDraw});  // "Резня": the draw is the ransom's
        }
        EXPECT_EQ(app.front(), &outcome());
        EXPECT_EQ(outcome().Label1.Caption, "Победа!!!");
        press(outcome().Command1);  // "Ok"
        EXPECT_EQ(app.front(), &planet());
        double ransom = num(planet().Label7) - gold;
        EXPECT_TRUE(outcome().Label2.Caption.ends_with("размере" + Str(ransom) + "золотых"))
            << outcome().Label2.Caption;
        return ransom;
    }
};

}  // namespace

void Games::victory() {
    startGame();
    expectMap("14", "1000", "60", "20", "20");

    // "Пардонолия" pays well for goods and food and hires cheap: the money for the fragments,
    // and a crew that can take its fortress.
    flyTo("Пардонолия");
    dock();
    expectMap("14", "960", "60", "20", "20");  // 10.5 s of flight: two rations
    enterTrade();
    sell(Goods, 60);
    EXPECT_FALSE(trade().Command6.Enabled);  // nothing left to sell
    sell(Food, 700);
    EXPECT_EQ(trade().Label7.Caption, "8060");
    crew(50, true);
    repair();
    EXPECT_EQ(trade().Label7.Caption, "7905");
    backToPlanet();
    EXPECT_EQ(map().Label13.Caption, "100");

    EXPECT_EQ(fight(0), 200);  // the lowest ransom, and the fortress's piece of the map
    EXPECT_EQ(prompts(), std::vector<std::string>{kFortressFragment});
    EXPECT_EQ(fragments(), (std::vector<bool>{false, false, true, false}));
    for (int i = 0; i < 45; ++i) ASSERT_EQ(fight(), 279) << "battle " << i + 2;
    EXPECT_EQ(planet().Label7.Caption, "20660");
    EXPECT_EQ(planet().Label3.Caption, "70");  // won battles cost no crew
    enterTrade();
    crew(50, false);  // a crew of 20 again, so it eats less
    backToPlanet();
    leave();
    expectMap("14", "260", "0", "20810", "20");
    EXPECT_EQ(prompts().size(), 1u);  // no victory yet

    flyTo("Филий");
    dock();
    expectMap("14", "240", "0", "20810", "20");
    enterTrade();
    double paid = buyFragment(5000);
    EXPECT_EQ(fragments(), (std::vector<bool>{true, false, true, false}));
    buy(Food, 200);
    EXPECT_EQ(trade().Label7.Caption, Str(20810 - paid - 600));
    backToPlanet();
    leave();
    EXPECT_EQ(map().Label6.Caption, "440");

    flyTo("Миранда");
    dock();
    enterTrade();
    paid += buyFragment(6000);
    EXPECT_EQ(fragments(), (std::vector<bool>{true, true, true, false}));
    backToPlanet();
    leave();
    EXPECT_EQ(map().Label8.Caption, Str(20810 - paid - 600));

    flyTo("Пасим");
    dock();
    EXPECT_EQ(map().Label6.Caption, "380");
    enterTrade();
    paid += buyFragment(6000);
    EXPECT_EQ(fragments(), (std::vector<bool>{true, true, true, true}));
    backToPlanet();
    EXPECT_FALSE(app.ended());  // the last piece wins only on leaving
    leave();
    EXPECT_EQ(app.front(), &map());
    EXPECT_EQ(map().Label8.Caption, Str(20810 - paid - 600));
    EXPECT_EQ(prompts(), (std::vector<std::string>{kFortressFragment, kVictory}));
    EXPECT_TRUE(app.ended());
}

TEST_F(Games, Victory) {
    victory();
}

// The same game without a pointer: Tab, Enter, Space and the arrow keys, and Enter on the
// message boxes.
TEST_F(Games, VictoryByKeysOnly) {
    byKeys = true;
    host.onBox = [&](const ormal::MessageBox&) { app.boxKey(ormal::Key::Enter); };
    victory();
    EXPECT_EQ(host.pointerEvents, 0u);
}

// The same game shown in English: the screens keep their Russian texts, so every counter and
// the outcome are the same. Every step is drawn, and every text drawn has its English.
TEST_F(Games, VictoryInEnglish) {
    std::set<std::string> drawn, missing;
    renderer.setTranslation(
        [&](const std::string& text) {
            drawn.insert(text);
            std::optional<std::string> english = game::english::translation(text);
            if (!english) missing.insert(text);
            return english.value_or(text);
        },
        game::english::kPictureSuffix);
    testing_support::Snapshot screen(app, renderer);
    afterPress = [&] { screen.update(); };
    host.onBox = [&](const ormal::MessageBox&) { screen.update(); };
    victory();
    for (const std::string& text : missing) ADD_FAILURE() << "drawn in Russian: " << text;
    // Both boxes were drawn, through the translation.
    EXPECT_TRUE(drawn.count(kFortressFragment));
    EXPECT_TRUE(drawn.count(kVictory));
    screen.save("victory-in-english");
}

TEST_F(Games, Starvation) {
    struct Seen {
        std::string prompt, food, reserve;
        bool reserveShown;
    };
    std::vector<Seen> seen;
    host.onBox = [&](const ormal::MessageBox& b) {
        seen.push_back(
            {b.prompt, map().Label6.Caption, map().Label17.Caption, map().Label17.Visible});
    };
    startGame();

    // A round of planets, docking at each: the clock stands still on every planet.
    for (const char* p : {"Земля", "Пасим", "Шекарама", "Карот", "Земля"}) {
        flyTo(p);
        dock();
        stayDocked(60000);
        leave();
    }
    ASSERT_TRUE(seen.empty());
    EXPECT_EQ(map().Label17.Caption, "200");

    // Then round and round in space without food until the end.
    std::int64_t since = host.clock.nowMicros();
    for (int leg = 0; !app.ended(); ++leg) {
        if (leg == 400) FAIL() << "the crew never starves";
        CommandButton* square[] = {&map().Command4, &map().Command3, &map().Command2,
                                   &map().Command1};
        press(*square[leg % 4]);
        host.advance(3000);
    }
    EXPECT_GT(host.clock.nowMicros() - since, 45'000'000);  // at least the reserve's 9 ticks
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].prompt, kWarning);
    EXPECT_EQ(seen[0].food, "20");
    EXPECT_FALSE(seen[0].reserveShown);  // shown once the warning is dismissed
    EXPECT_EQ(seen[1].prompt, kDefeat);
    EXPECT_EQ(seen[1].food, "20");
    EXPECT_EQ(seen[1].reserve, "20");
    EXPECT_TRUE(seen[1].reserveShown);
    EXPECT_EQ(host.boxes[0].title, "Предупреждение");
    EXPECT_EQ(host.boxes[0].style, 24);
    EXPECT_TRUE(app.ended());
}

TEST_F(Games, Surrender) {
    startGame();
    press(map().Command12);  // "Меню"
    EXPECT_FALSE(map().Enabled);
    press(menu().Command2);  // "Выход"
    EXPECT_EQ(app.front(), &surrender());
    press(surrender().Command2);  // "НЕТ"
    EXPECT_EQ(app.front(), &menu());
    EXPECT_FALSE(surrender().Visible);
    press(menu().Command1);  // "Вернуться в игру"
    EXPECT_EQ(app.front(), &map());
    EXPECT_TRUE(map().Enabled);

    press(map().Command7);  // down and to the right, for two seconds
    host.advance(2000);
    EXPECT_EQ(map().Shape1.Left, 3480 + 5 * 128);
    EXPECT_EQ(map().Shape1.Top, 5160 + 5 * 128);

    press(map().Command12);
    press(menu().Command2);
    EXPECT_EQ(surrender().Label1.Caption, "Вы действительно хотите сдаться и уйти?");
    press(surrender().Command1);  // "ДА"
    EXPECT_TRUE(app.ended());
    EXPECT_TRUE(host.boxes.empty());
}
