// Tests of the button's reaction to mouse, keyboard, focus and the hover
// timer: the events raised, in order, with the repaints, sounds and
// addresses in between.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "button/model/access_key.h"
#include "button/model/vantor_button_model.h"
#include "button_host_fake.h"

namespace torvel {
namespace {

using testing::FakeHost;
using testing::MakePicture;
using testing::Trace;

const std::string kOver = "sound .\\resources\\over.wav";
const std::string kClick = "sound .\\resources\\click.wav";
const std::string kNavigate = "navigate https://example.org/";

// A placed 80 × 20 button with an address, its trace cleared.
struct Placed {
    FakeHost host;
    VantorButtonModel button{host.Host(), MakePicture(32, 32, Picture::Type::Icon)};

    Placed() {
        button.NewInstance();
        button.SetURL("https://example.org/");
        host.redraw.snapshot = [this] { return button.CurrentPaintInput(); };
        host.Take();
    }
    int Count(const std::string& line) const {
        return static_cast<int>(std::count(host.trace.begin(), host.trace.end(), line));
    }
    // The pressed flag of every frame drawn so far.
    std::string PressedFrames() const {
        std::string flags;
        for (const auto& frame : host.redraw.frames) flags += static_cast<char>('0' + frame.pressed);
        return flags;
    }
};

struct Flags {
    int focused, pressed, hovered, keyHeld;
    friend bool operator==(const Flags&, const Flags&) = default;
};

Flags FlagsOf(const VantorButtonModel& b) { return {b.focused(), b.pressed(), b.hovered(), b.keyHeld()}; }

std::ostream& operator<<(std::ostream& out, const Flags& f) {
    return out << "focused " << f.focused << " pressed " << f.pressed << " hovered " << f.hovered << " keyHeld "
               << f.keyHeld;
}

TEST(ButtonInteraction, EachInputOfTheStateTableRaisesItsEventsInOrder) {
    struct Row {
        const char* input;
        std::function<void(Placed&)> before;
        std::function<void(VantorButtonModel&)> deliver;
        Trace expected;
        Flags after;
    };
    const auto none = [](Placed&) {};
    const auto hovering = [](Placed& p) { p.button.OnMouseMove(0, 0, 5, 5); };
    const auto held = [](Placed& p) { p.button.OnMouseDown(1, 0, 5, 5); };
    const auto heldHovering = [](Placed& p) {
        p.button.OnMouseDown(1, 0, 5, 5);
        p.button.OnMouseMove(1, 0, 5, 5);
        p.host.pointer.overSurface = false;
    };
    const auto leaving = [](Placed& p) {
        p.button.OnMouseMove(0, 0, 5, 5);
        p.host.pointer.overSurface = false;
    };
    const std::vector<Row> rows = {
        {"press, left",
         none,
         [](auto& b) { b.OnMouseDown(1, 0, 5, 5); },
         {"repaint", "MouseDown 1 0 5 5"},
         {0, 1, 0, 0}},
        {"press, right", none, [](auto& b) { b.OnMouseDown(2, 1, 5, 5); }, {"MouseDown 2 1 5 5"}, {0, 0, 0, 0}},
        {"press, middle",
         none,
         [](auto& b) { b.OnMouseDown(4, 0, 5, 5); },
         {"repaint", "MouseDown 4 0 5 5"},
         {0, 1, 0, 0}},
        {"move inside, not hovered",
         none,
         [](auto& b) { b.OnMouseMove(0, 2, 5, 5); },
         {"timer on", "MouseIn 2", "repaint", "yield", kOver, "MouseMove 0 2 5 5"},
         {0, 0, 1, 0}},
        {"move inside, hovered",
         hovering,
         [](auto& b) { b.OnMouseMove(0, 0, 6, 6); },
         {"MouseMove 0 0 6 6"},
         {0, 0, 1, 0}},
        {"move outside", none, [](auto& b) { b.OnMouseMove(0, 0, 80, 5); }, {"MouseMove 0 0 80 5"}, {0, 0, 0, 0}},
        {"tick, pointer elsewhere",
         leaving,
         [](auto& b) { b.OnOverTimerTick(); },
         {"timer off", "MouseOut 0", "repaint"},
         {0, 0, 0, 0}},
        {"tick, pointer elsewhere, held",
         heldHovering,
         [](auto& b) { b.OnOverTimerTick(); },
         {"timer off", "MouseOut 0", "repaint", "repaint"},
         {0, 1, 0, 0}},
        {"tick, pointer still over", hovering, [](auto& b) { b.OnOverTimerTick(); }, {}, {0, 0, 1, 0}},
        {"release inside",
         held,
         [](auto& b) { b.OnMouseUp(1, 0, 79.5f, 19.5f); },
         {"repaint", kClick, "Click", kNavigate, "MouseUp 1 0 79.5 19.5"},
         {0, 0, 0, 0}},
        {"release outside",
         held,
         [](auto& b) { b.OnMouseUp(1, 0, 5, 20); },
         {"repaint", "MouseUp 1 0 5 20"},
         {0, 0, 0, 0}},
        {"release, right", held, [](auto& b) { b.OnMouseUp(2, 0, 5, 5); }, {"MouseUp 2 0 5 5"}, {0, 0, 0, 0}},
        {"double click",
         [](Placed& p) {
             p.button.OnMouseDown(1, 3, 7, 8);
             p.button.OnMouseUp(1, 3, 7, 8);
         },
         [](auto& b) { b.OnDblClick(); },
         {"capture", "repaint", "MouseDown 1 3 7 8"},
         {0, 1, 0, 0}},
        {"key down, Space", none, [](auto& b) { b.OnKeyDown(32, 0); }, {"repaint", "KeyDown 32 0"}, {0, 1, 1, 1}},
        {"key down, other key", none, [](auto& b) { b.OnKeyDown(13, 0); }, {"KeyDown 13 0"}, {0, 0, 0, 1}},
        {"key down, key held",
         [](Placed& p) { p.button.OnKeyDown(65, 0); },
         [](auto& b) { b.OnKeyDown(32, 1); },
         {"KeyDown 32 1"},
         {0, 0, 0, 1}},
        {"key up, Space",
         [](Placed& p) { p.button.OnKeyDown(32, 0); },
         [](auto& b) { b.OnKeyUp(32, 1); },
         {"repaint", "repaint", kClick, "Click", kNavigate, "MouseUp 1 1 0 0", "KeyUp 32 1"},
         {0, 0, 0, 0}},
        {"key up, other key",
         [](Placed& p) { p.button.OnKeyDown(13, 0); },
         [](auto& b) { b.OnKeyUp(13, 0); },
         {"KeyUp 13 0"},
         {0, 0, 0, 0}},
        {"key press", none, [](auto& b) { b.OnKeyPress(65); }, {"KeyPress 65"}, {0, 0, 0, 0}},
        {"access key", none, [](auto& b) { b.OnAccessKey(U'o'); }, {"Click", kNavigate}, {0, 0, 0, 0}},
        {"access key, disabled",
         [](Placed& p) { p.button.SetEnabled(false); },
         [](auto& b) { b.OnAccessKey(U'o'); },
         {},
         {0, 0, 0, 0}},
        {"focus entered", none, [](auto& b) { b.OnFocusIn(); }, {"repaint"}, {1, 0, 0, 0}},
        {"focus left",
         [](Placed& p) {
             p.button.OnFocusIn();
             p.button.OnMouseDown(1, 0, 5, 5);
         },
         [](auto& b) { b.OnFocusOut(); },
         {"repaint"},
         {0, 0, 0, 0}},
        {"ambient change", none, [](auto& b) { b.OnAmbientChanged(); }, {"repaint"}, {0, 0, 0, 0}},
    };
    for (const auto& row : rows) {
        Placed p;
        row.before(p);
        p.host.Take();
        row.deliver(p.button);
        EXPECT_EQ(p.host.trace, row.expected) << row.input;
        EXPECT_EQ(FlagsOf(p.button), row.after) << row.input;
    }
}

TEST(ButtonInteraction, InsideTestUsesTheClientSizeWithTheFarEdgesOutside) {
    struct Case {
        float x, y;
        bool clicks;
    };
    const Case cases[] = {{0, 0, true},    {-0.0f, 0, true},   {79.99f, 19.99f, true}, {80, 10, false},
                          {10, 20, false}, {-0.01f, 5, false}, {5, -0.01f, false},     {1e9f, 5, false}};
    for (const auto& c : cases) {
        Placed p;
        p.button.OnMouseDown(1, 0, 1, 1);
        p.button.OnMouseUp(1, 0, c.x, c.y);
        EXPECT_EQ(p.Count("Click"), c.clicks ? 1 : 0) << c.x << ", " << c.y;
        EXPECT_EQ(p.Count(kClick), c.clicks ? 1 : 0) << c.x << ", " << c.y;
    }
}

TEST(ButtonInteraction, HeldButtonLooksReleasedWhileThePointerIsAwayAndClicksOnReturn) {
    Placed p;
    p.button.OnMouseDown(1, 0, 5, 5);
    p.button.OnMouseMove(1, 0, 5, 5);
    p.host.pointer.overSurface = false;
    p.button.OnMouseMove(1, 0, 90, 5);
    p.button.OnOverTimerTick();
    EXPECT_EQ(p.button.pressed(), 1);
    EXPECT_EQ(p.PressedFrames(), "1110");  // press, hover entry, exit, released look
    p.host.pointer.overSurface = true;
    p.button.OnMouseMove(1, 0, 5, 5);
    EXPECT_EQ(p.PressedFrames(), "11101");
    p.button.OnMouseUp(1, 0, 5, 5);
    EXPECT_EQ(p.host.Take(), (Trace{"repaint",
                                    "MouseDown 1 0 5 5",
                                    "timer on",
                                    "MouseIn 0",
                                    "repaint",
                                    "yield",
                                    kOver,
                                    "MouseMove 1 0 5 5",
                                    "MouseMove 1 0 90 5",
                                    "timer off",
                                    "MouseOut 0",
                                    "repaint",
                                    "repaint",
                                    "timer on",
                                    "MouseIn 0",
                                    "repaint",
                                    "yield",
                                    kOver,
                                    "MouseMove 1 0 5 5",
                                    "repaint",
                                    kClick,
                                    "Click",
                                    kNavigate,
                                    "MouseUp 1 0 5 5"}));
}

TEST(ButtonInteraction, RightButtonNeverLooksPressedNorClicksAndTheMiddleOneDoes) {
    Placed right;
    right.button.OnMouseDown(2, 0, 5, 5);
    right.button.OnMouseUp(2, 0, 5, 5);
    EXPECT_EQ(right.host.trace, (Trace{"MouseDown 2 0 5 5", "MouseUp 2 0 5 5"}));

    Placed middle;
    middle.button.OnMouseDown(4, 0, 5, 5);
    middle.button.OnMouseUp(4, 0, 5, 5);
    EXPECT_EQ(middle.PressedFrames(), "10");
    EXPECT_EQ(middle.Count("Click"), 1);
}

TEST(ButtonInteraction, DoubleClickClicksTwiceAndReplaysTheStoredPress) {
    Placed p;
    p.button.OnMouseDown(1, 1, 3, 4);
    p.button.OnMouseUp(1, 1, 3, 4);
    p.button.OnDblClick();
    p.button.OnMouseUp(1, 1, 3, 4);
    EXPECT_EQ(p.Count("Click"), 2);
    EXPECT_EQ(p.Count("MouseDown 1 1 3 4"), 2);
    EXPECT_EQ(p.Count("capture"), 1);
}

TEST(ButtonInteraction, HoldingSpaceRepeatsOnlyKeyDownAndReleasingItClicksOnce) {
    Placed p;
    p.button.OnKeyDown(32, 0);
    p.button.OnKeyDown(32, 0);
    p.button.OnKeyDown(32, 0);
    EXPECT_EQ(p.host.Take(), (Trace{"repaint", "KeyDown 32 0", "KeyDown 32 0", "KeyDown 32 0"}));
    EXPECT_FALSE(p.host.timer.active);
    p.button.OnKeyUp(32, 2);
    EXPECT_EQ(p.Count("Click"), 1);
    EXPECT_EQ(p.Count(kNavigate), 1);
    EXPECT_EQ(p.Count("MouseUp 1 2 0 0"), 1);
    EXPECT_EQ(p.host.trace.back(), "KeyUp 32 2");
}

TEST(ButtonInteraction, SpaceAfterAnotherKeyOrAfterFocusLeftWithAKeyHeldShowsNoPressedLookButClicks) {
    const std::vector<std::pair<const char*, std::function<void(VantorButtonModel&)>>> beforeSpace = {
        {"another key held", [](auto& b) { b.OnKeyDown(65, 0); }},
        {"key held as focus left",
         [](auto& b) {
             b.OnFocusIn();
             b.OnKeyDown(65, 0);
             b.OnFocusOut();
         }},
    };
    for (const auto& [name, before] : beforeSpace) {
        Placed p;
        before(p.button);
        EXPECT_EQ(p.button.keyHeld(), 1) << name;
        p.button.OnKeyDown(32, 0);
        EXPECT_EQ(p.button.pressed(), 0) << name;
        EXPECT_EQ(p.button.hovered(), 0) << name;
        p.button.OnKeyUp(32, 0);
        EXPECT_EQ(p.Count("Click"), 1) << name;
        EXPECT_EQ(p.button.keyHeld(), 0) << name;
    }
}

TEST(ButtonInteraction, FocusLostWhileHeldClearsPressedYetReleaseInsideStillClicks) {
    for (const bool inside : {true, false}) {
        Placed p;
        p.button.OnFocusIn();
        p.button.OnMouseDown(1, 0, 5, 5);
        p.button.OnFocusOut();
        EXPECT_EQ(p.button.pressed(), 0);
        p.button.OnMouseUp(1, 0, inside ? 5.0f : -5.0f, 5);
        EXPECT_EQ(p.Count("Click"), inside ? 1 : 0);
        EXPECT_EQ(p.host.trace.back(), inside ? "MouseUp 1 0 5 5" : "MouseUp 1 0 -5 5");
    }
}

TEST(ButtonInteraction, MouseOutCarriesTheShiftOfTheLastPressAndAHandlerCanRewriteIt) {
    Placed p;
    p.button.OnMouseDown(1, 1, 5, 5);
    p.button.OnMouseUp(1, 1, 5, 5);
    p.button.OnMouseMove(0, 4, 5, 5);
    p.host.pointer.overSurface = false;
    p.host.events.onMouseOut = [](std::int16_t& shift) { shift = 6; };
    p.host.Take();
    p.button.OnOverTimerTick();
    EXPECT_EQ(p.host.trace[1], "MouseOut 1");
    EXPECT_EQ(p.button.lastShift(), 6);
}

TEST(ButtonInteraction, OnlyADoubleClickLetsMouseDownHandlersRewriteThePressRecord) {
    Placed p;
    p.host.events.onMouseDown = [](std::int16_t& button, std::int16_t& shift, float& x, float& y) {
        button = 2;
        shift = 5;
        x = 30;
        y = 12;
    };
    p.button.OnMouseDown(1, 0, 5, 5);
    EXPECT_EQ(p.button.lastButton(), 1);
    EXPECT_EQ(p.button.lastX(), 5.0f);
    p.button.OnDblClick();
    EXPECT_EQ(p.button.lastButton(), 2);
    EXPECT_EQ(p.button.lastShift(), 5);
    EXPECT_EQ(p.button.lastX(), 30.0f);
    EXPECT_EQ(p.button.lastY(), 12.0f);
}

TEST(ButtonInteraction, AValueWrittenIntoMouseInDoesNotReachMouseMove) {
    Placed p;
    p.host.events.onMouseIn = [](std::int16_t& shift) { shift = 7; };
    p.button.OnMouseMove(1, 2, 5, 5);
    EXPECT_EQ(p.host.trace.back(), "MouseMove 1 2 5 5");
}

TEST(ButtonInteraction, HoverPictureIsShownFromEntryToExit) {
    const Picture normal = MakePicture(9, 9);
    const Picture hover = MakePicture(9, 9);
    struct Case {
        const char* name;
        std::optional<Picture> hoverPicture;  // nothing: as newly placed
        Picture shownWhileOver;
    };
    const Case cases[] = {
        {"hover picture set", hover, hover},
        {"no hover picture", Picture(), normal},
        {"newly placed: an empty hover picture", std::nullopt, Picture()},
    };
    for (const auto& c : cases) {
        Placed p;
        p.button.SetPicture(normal);
        if (c.hoverPicture) p.button.SetPictureHover(*c.hoverPicture);
        p.button.OnMouseMove(0, 0, 5, 5);
        if (c.hoverPicture) {
            EXPECT_EQ(p.button.Picture(), c.shownWhileOver) << c.name;
        } else {
            EXPECT_EQ(p.button.Picture(), p.button.PictureHover()) << c.name;
            EXPECT_TRUE(p.button.Picture().isEmpty()) << c.name;
        }
        EXPECT_EQ(p.host.redraw.frames.back().picture, p.button.Picture()) << c.name;
        p.host.pointer.overSurface = false;
        p.button.OnOverTimerTick();
        EXPECT_EQ(p.button.Picture(), normal) << c.name;
    }
}

TEST(ButtonInteraction, InputDuringTheYieldRunsBeforeTheOverSound) {
    Placed p;
    p.host.eventLoop.duringYield = [&] {
        p.host.pointer.overSurface = false;
        p.button.OnOverTimerTick();
    };
    p.button.OnMouseMove(0, 0, 5, 5);
    EXPECT_EQ(p.host.trace, (Trace{"timer on", "MouseIn 0", "repaint", "yield", "timer off", "MouseOut 0", "repaint",
                                   kOver, "MouseMove 0 0 5 5"}));
}

TEST(ButtonInteraction, AddressesStartingWithMailtoGoToTheShell) {
    struct Case {
        const char* url;
        Trace expected;
    };
    const Case cases[] = {
        {"mailto:torvel@example.org", {"shell mailto:torvel@example.org"}},
        {"MAILTO:torvel@example.org", {"navigate MAILTO:torvel@example.org"}},
        {"Mailto:x", {"navigate Mailto:x"}},
        {"mailto", {"navigate mailto"}},
        {"mailto:", {"shell mailto:"}},
        {"https://example.org/", {"navigate https://example.org/"}},
        {"", {}},
    };
    for (const auto& c : cases) {
        Placed p;
        p.button.SetURL(c.url);
        p.host.Take();
        p.button.GoToURL();
        EXPECT_EQ(p.host.trace, c.expected) << c.url;
    }
}

TEST(ButtonInteraction, AccessKeyIsTheCharacterAfterTheFirstSingleAmpersand) {
    struct Case {
        const char* caption;
        char32_t key;  // 0: none
    };
    const Case cases[] = {
        {"&Старт", U'с'}, {"&Exit", U'e'},    {"Вы&ход", U'х'}, {"A&&B &Далее", U'д'}, {"A&&B", 0},    {"Выход&", 0},
        {"&", 0},         {"X", 0},           {"", 0},          {"Выход", 0},          {"&&&Я", U'я'}, {"a&&b&&c", 0},
        {"a&&b&", 0},     {"a&&b&c&d", U'c'}, {"&ё", U'ё'},     {"&Ё", U'ё'},          {"&1", U'1'},   {"Я&", 0},
        {"&&", 0},        {"x&\xFF", 0xFFFD},
    };
    for (const auto& c : cases) {
        const auto key = AccessKeyOf(c.caption);
        EXPECT_EQ(key.value_or(0), c.key) << c.caption;
        EXPECT_EQ(key.has_value(), c.key != 0) << c.caption;
    }
    Placed p;
    p.button.SetCaption("&Да");
    EXPECT_EQ(p.host.surface.accessKey, U'д');
    p.button.SetCaption("Нет");
    EXPECT_EQ(p.host.surface.accessKey, std::nullopt);
}

TEST(ButtonInteraction, AButtonDeletedByAnEventOrDuringTheYieldStopsAtOnce) {
    // The button lives on the heap so that a handler can delete it.
    struct Deletable {
        FakeHost host;
        std::unique_ptr<VantorButtonModel> button = std::make_unique<VantorButtonModel>(host.Host(), Picture());
        std::function<void()> Deleter() {
            return [this] { button.reset(); };
        }
    };
    struct Row {
        const char* how;
        std::function<void(Deletable&)> arm;
        std::function<void(VantorButtonModel&)> deliver;
        Trace expected;  // ends where the button was deleted
    };
    const auto onClick = [](Deletable& d) { d.host.events.onClick = d.Deleter(); };
    const auto onMouseUp = [](Deletable& d) {
        d.host.events.onMouseUp = [del = d.Deleter()](auto&, auto&, auto&, auto&) { del(); };
    };
    const std::vector<Row> rows = {
        {"Click of a mouse release",
         onClick,
         [](auto& b) { b.OnMouseUp(1, 0, 5, 5); },
         {"repaint", kClick, "Click"}},
        {"Click of a Space release",
         onClick,
         [](auto& b) { b.OnKeyUp(32, 0); },
         {"repaint", "repaint", kClick, "Click"}},
        {"MouseUp of a Space release",
         onMouseUp,
         [](auto& b) { b.OnKeyUp(32, 0); },
         {"repaint", "repaint", kClick, "Click", kNavigate, "MouseUp 1 0 0 0"}},
        {"Click of the access key", onClick, [](auto& b) { b.OnAccessKey(U'o'); }, {"Click"}},
        {"MouseIn of the hover entry",
         [](Deletable& d) { d.host.events.onMouseIn = [del = d.Deleter()](auto&) { del(); }; },
         [](auto& b) { b.OnMouseMove(0, 0, 5, 5); },
         {"timer on", "MouseIn 0", "timer off"}},
        {"input handled during the hover entry's yield",
         [](Deletable& d) { d.host.eventLoop.duringYield = d.Deleter(); },
         [](auto& b) { b.OnMouseMove(0, 0, 5, 5); },
         {"timer on", "MouseIn 0", "repaint", "yield", "timer off"}},
        {"MouseOut of the hover exit",
         [](Deletable& d) {
             d.button->OnMouseMove(0, 0, 5, 5);
             d.button->OnMouseDown(1, 0, 5, 5);
             d.host.pointer.overSurface = false;
             d.host.events.onMouseOut = [del = d.Deleter()](auto&) { del(); };
         },
         [](auto& b) { b.OnOverTimerTick(); },
         {"timer off", "MouseOut 0"}},
    };
    for (const auto& row : rows) {
        Deletable d;
        d.button->NewInstance();
        d.button->SetURL("https://example.org/");
        row.arm(d);
        d.host.Take();
        row.deliver(*d.button);
        EXPECT_EQ(d.button, nullptr) << row.how;
        EXPECT_EQ(d.host.trace, row.expected) << row.how;
    }
}

TEST(ButtonInteraction, DestructionStopsARunningHoverTimer) {
    FakeHost host;
    {
        VantorButtonModel button(host.Host(), Picture());
        button.NewInstance();
        button.OnMouseMove(0, 0, 5, 5);
        EXPECT_TRUE(host.timer.active);
    }
    EXPECT_FALSE(host.timer.active);
}

}  // namespace
}  // namespace torvel
