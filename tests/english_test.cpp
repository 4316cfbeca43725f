// english_test.cpp: the game drawn in English. The rules that translate what the game
// composes; the catalog as built; and a tour of the whole game that gathers every text it
// shows (every caption of every screen as play leaves it, every message box) and requires
// each to have its English, drawn whole inside its control at every window size.
#include <cairo.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
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
#include "picture.h"
#include "planet/form3.h"
#include "trade/form6.h"

using ormal::CommandButton;
using ormal::Control;
using ormal::Num;
using ormal::Str;
namespace english = game::english;

namespace {

// 1:1, a 640 x 480 window, 1403 x 1052, a 1920 x 1080 laptop, 2:1.
const double kScales[] = {1.0, 0.625, 1052.0 / 768, 1080.0 / 768, 2.0};

bool russian(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0xD0 && static_cast<unsigned char>(c) <= 0xD3)
            return true;
    return false;
}

void require(bool ok, const std::string& what) {
    if (!ok) throw std::runtime_error(what);
}

}  // namespace

TEST(English, RulesForTheTextsTheGameComposes) {
    const std::string ransom =
        "Вы не можите присвоить себе крепость, но враг требует за неё выкуп в размере";
    struct Case {
        std::string text;
        std::optional<std::string> shown;
    } cases[] = {
        // Whole texts from the catalog, trailing spaces included where the entry has them.
        {"Пасим", "Pasim"},
        {"Пардонолия", "Pardonoliya"},
        {"Напасть ", "Attack "},
        {"Не нападать ", "Don't attack "},
        // A name under the pointer keeps its trailing space, however many.
        {"Пасим ", "Pasim "},
        {"Земля ", "Zemlya "},
        {"Пардонолия  ", "Pardonoliya  "},
        // Numbers and signs are shown as they are.
        {"0", "0"},
        {"20810", "20810"},
        {"-40", "-40"},
        {"2.5", "2.5"},
        {"X", "X"},
        {"%", "%"},
        {"*10+", "*10+"},
        {"Ok", "Ok"},
        {"? ", "? "},
        {"", ""},
        // The ransom glued to its words: an English sentence around the same number.
        {ransom + "200золотых",
         "You cannot keep the fortress, but the enemy buys it back with a ransom of 200 gold"},
        {ransom + "279золотых",
         "You cannot keep the fortress, but the enemy buys it back with a ransom of 279 gold"},
        {ransom + "-5золотых",
         "You cannot keep the fortress, but the enemy buys it back with a ransom of -5 gold"},
        // Not a number between the words, or no number at all: no rule knows it.
        {ransom + "многозолотых", std::nullopt},
        {ransom + "золотых", std::nullopt},
        {ransom + "12 золотых", std::nullopt},
        // Texts the game never shows.
        {"Пасим!", std::nullopt},
        {" Пасим", std::nullopt},
        {"Привет", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(english::translation(c.text), c.shown) << '"' << c.text << '"';
        // What is shown: the English, or the text as it is; never nothing.
        EXPECT_EQ(english::show(c.text), c.shown.value_or(c.text)) << '"' << c.text << '"';
    }
}

// The catalog as built: English, complete (msgfmt leaves out fuzzy and untranslated entries,
// so every entry of the source must have come through), and nothing in it marked fuzzy.
TEST(English, TheCatalogHoldsEveryEntryOfItsSource) {
    const ormal::Catalog& catalog = english::catalog();
    EXPECT_EQ(catalog.header("Language"), "en");
    EXPECT_EQ(catalog.header("Content-Type"), "text/plain; charset=UTF-8");
    std::ifstream po(ORMAL_ENGLISH_PO);
    ASSERT_TRUE(po) << ORMAL_ENGLISH_PO;
    std::size_t ids = 0;
    for (std::string line; std::getline(po, line);) {
        if (line.starts_with("msgid ")) ++ids;
        if (line.starts_with("#,")) {
            EXPECT_EQ(line.find("fuzzy"), std::string::npos) << line;
        }
    }
    EXPECT_EQ(catalog.entries().size(), ids);  // the header is an entry on both sides
    for (const ormal::Catalog::Entry& e : catalog.entries()) {
        if (e.id.empty()) continue;
        EXPECT_TRUE(russian(e.id)) << e.id;
        EXPECT_FALSE(e.translation.empty()) << e.id;
        EXPECT_FALSE(russian(e.translation)) << e.id << " -> " << e.translation;
    }
}

namespace {

// What a tour of the game has shown: every caption each control had, and every message box.
struct Seen {
    std::map<const Control*, std::set<std::string>> captions;
    std::vector<ormal::MessageBox> boxes;
    std::set<std::string> texts;  // all of them, for the catalog's side
};

// The game played in English on one headless host, looking at every control after each step.
class Tour {
  public:
    Tour(ormal::Renderer& renderer, Seen& seen) : renderer_(renderer), seen_(seen) {
        app.setMeasure(&renderer);
        game::install(app);
        host.onBox = [this](const ormal::MessageBox& box) {
            seen_.boxes.push_back(box);
            for (const std::string& t : {box.prompt, box.title}) seen_.texts.insert(t);
            for (const std::string& t : box.buttons()) seen_.texts.insert(t);
            if (!shotName.empty()) shoot(shotName);
            shotName.clear();
        };
    }

    ormal::Headless host;
    ormal::Application& app = host.app;
    std::string shotName;  // a name for a picture of the next message box

    game::Form1& intro() { return app.form<game::Form1>(); }
    game::Form2& map() { return app.form<game::Form2>(); }
    game::Form3& planet() { return app.form<game::Form3>(); }
    game::Form4& surrender() { return app.form<game::Form4>(); }
    game::Form5& menu() { return app.form<game::Form5>(); }
    game::Form6& trade() { return app.form<game::Form6>(); }
    game::Form7& battle() { return app.form<game::Form7>(); }
    game::Form8& outcome() { return app.form<game::Form8>(); }

    // Every caption of every control of every screen, shown or not.
    void look() {
        for (const ormal::Form* f : app.forms()) look(*f);
    }
    void press(CommandButton& b) {
        require(host.click(b), b.form().Name + "." + b.Name + " took no click");
        look();
    }
    void pressWithDraws(CommandButton& b, std::vector<double> draws) {
        app.random().script(std::move(draws));
        press(b);
        app.random().unscript();
    }
    void hover(const Control& c) {
        require(host.move(c), c.form().Name + "." + c.Name + " is not under the pointer");
        look();
    }

    void start() {
        game::start(app);
        look();
        for (CommandButton* page : {&intro().Command1, &intro().Command2, &intro().Command3,
                                    &intro().Command4, &intro().Command5, &intro().Command6,
                                    &intro().Command7, &intro().Command8, &intro().Command9}) {
            press(*page);
            if (page == &intro().Command1) shoot("intro-title");
        }
        shoot("intro-page9");
        press(intro().Command10);
    }

    // One stop on every planet's arrival rectangle, found by stopping the ship on every whole
    // 120 twips of the star map (the rectangles' ends lie on that grid). The ship is put there:
    // the tour is about what is shown, not about the flight.
    std::map<std::string, std::pair<float, float>> arrivals() {
        std::map<std::string, std::pair<float, float>> found;
        for (float top = 0; top < map().Picture1.Height; top += 120) {
            for (float left = 0; left < map().Picture1.Width; left += 120) {
                map().Shape1.Left = left;
                map().Shape1.Top = top;
                require(host.click(map().Command5), "the stop button took no click");
                const std::string& name = planet().Label10.Caption;
                if (!name.empty() && !found.count(name)) found[name] = {left, top};
            }
        }
        return found;
    }
    void dockAt(std::pair<float, float> arrival) {
        map().Shape1.Left = arrival.first;
        map().Shape1.Top = arrival.second;
        press(map().Command5);
        press(map().Command10);
        require(app.front() == &planet(), "docking shows no planet");
        hover(planet().Command2);
        if (planet().Command3.Enabled) hover(planet().Command3);
        hover(planet().Image1);
        if (planet().Image2.Enabled) hover(planet().Image2);
    }
    void leave() { press(planet().Command1); }

    // The trade centre's three sections, and the hint both ways where it is offered.
    void visitTrade() {
        press(planet().Command2);
        press(trade().Command11);
        press(trade().Command10);
        press(trade().Command13);
        if (trade().Command15.Visible) {
            pressWithDraws(trade().Command15, {0.0});
            pressWithDraws(trade().Command15, {0.9});
        }
    }
    // A battle at the docked planet's fortress against its smallest garrison, each turn won
    // (or lost) six pips to one; the ransom drawn from 'ransomDraw'.
    void fight(bool win, double ransomDraw = 0) {
        pressWithDraws(planet().Command3, {0});
        press(battle().Command2);
        for (int turn = 0; battle().Enabled; ++turn) {
            require(turn < 20, "the battle does not end");
            pressWithDraws(battle().Command1,
                           win ? std::vector{0.999, 0.0} : std::vector{0.0, 0.999});
            pressWithDraws(battle().Command4, {ransomDraw});
        }
        require(app.front() == &outcome(), "no outcome");
    }
    void sell(CommandButton& arrow, int n) {
        if (!arrow.Visible) press(trade().Command11);
        for (int i = 0; i < n; ++i) press(arrow);
    }

    // The screen as drawn at 1024 x 768 and at 1920 x 1080, under the test output.
    void shoot(const std::string& name) {
        std::string dir = ORMAL_TEST_OUTPUT "/english";
        std::filesystem::create_directories(dir);
        for (auto [w, h] : {std::pair{1024, 768}, std::pair{1920, 1080}}) {
            cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
            renderer_.invalidate();
            renderer_.render(app, s, ormal::Viewport::fit(w, h));
            std::string file =
                dir + "/" + name + "-" + std::to_string(w) + "x" + std::to_string(h) + ".png";
            cairo_surface_write_to_png(s, file.c_str());
            cairo_surface_destroy(s);
        }
    }

  private:
    void look(const ormal::Container& in) {
        for (const Control* c : in.children()) {
            const std::string* caption = nullptr;
            if (c->kind() == ormal::Kind::Label)
                caption = &static_cast<const ormal::Label*>(c)->Caption;
            if (c->kind() == ormal::Kind::CommandButton)
                caption = &static_cast<const CommandButton*>(c)->Caption;
            if (c->kind() == ormal::Kind::Frame)
                caption = &static_cast<const ormal::Frame*>(c)->Caption;
            if (caption && !caption->empty()) {
                seen_.captions[c].insert(*caption);
                seen_.texts.insert(*caption);
            }
            if (c->kind() == ormal::Kind::PictureBox || c->kind() == ormal::Kind::Frame)
                look(static_cast<const ormal::Container&>(*c));
        }
    }

    ormal::Renderer& renderer_;
    Seen& seen_;
};

struct EnglishTour : ::testing::Test {
    ormal::Renderer renderer;
    Seen seen;
    EnglishTour() { renderer.setTranslation(english::show, english::kPictureSuffix); }

    // Where the English of the captions seen on this tour's screens leaves its room: its ink
    // outside its control at a scale, or an auto-size label reaching past its window.
    std::string failures(Tour& tour) {
        std::string out;
        for (auto& [control, texts] : seen.captions) {
            if (control->kind() == ormal::Kind::Frame) continue;  // its caption has no room
            auto& c = const_cast<Control&>(*control);
            std::string& caption = c.kind() == ormal::Kind::Label
                                       ? static_cast<ormal::Label&>(c).Caption
                                       : static_cast<CommandButton&>(c).Caption;
            std::string was = caption;
            for (const std::string& text : texts) {
                if (english::show(text) == text) continue;  // drawn as in Russian
                caption = text;
                std::string where =
                    c.form().Name + "." + c.Name + " \"" + english::show(text) + "\"";
                for (double scale : kScales) {
                    auto fit = renderer.textFit(tour.app, c, scale);
                    if (!fit) continue;
                    const ormal::PixelRect &box = fit->box, &ink = fit->ink;
                    if (ink.x < box.x || ink.y < box.y || ink.x + ink.w > box.x + box.w ||
                        ink.y + ink.h > box.y + box.h)
                        out += where + ": cut at scale " + std::to_string(scale) + "\n";
                }
                ormal::Rect r = tour.app.desktopRect(c), room = c.form().clientRect();
                if (r.x + r.w > room.x + room.w || r.y + r.h > room.y + room.h)
                    out += where + ": past its window\n";
            }
            caption = was;
        }
        return out;
    }
    // Where a message box's English does not fit: its title wider than the title bar, the
    // box off the desktop.
    std::string boxFailures() {
        std::string out;
        for (const ormal::MessageBox& box : seen.boxes) {
            ormal::BoxLayout l = renderer.layoutBox(box);
            double w, h;
            renderer.measure(ormal::Font{"Arial", 9, true, false}, box.title, w, h);
            if (w / 15 > l.title.w - 12) out += "title \"" + english::show(box.title) + "\"\n";
            if (l.frame.x < 0 || l.frame.y < 0 || l.frame.x + l.frame.w > ormal::kDesignWidth ||
                l.frame.y + l.frame.h > ormal::kDesignHeight)
                out += "box \"" + english::show(box.prompt) + "\" off the desktop\n";
        }
        return out;
    }
};

}  // namespace

TEST_F(EnglishTour, EveryTextTheGameShowsHasItsEnglishDrawnWhole) {
    // A whole game to victory: the story, the map and its menu, every planet with its trade
    // centre, a lost battle and eighty won (every ransom from 200 to 279), the pieces of the
    // map bought where they are sold (first without the gold for them), and the victory.
    {
        Tour t(renderer, seen);
        t.start();
        game::Form2& map = t.map();
        for (Control* c : {&map.Image1, &map.Image2, &map.Image3, &map.Image4, &map.Image5,
                           &map.Image6, &map.Image7, &map.Image8, &map.Image9, &map.Image10,
                           &map.Image11, &map.Image12, &map.Image14})
            t.hover(*c);
        t.shoot("map");
        t.press(map.Command12);
        t.shoot("menu");
        t.press(t.menu().Command2);
        t.shoot("surrender");
        t.press(t.surrender().Command2);
        t.press(t.menu().Command1);

        auto arrivals = t.arrivals();
        ASSERT_EQ(arrivals.size(), 8u);
        for (auto& [name, at] : arrivals) {
            SCOPED_TRACE(name);
            t.dockAt(at);
            t.visitTrade();
            if (name == "Филий") t.shoot("trade");
            if (t.trade().Command14.Visible) {
                t.shotName = "too-little-gold";
                t.press(t.trade().Command14);  // 20 gold
            }
            t.press(t.trade().Command9);
            if (name == "Филий") t.shoot("planet");
            t.leave();
        }

        t.dockAt(arrivals.at("Пардонолия"));
        t.fight(false);
        t.shoot("outcome-defeat");
        t.press(t.outcome().Command1);
        t.press(t.planet().Command2);
        t.sell(t.trade().Command6, 60);
        t.sell(t.trade().Command4, 700);
        t.press(t.trade().Command10);
        for (int i = 0; i < 50; ++i) t.press(t.trade().Command7);
        t.press(t.trade().Command9);
        t.press(t.planet().Command3);
        t.shoot("fortress");
        t.press(t.battle().Command3);
        for (int k = 0; k < 80; ++k) {
            if (k == 0) t.shotName = "fortress-fragment";
            t.fight(true, (k + 0.5) / 80);
            ASSERT_EQ(t.outcome().Label1.Caption, "Победа!!!");
            ASSERT_TRUE(t.outcome().Label2.Caption.ends_with("размере" + Str(200 + k) + "золотых"));
            if (k == 79) t.shoot("outcome-victory");
            t.press(t.outcome().Command1);
        }
        t.leave();
        for (const char* seller : {"Филий", "Миранда", "Пасим"}) {
            t.dockAt(arrivals.at(seller));
            t.press(t.planet().Command2);
            t.press(t.trade().Command14);
            t.press(t.trade().Command9);
            if (std::string(seller) == "Пасим") t.shotName = "victory";
            t.leave();
        }
        EXPECT_TRUE(t.app.ended());
        EXPECT_EQ(t.host.boxes.back().prompt,
                  "Победа!!!Мы нашли всю карту и теперь найдем планету!!!");
        EXPECT_EQ(failures(t), "");
        seen.captions.clear();
    }
    // A second voyage: the close button's question, and the food running out.
    {
        Tour t(renderer, seen);
        t.start();
        t.shotName = "close-question";
        t.app.requestClose();  // answered "Нет"
        ASSERT_FALSE(t.app.ended());
        auto arrivals = t.arrivals();
        t.dockAt(arrivals.at("Земля"));
        t.press(t.planet().Command2);
        t.sell(t.trade().Command4, 990);
        t.press(t.trade().Command9);
        t.shotName = "food-warning";
        t.leave();
        t.shoot("food-reserve");
        t.shotName = "starved";
        t.host.advance(60000);
        EXPECT_TRUE(t.app.ended());
        EXPECT_EQ(failures(t), "");
    }

    // Every text has its English.
    seen.texts.insert(game::kErrorTitle);  // the box of a failed handler
    for (const std::string& text : seen.texts)
        EXPECT_TRUE(english::translation(text)) << "no English for \"" << text << "\"";
    EXPECT_EQ(boxFailures(), "");
    std::set<std::string> prompts;
    for (const ormal::MessageBox& b : seen.boxes) prompts.insert(b.prompt);
    EXPECT_EQ(prompts.size(), 8u);  // every box the game has

    // And every entry of the catalog is a text the game shows: none is left behind by a
    // change of the screens.
    for (const ormal::Catalog::Entry& e : english::catalog().entries()) {
        if (e.id.empty()) continue;
        std::string pattern = e.id.substr(0, e.id.find("%s"));
        bool shown = false;
        for (const std::string& text : seen.texts) shown = shown || text.starts_with(pattern);
        EXPECT_TRUE(shown) << "never shown: \"" << e.id << "\"";
    }
}

// Every picture with words in it has an English variant of the same size: the story pages
// with a subtitle and the fire button's plate.
TEST(English, PicturesWithWordsHaveEnglishVariants) {
    for (const char* name : {"intro/page1", "intro/page2", "intro/page3", "intro/page4",
                             "intro/page5", "intro/page9", "map/fire"})
        EXPECT_TRUE(ormal::Picture::exists(name + std::string(english::kPictureSuffix))) << name;
    std::string suffix = english::kPictureSuffix;
    for (const ormal::EmbeddedPicture& e : ormal::embeddedPictures()) {
        std::string name = e.name;
        if (!name.ends_with(suffix)) continue;
        std::string base = name.substr(0, name.size() - suffix.size());
        bool found = false;
        for (const ormal::EmbeddedPicture& b : ormal::embeddedPictures()) {
            if (b.name != base) continue;
            found = true;
            EXPECT_EQ(b.vector, e.vector) << name;
            EXPECT_EQ(b.width, e.width) << name;
            EXPECT_EQ(b.height, e.height) << name;
        }
        EXPECT_TRUE(found) << name << " has no picture it stands for";
    }
}

// The story's pages with a subtitle in the picture are drawn from their English variants, the
// others from the same pictures as in Russian.
TEST(English, TheStoryPagesCarryEnglishSubtitles) {
    auto pages = [](bool inEnglish) {
        ormal::Renderer renderer;
        if (inEnglish) renderer.setTranslation(english::show, english::kPictureSuffix);
        ormal::Headless host;
        host.app.setMeasure(&renderer);
        game::start(host.app);
        game::Form1& intro = host.app.form<game::Form1>();
        std::vector<std::vector<unsigned char>> drawn;
        for (CommandButton* page :
             {&intro.Command1, &intro.Command2, &intro.Command3, &intro.Command4, &intro.Command5,
              &intro.Command6, &intro.Command7, &intro.Command8, &intro.Command9}) {
            host.click(*page);
            cairo_surface_t* s = ormal::renderToImage(host.app, renderer);
            // The page's picture: at the top left, 615 x 461 (the title page is larger).
            std::vector<unsigned char> pixels;
            for (int y = 0; y < 461; ++y) {
                unsigned char* row =
                    cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
                pixels.insert(pixels.end(), row, row + 615 * 4);
            }
            drawn.push_back(std::move(pixels));
            cairo_surface_destroy(s);
        }
        return drawn;
    };
    auto russian = pages(false), english = pages(true);
    for (int page = 1; page <= 9; ++page) {
        bool subtitled = page <= 5 || page == 9;
        EXPECT_EQ(russian[page - 1] != english[page - 1], subtitled) << "page " << page;
    }
}
