// trade_test.cpp: the trade centre, played through its buttons: the entry on each planet,
// buying and selling, crew, repair, the map fragments, the hint, the return, and a whole stay
// from docking to leaving.

#include <string>
#include <utility>
#include <vector>

#include "fixture.h"
#include "map/form2.h"
#include "planet/form3.h"
#include "star_map.h"
#include "trade/form6.h"

using game::Form2;
using game::Form3;
using game::Form6;
using ormal::CommandButton;
using testing_support::GameFixture;

namespace {

// The map screen's counters, arranged before docking; the defaults are those of the start.
struct Counters {
    std::string cannons = "14", food = "1000", goods = "60", gold = "20", crew = "20",
                viability = "50";
};

// Random draws that give each figure its lowest or highest amount.
const std::vector<double> kLow = {0, 0, 0}, kLowWithOffer = {0, 0, 0, 0};
const std::vector<double> kHigh = {0.9999, 0.9999, 0.9999},
                          kHighWithOffer = {0.9999, 0.9999, 0.9999, 0.9999};

struct TradeFixture : GameFixture {
    Form2& map = form<Form2>();
    TradeFixture() { map.Show(); }
    Form3& planet() { return form<Form3>(); }
    Form6& trade() { return form<Form6>(); }

    // Stops the ship on a planet and docks, through the map screen's buttons.
    void dock(const std::string& name) {
        const testing_support::Arrival& a = testing_support::arrival(name);
        map.Shape1.Left = a.middleLeft();
        map.Shape1.Top = a.middleTop();
        EXPECT_TRUE(host.click(map.Command5));
        EXPECT_TRUE(host.click(map.Command10)) << "docking at " << name;
    }
    // The trade-centre button, with the draws the entry is to take.
    void enter(const std::vector<double>& draws) {
        app.random().script(draws);
        EXPECT_TRUE(host.click(planet().Command2));
    }
    void visit(const std::string& name, const Counters& c, const std::vector<double>& draws) {
        map.Label5.Caption = c.cannons;
        map.Label6.Caption = c.food;
        map.Label7.Caption = c.goods;
        map.Label8.Caption = c.gold;
        map.Label10.Caption = c.crew;
        map.Label13.Caption = c.viability;
        dock(name);
        enter(draws);
    }
    // "Вернёмся", then back to space.
    void leave() {
        EXPECT_TRUE(host.click(trade().Command9));
        EXPECT_TRUE(host.click(planet().Command1));
    }
    void clickAll(CommandButton& b, int times) {
        for (int i = 0; i < times; ++i) EXPECT_TRUE(host.click(b)) << b.Name << " click " << i;
    }
};

struct TradeCentre : TradeFixture {};

// ---- Entry, one planet per case ----

struct EntryCase {
    const char* planet;
    const char* cannonPrice;
    const char* foodPrice;
    const char* goodsPrice;
    const char* hirePrice;
    const char* repairPrice;
    const char *cannonsLow, *cannonsHigh, *foodLow, *foodHigh, *goodsLow, *goodsHigh;
    bool hint;                // shown by the entry (after the first visit)
    const char* fragmentLow;  // nullptr: no fragment for sale
    const char* fragmentHigh;
};

const EntryCase kEntryCases[] = {
    {"Земля", "12", "5", "20", "6", "3", "19", "27", "1300", "1499", "30", "44", true, nullptr,
     nullptr},
    {"Пасим", "6", "4", "13", "7", "6", "8", "16", "500", "699", "15", "29", true, "6000", "6999"},
    {"Дорав", "9", "8", "24", "4", "7", "17", "25", "1000", "1199", "20", "34", true, nullptr,
     nullptr},
    {"Карот", "7", "5", "19", "4", "7", "17", "25", "900", "1099", "26", "40", true, nullptr,
     nullptr},
    {"Шекарама", "7", "3", "11", "8", "4", "7", "15", "400", "599", "14", "28", true, nullptr,
     nullptr},
    {"Миранда", "11", "6", "22", "6", "4", "17", "25", "1200", "1399", "28", "42", false, "6000",
     "6999"},
    {"Пардонолия", "17", "9", "29", "3", "5", "22", "30", "1500", "1699", "34", "48", true, nullptr,
     nullptr},
    {"Филий", "4", "3", "10", "6", "7", "7", "15", "300", "499", "12", "26", false, "5000", "5999"},
};

struct TradeEntry : TradeFixture, ::testing::WithParamInterface<EntryCase> {};

TEST_P(TradeEntry, SetsTheCentreFromThePlanet) {
    const EntryCase& c = GetParam();
    const bool offer = c.fragmentLow != nullptr;
    Form6& t = trade();
    auto expectPrices = [&] {
        EXPECT_EQ(t.Label1.Caption, c.cannonPrice);
        EXPECT_EQ(t.Label8.Caption, c.foodPrice);
        EXPECT_EQ(t.Label9.Caption, c.goodsPrice);
        EXPECT_EQ(t.Label17.Caption, c.hirePrice);
        EXPECT_EQ(t.Label22.Caption, c.repairPrice);
    };
    auto expectOffer = [&](const char* price) {
        for (ormal::Control* o : std::initializer_list<ormal::Control*>{&t.Label24, &t.Label25,
                                                                        &t.Label26, &t.Command14})
            EXPECT_EQ(o->Visible, offer) << o->Name;
        if (offer) {
            EXPECT_EQ(t.Label26.Caption, price);
        }
        EXPECT_TRUE(t.Shape5.Visible);
    };

    dock(c.planet);
    auto before = app.random().draws();
    enter(offer ? kLowWithOffer : kLow);
    EXPECT_EQ(app.random().draws() - before, offer ? 4u : 3u);
    EXPECT_EQ(app.front(), &t);
    // The holdings as docking brought them, the viability from the map screen.
    EXPECT_EQ(t.Label4.Caption, "14");
    EXPECT_EQ(t.Label5.Caption, "1000");
    EXPECT_EQ(t.Label6.Caption, "60");
    EXPECT_EQ(t.Label7.Caption, "20");
    EXPECT_EQ(t.Label3.Caption, "20");
    EXPECT_EQ(t.Label23.Caption, "50");
    expectPrices();
    EXPECT_EQ(t.Label10.Caption, c.cannonsLow);
    EXPECT_EQ(t.Label11.Caption, c.foodLow);
    EXPECT_EQ(t.Label12.Caption, c.goodsLow);
    expectOffer(c.fragmentLow);
    EXPECT_TRUE(t.Command15.Visible) << "the first entry shows the hint everywhere";
    EXPECT_TRUE(t.Command13.Enabled);
    // No section is open.
    for (CommandButton* b : {&t.Command1, &t.Command2, &t.Command3, &t.Command4, &t.Command5,
                             &t.Command6, &t.Command7, &t.Command8, &t.Command12})
        EXPECT_FALSE(b->Visible) << b->Name;

    // Straight back in: a new stock and fragment price, the same prices.
    EXPECT_TRUE(host.click(t.Command9));
    enter(offer ? kHighWithOffer : kHigh);
    expectPrices();
    EXPECT_EQ(t.Label10.Caption, c.cannonsHigh);
    EXPECT_EQ(t.Label11.Caption, c.foodHigh);
    EXPECT_EQ(t.Label12.Caption, c.goodsHigh);
    expectOffer(c.fragmentHigh);
    EXPECT_EQ(t.Command15.Visible, c.hint);
}

INSTANTIATE_TEST_SUITE_P(Trade, TradeEntry, ::testing::ValuesIn(kEntryCases));

// ---- Buying and selling ----

TEST_F(TradeCentre, WorkedExample) {
    dock("Земля");  // prices 12, 5 and 20; gold 20
    enter({0.5, 0.5, 0.5});
    Form6& t = trade();
    ASSERT_TRUE(host.click(t.Command11));
    EXPECT_TRUE(t.Command1.Enabled);   // 20 - 12 > 0
    EXPECT_TRUE(t.Command3.Enabled);   // 20 - 5 > 0
    EXPECT_FALSE(t.Command5.Enabled);  // 20 - 20 is not above 0

    ASSERT_TRUE(host.click(t.Command1));
    EXPECT_EQ(t.Label4.Caption, "15");
    EXPECT_EQ(t.Label7.Caption, "8");
    EXPECT_EQ(t.Label10.Caption, "22");
    EXPECT_FALSE(t.Command1.Enabled);
    EXPECT_TRUE(t.Command3.Enabled);
    EXPECT_FALSE(t.Command5.Enabled);

    ASSERT_TRUE(host.click(t.Command2));
    EXPECT_EQ(t.Label4.Caption, "14");
    EXPECT_EQ(t.Label7.Caption, "20");
    EXPECT_EQ(t.Label10.Caption, "23");
    // After a trade, gold equal to the price is enough.
    EXPECT_TRUE(t.Command1.Enabled);
    EXPECT_TRUE(t.Command3.Enabled);
    EXPECT_TRUE(t.Command5.Enabled);
    ASSERT_TRUE(host.click(t.Command5));
    EXPECT_EQ(t.Label7.Caption, "0");
    EXPECT_EQ(t.Label6.Caption, "61");

    // Opening the section with the same gold is stricter.
    ASSERT_TRUE(host.click(t.Command6));
    EXPECT_TRUE(t.Command5.Enabled);
    ASSERT_TRUE(host.click(t.Command11));
    EXPECT_FALSE(t.Command5.Enabled);
}

TEST_F(TradeCentre, AffordabilityThresholds) {
    // Opening the section: gold must exceed the price of food on "Земля" (5).
    struct Case {
        const char* gold;
        bool buyFood;
    } opening[] = {{"4", false}, {"5", false}, {"6", true}};
    for (const Case& c : opening) {
        SCOPED_TRACE(c.gold);
        visit("Земля", {.gold = c.gold}, kLow);
        ASSERT_TRUE(host.click(trade().Command11));
        EXPECT_EQ(trade().Command3.Enabled, c.buyFood);
        leave();
    }
    // Trading: gold down to the price keeps the arrow, so the last unit brings it to 0.
    visit("Земля", {.gold = "20"}, kLow);
    Form6& t = trade();
    ASSERT_TRUE(host.click(t.Command11));
    clickAll(t.Command3, 3);
    EXPECT_EQ(t.Label7.Caption, "5");
    EXPECT_TRUE(t.Command3.Enabled);
    ASSERT_TRUE(host.click(t.Command3));
    EXPECT_EQ(t.Label7.Caption, "0");
    EXPECT_FALSE(t.Command3.Enabled);
    EXPECT_FALSE(host.click(t.Command3));
    EXPECT_EQ(t.Label5.Caption, "1004");
}

TEST_F(TradeCentre, TheLastUnitOfStock) {
    dock("Филий");  // 7 cannons at 4, food at 3, goods at 10
    enter(kLowWithOffer);
    Form6& t = trade();
    ASSERT_TRUE(host.click(t.Command11));
    clickAll(t.Command6, 3);
    EXPECT_EQ(t.Label7.Caption, "50");
    clickAll(t.Command1, 7);
    EXPECT_EQ(t.Label10.Caption, "0");
    EXPECT_EQ(t.Label4.Caption, "21");
    EXPECT_EQ(t.Label7.Caption, "22");
    EXPECT_FALSE(t.Command1.Enabled) << "no stock, though the gold would do";
    // A sale in another row does not bring it back, nor does opening the section again.
    ASSERT_TRUE(host.click(t.Command4));
    EXPECT_FALSE(t.Command1.Enabled);
    EXPECT_TRUE(t.Command3.Enabled);
    ASSERT_TRUE(host.click(t.Command11));
    EXPECT_FALSE(t.Command1.Enabled);
    // Selling one back does.
    ASSERT_TRUE(host.click(t.Command2));
    EXPECT_EQ(t.Label10.Caption, "1");
    EXPECT_TRUE(t.Command1.Enabled);
}

TEST_F(TradeCentre, ASaleEnablesBuyingInOtherRows) {
    dock("Земля");
    enter(kLow);
    Form6& t = trade();
    ASSERT_TRUE(host.click(t.Command11));
    ASSERT_TRUE(host.click(t.Command1));  // gold 8: a cannon (12) is out of reach
    EXPECT_FALSE(t.Command1.Enabled);
    ASSERT_TRUE(host.click(t.Command4));  // selling food: gold 13
    EXPECT_EQ(t.Label7.Caption, "13");
    EXPECT_TRUE(t.Command1.Enabled);
    EXPECT_TRUE(t.Command3.Enabled);
    EXPECT_FALSE(t.Command5.Enabled);  // goods at 20
}

// A holding that reached 0 or less outside the centre (food is eaten on the map) must not be
// sold: the sell arrows follow the holdings when the section opens and after every trade.
TEST_F(TradeCentre, NothingIsSoldThatTheShipDoesNotHold) {
    visit("Земля", {.cannons = "0", .food = "-5", .goods = "1"}, kLow);
    Form6& t = trade();
    EXPECT_EQ(t.Label5.Caption, "-5");
    ASSERT_TRUE(host.click(t.Command11));
    EXPECT_FALSE(t.Command2.Enabled);
    EXPECT_FALSE(t.Command4.Enabled);
    EXPECT_TRUE(t.Command6.Enabled);
    EXPECT_FALSE(host.click(t.Command4));
    EXPECT_EQ(t.Label5.Caption, "-5");
    EXPECT_EQ(t.Label7.Caption, "20");

    struct Step {
        CommandButton& click;
        const char* food;
        bool sellFood;
    } steps[] = {{t.Command3, "-4", false}, {t.Command3, "-3", false}, {t.Command6, "-3", false},
                 {t.Command3, "-2", false}, {t.Command3, "-1", false}, {t.Command3, "0", false},
                 {t.Command3, "1", true},   {t.Command4, "0", false}};
    for (Step& s : steps) {
        SCOPED_TRACE(s.click.Name + " to food " + s.food);
        ASSERT_TRUE(host.click(s.click));
        EXPECT_EQ(t.Label5.Caption, s.food);
        EXPECT_EQ(t.Command4.Enabled, s.sellFood);
    }
    // The sale of the one unit of goods left none.
    EXPECT_EQ(t.Label6.Caption, "0");
    EXPECT_FALSE(t.Command6.Enabled);
    EXPECT_FALSE(t.Command2.Enabled);
}

// ---- Crew ----

struct CrewCase {
    const char* name;
    const char* crew;
    const char* gold;
    std::vector<CommandButton Form6::*> clicks;  // each must be taken
    const char* crewAfter;
    const char* goldAfter;
    bool hire, fire;
};

const CrewCase kCrewCases[] = {
    {"HireTo80", "79", "20", {&Form6::Command7}, "80", "14", false, true},
    {"OpenAt80", "80", "20", {}, "80", "20", false, true},
    {"FireTo0", "1", "20", {&Form6::Command8}, "0", "26", true, false},
    {"FireTo0ThenHire", "1", "20", {&Form6::Command8, &Form6::Command7}, "1", "20", true, true},
    {"OpenAt0", "0", "20", {}, "0", "20", true, false},
    {"HireThenFire", "20", "20", {&Form6::Command7, &Form6::Command8}, "20", "20", true, true},
    {"GoldEqualToPrice", "20", "6", {}, "20", "6", false, true},
    // Firing pays back the price and enables hiring whatever the gold.
    {"FireFromNoGold", "20", "0", {&Form6::Command8, &Form6::Command7}, "20", "0", false, true},
};

struct TradeCrew : TradeFixture, ::testing::WithParamInterface<CrewCase> {};

TEST_P(TradeCrew, HireAndFire) {
    const CrewCase& c = GetParam();
    visit("Земля", {.gold = c.gold, .crew = c.crew}, kLow);  // a sailor costs 6
    Form6& t = trade();
    ASSERT_TRUE(host.click(t.Command10));
    EXPECT_TRUE(t.Command7.Visible);
    EXPECT_TRUE(t.Command8.Visible);
    for (auto click : c.clicks) EXPECT_TRUE(host.click(t.*click)) << (t.*click).Name;
    EXPECT_EQ(t.Label3.Caption, c.crewAfter);
    EXPECT_EQ(t.Label7.Caption, c.goldAfter);
    EXPECT_EQ(t.Command7.Enabled, c.hire);
    EXPECT_EQ(t.Command8.Enabled, c.fire);
}

INSTANTIATE_TEST_SUITE_P(Trade, TradeCrew, ::testing::ValuesIn(kCrewCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Repair ----

TEST_F(TradeCentre, Repair) {
    visit("Шекарама", {.gold = "10", .viability = "37"}, kLow);  // a repair costs 4
    Form6& t = trade();
    ASSERT_TRUE(host.click(t.Command13));
    EXPECT_TRUE(t.Command12.Visible);
    ASSERT_TRUE(host.click(t.Command12));
    EXPECT_EQ(t.Label7.Caption, "6");
    EXPECT_EQ(t.Label23.Caption, "100");
    EXPECT_FALSE(t.Command12.Enabled);
    EXPECT_FALSE(t.Command13.Enabled);
    EXPECT_FALSE(host.click(t.Command13));
    leave();
    EXPECT_EQ(map.Label13.Caption, "100");

    // A sound ship: "Ремонт" stays off.
    dock("Земля");
    enter(kLow);
    EXPECT_FALSE(t.Command13.Enabled);
    leave();
    // Damaged again, with gold exactly the price: the wrench stays as the repair left it.
    visit("Шекарама", {.gold = "4", .viability = "80"}, kLow);
    EXPECT_TRUE(t.Command13.Enabled);
    ASSERT_TRUE(host.click(t.Command13));
    EXPECT_FALSE(t.Command12.Enabled);
    leave();
    visit("Шекарама", {.gold = "5", .viability = "80"}, kLow);
    ASSERT_TRUE(host.click(t.Command13));
    EXPECT_TRUE(t.Command12.Enabled);
}

// ---- The map fragments ----

TEST_F(TradeCentre, FragmentExactGoldBuysOneLessDoesNot) {
    struct Case {
        const char* planet;
        ormal::Image Form2::*fragment;
        const char* price;  // from the draw 0.5
        const char* oneLess;
    } cases[] = {{"Пасим", &Form2::Image17, "6500", "6499"},
                 {"Миранда", &Form2::Image15, "6500", "6499"},
                 {"Филий", &Form2::Image13, "5500", "5499"}};
    const std::vector<double> draws = {0, 0, 0, 0.5};
    Form6& t = trade();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.planet);
        host.boxes.clear();
        visit(c.planet, {.gold = c.oneLess}, draws);
        EXPECT_EQ(t.Label26.Caption, c.price);
        ASSERT_TRUE(host.click(t.Command14));
        ASSERT_EQ(host.boxes.size(), 1u);
        EXPECT_EQ(host.boxes[0].prompt, "У вас мало золота!");
        EXPECT_EQ(host.boxes[0].title, "Мало золота!");
        EXPECT_EQ(host.boxes[0].style, 16);
        EXPECT_EQ(t.Label7.Caption, c.oneLess);
        EXPECT_TRUE(t.Command14.Visible);
        EXPECT_FALSE((map.*c.fragment).Visible);
        leave();

        visit(c.planet, {.gold = c.price}, draws);
        ASSERT_TRUE(host.click(t.Command14));
        EXPECT_EQ(host.boxes.size(), 1u);
        EXPECT_EQ(t.Label7.Caption, "0");
        EXPECT_TRUE((map.*c.fragment).Visible);
        EXPECT_FALSE(t.Command14.Visible);
        EXPECT_TRUE(t.Label24.Visible && t.Label25.Visible && t.Label26.Visible);
        leave();

        // Collected: no offer, and no price drawn.
        dock(c.planet);
        auto before = app.random().draws();
        enter(kLow);
        EXPECT_EQ(app.random().draws() - before, 3u);
        EXPECT_FALSE(t.Label24.Visible || t.Label25.Visible || t.Label26.Visible ||
                     t.Command14.Visible);
        leave();
    }
    EXPECT_FALSE(map.Image16.Visible) << "won at a fortress, never sold";
}

// Whichever section is open, the fragment purchase re-decides its buttons by the gold that is
// left, so nothing can then be bought, hired or repaired on gold that is not there.
struct SpendCase {
    const char* name;
    CommandButton Form6::*section;
    std::vector<std::pair<CommandButton Form6::*, bool>> enabledAfter;
};

const SpendCase kSpendCases[] = {
    // Gold 5 after the purchase on "Пасим": cannons 6, food 4, goods 13, hire 7, repair 6.
    {"Trading",
     &Form6::Command11,
     {{&Form6::Command1, false}, {&Form6::Command3, true}, {&Form6::Command5, false}}},
    {"Crew", &Form6::Command10, {{&Form6::Command7, false}}},
    {"Repair", &Form6::Command13, {{&Form6::Command12, false}}},
};

struct TradeFragmentSpend : TradeFixture, ::testing::WithParamInterface<SpendCase> {};

TEST_P(TradeFragmentSpend, NoGoldIsSpentThatIsNotThere) {
    const SpendCase& c = GetParam();
    visit("Пасим", {.gold = "6005"}, kLowWithOffer);  // the fragment at 6000
    Form6& t = trade();
    ASSERT_TRUE(host.click(t.*c.section));
    for (auto& [button, enabled] : c.enabledAfter) EXPECT_TRUE((t.*button).Enabled);
    ASSERT_TRUE(host.click(t.Command14));
    EXPECT_EQ(t.Label7.Caption, "5");
    for (auto& [button, enabled] : c.enabledAfter) {
        CommandButton& b = t.*button;
        EXPECT_EQ(b.Enabled, enabled) << b.Name;
        EXPECT_EQ(host.click(b), enabled) << b.Name;
    }
    EXPECT_GE(ormal::Num(t.Label7.Caption), 0);
}

INSTANTIATE_TEST_SUITE_P(Trade, TradeFragmentSpend, ::testing::ValuesIn(kSpendCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Hint ----

TEST_F(TradeCentre, HintByTheDraw) {
    dock("Миранда");
    enter(kLowWithOffer);
    struct Case {
        double draw;
        const char* prompt;
    } cases[] = {{0.0, "Поищите фрагмент на другой планете"},
                 {0.4999, "Поищите фрагмент на другой планете"},
                 {0.5, "Соберите 4 фрагмента и найдете Планету Ормаль"},
                 {0.9999, "Соберите 4 фрагмента и найдете Планету Ормаль"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.draw);
        host.boxes.clear();
        app.random().script({c.draw});
        ASSERT_TRUE(host.click(trade().Command15));
        ASSERT_EQ(host.boxes.size(), 1u);
        EXPECT_EQ(host.boxes[0].prompt, c.prompt);
        EXPECT_EQ(host.boxes[0].title, "Планета Ормаль");
        EXPECT_EQ(host.boxes[0].style, 0);
    }
    EXPECT_EQ(trade().Label7.Caption, "20");
}

// ---- Return and a whole stay ----

TEST_F(TradeCentre, ReturnCopiesBack) {
    dock("Пасим");
    enter(kLowWithOffer);
    Form6& t = trade();
    ASSERT_TRUE(host.click(t.Command11));
    ASSERT_TRUE(host.click(t.Command1));  // a cannon at 6: gold 14
    ASSERT_TRUE(host.click(t.Command13));
    ASSERT_TRUE(host.click(t.Command12));  // a repair at 6: gold 8
    ASSERT_TRUE(host.click(t.Command10));
    ASSERT_TRUE(host.click(t.Command8));  // a sailor fired: gold 15
    ASSERT_TRUE(host.click(t.Command11));
    ASSERT_TRUE(host.click(t.Command6));  // goods at 13: gold 28

    ASSERT_TRUE(host.click(t.Command9));
    EXPECT_EQ(app.front(), &planet());
    EXPECT_TRUE(t.Visible) << "left behind the planet screen, not hidden";
    EXPECT_EQ(planet().Label3.Caption, "19");
    EXPECT_EQ(planet().Label4.Caption, "15");
    EXPECT_EQ(planet().Label5.Caption, "1000");
    EXPECT_EQ(planet().Label6.Caption, "59");
    EXPECT_EQ(planet().Label7.Caption, "28");
    EXPECT_EQ(map.Label13.Caption, "100") << "the viability goes straight to the map";
    EXPECT_EQ(map.Label8.Caption, "20") << "the holdings wait for the leaving";
    for (ormal::Control* c : std::initializer_list<ormal::Control*>{
             &t.Command1, &t.Command2, &t.Command3, &t.Command4, &t.Command5, &t.Command6,
             &t.Command7, &t.Command8, &t.Command12, &t.Command14, &t.Command15, &t.Label24,
             &t.Label25, &t.Label26})
        EXPECT_FALSE(c->Visible) << c->Name;
    // Enabled states stay as they were.
    EXPECT_FALSE(t.Command12.Enabled);
    EXPECT_FALSE(t.Command13.Enabled);
}

TEST_F(TradeCentre, AFullStay) {
    EXPECT_TRUE(host.click(map.Command5));  // the ship starts on "Земля"
    EXPECT_TRUE(host.click(map.Command10));
    enter(kLow);
    Form6& t = trade();
    ASSERT_TRUE(host.click(t.Command11));
    clickAll(t.Command6, 2);  // goods at 20: gold 60
    clickAll(t.Command1, 3);  // cannons at 12: gold 24
    ASSERT_TRUE(host.click(t.Command10));
    ASSERT_TRUE(host.click(t.Command7));  // a sailor at 6: gold 18
    ASSERT_TRUE(host.click(t.Command13));
    ASSERT_TRUE(host.click(t.Command12));  // a repair at 3: gold 15
    ASSERT_TRUE(host.click(t.Command9));
    ASSERT_TRUE(host.click(planet().Command1));

    EXPECT_EQ(app.front(), &map);
    EXPECT_EQ(map.Label5.Caption, "17");
    EXPECT_EQ(map.Label6.Caption, "1000");
    EXPECT_EQ(map.Label7.Caption, "58");
    EXPECT_EQ(map.Label8.Caption, "15");
    EXPECT_EQ(map.Label10.Caption, "21");
    EXPECT_EQ(map.Label13.Caption, "100");
    EXPECT_TRUE(map.Timer18.Enabled);
    EXPECT_TRUE(host.boxes.empty());
}

// ---- The screen as drawn ----

TEST_F(TradeCentre, DrawnAsLaidOut) {
    dock("Пасим");
    enter({0.5, 0.5, 0.5, 0.5});
    ASSERT_TRUE(host.click(trade().Command11));
    testing_support::Snapshot shot(app, renderer);
    shot.save("trade-screen");
    EXPECT_EQ(shot.pixel(1020, 760), 0x804000u);             // the screen's background
    EXPECT_EQ(shot.pixel(8700 / 15, 7400 / 15), 0xFFC080u);  // the trading table, under its rows
}

}  // namespace
