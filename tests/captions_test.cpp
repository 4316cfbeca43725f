// captions_test.cpp: every caption of every screen, as drawn at several window sizes, keeps
// all of its ink inside its control: no accent, ascender or italic swash cut off by the edge
// (the breve of "й", the top of "Ф"), no text running into a button's border.
#include <string>
#include <vector>

#include "battle/form7.h"
#include "battle/form8.h"
#include "dialogs/form4.h"
#include "dialogs/form5.h"
#include "fixture.h"
#include "intro/form1.h"
#include "map/form2.h"
#include "planet/form3.h"
#include "trade/form6.h"

using testing_support::GameFixture;

namespace {

// 1:1, a 640 x 480 window, 1403 x 1052, a 1920 x 1080 laptop, 2:1.
const double kScales[] = {1.0, 0.625, 1052.0 / 768, 1080.0 / 768, 2.0};

struct Captions : GameFixture {
    // Every screen of the game, created as play creates them.
    void createEveryScreen() {
        form<game::Form1>();
        form<game::Form2>();
        form<game::Form3>();
        form<game::Form4>();
        form<game::Form5>();
        form<game::Form6>();
        form<game::Form7>();
        form<game::Form8>();
    }
    // The failures of one control's caption: where its ink leaves its box.
    std::string check(const ormal::Control& c) {
        std::string failures;
        for (double scale : kScales) {
            auto fit = renderer.textFit(app, c, scale);
            if (!fit) return "";
            const ormal::PixelRect &box = fit->box, &ink = fit->ink;
            bool inside = ink.x >= box.x && ink.y >= box.y && ink.x + ink.w <= box.x + box.w &&
                          ink.y + ink.h <= box.y + box.h;
            if (!inside)
                failures += " at scale " + std::to_string(scale) + " ink " + std::to_string(ink.x) +
                            "," + std::to_string(ink.y) + " " + std::to_string(ink.w) + "x" +
                            std::to_string(ink.h) + " in box " + std::to_string(box.x) + "," +
                            std::to_string(box.y) + " " + std::to_string(box.w) + "x" +
                            std::to_string(box.h) + ";";
        }
        return failures;
    }
    void checkAll(const ormal::Container& in) {
        for (const ormal::Control* c : in.children()) {
            std::string failures = check(*c);
            EXPECT_EQ(failures, "") << c->form().Name << "." << c->Name;
            if (c->kind() == ormal::Kind::PictureBox || c->kind() == ormal::Kind::Frame)
                checkAll(static_cast<const ormal::Container&>(*c));
        }
    }
};

}  // namespace

TEST_F(Captions, EveryCaptionAsLaidOutKeepsItsInkInside) {
    createEveryScreen();
    for (const ormal::Form* f : app.forms()) checkAll(*f);
}

// The captions the game writes as it goes: planet names, hints, the outcome of a battle,
// counters at their widest.
TEST_F(Captions, EveryCaptionTheGameWritesKeepsItsInkInside) {
    createEveryScreen();
    auto& map = form<game::Form2>();
    auto& planet = form<game::Form3>();
    auto& outcome = form<game::Form8>();
    auto& trade = form<game::Form6>();
    auto& fort = form<game::Form7>();
    struct Case {
        ormal::Label& label;
        std::vector<std::string> texts;
    } cases[] = {
        {planet.Label10,
         {"Пасим", "Карот", "Пардонолия", "Дорав", "Земля", "Шекарама", "Филий", "Миранда"}},
        {map.Label1,
         {"Пардонолия ", "Карот ", "Пасим ", "Земля ", "Шекарама ", "Филий ", "Миранда ",
          "Дорав "}},
        {map.Label11,
         {"Количество Пушек", "Количество Еды", "Количество Товаров", "Количество Золота",
          "Количество Экипажа"}},
        {planet.Label9, {"Поторгуем?", "Поваюем!"}},
        {planet.Label1, {"Торговый центр", "Вражеская крепость"}},
        {outcome.Label1, {"Победа!!!", "Поражение!!!"}},
        {outcome.Label2,
         {"Вы не можите присвоить себе крепость, но враг требует за неё выкуп в "
          "размере279золотых",
          "Ваша команда перебита и вас берут в плен, забирают всё ваше золото, и вскоре "
          "отпускают"}},
        {map.Label8, {"20810", "0"}},
        {map.Label6, {"1300", "20"}},
        {trade.Label7, {"20810"}},
        {trade.Label11, {"1300"}},
        {fort.Label3, {"70"}},
    };
    for (Case& c : cases) {
        for (const std::string& text : c.texts) {
            c.label.Caption = text;
            EXPECT_EQ(check(c.label), "")
                << c.label.form().Name << "." << c.label.Name << " \"" << text << "\"";
        }
    }
}
