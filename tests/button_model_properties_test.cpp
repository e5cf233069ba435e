// Tests of the button's properties: defaults, keys, setters, new instance,
// restore and save.
#include <gtest/gtest.h>

#include <algorithm>

#include "button/form/property_bag.h"
#include "button/form/stored_form_writer.h"
#include "button/host/property_errors.h"
#include "button/model/vantor_button_model.h"
#include "button_host_fake.h"
#include "button_model_test_support.h"

namespace torvel {
namespace {

using testing::FakeHost;
using testing::MakePicture;
using testing::Trace;

const FontAttributes kSansSerif{"MS Sans Serif", 8.25, false, false, false, false, 400, 204};

class ButtonModelTest : public ::testing::Test {
protected:
    FakeHost host;
    Picture hand = MakePicture(32, 32, Picture::Type::Icon);
    VantorButtonModel button{host.Host(), hand};

    // The entries a save writes, as "key type value" lines.
    std::vector<std::string> Saved() {
        PropertyBag bag;
        button.Save(bag);
        std::vector<std::string> lines;
        for (const auto& entry : bag.Entries()) lines.push_back(entry.key + ' ' + WriteTypedValue(entry.value));
        return lines;
    }
};

TEST_F(ButtonModelTest, CreationSetsUpTheSurfaceAndTheTimer) {
    EXPECT_TRUE(host.surface.pixels);
    EXPECT_EQ(host.surface.tag, "030102-155");
    EXPECT_EQ(host.surface.pointer, 99);
    EXPECT_EQ(host.surface.cursor, hand);
    EXPECT_EQ(host.timer.interval, 10);
    EXPECT_FALSE(host.timer.active);
    EXPECT_TRUE(host.trace.empty());
}

TEST_F(ButtonModelTest, NewInstanceGivesEveryPropertyItsNewValueQuietly) {
    host.ambient.name = "cmdstart";
    button.NewInstance();
    testing::ExpectProperties(button, {
                                          {"Enabled", "true"},
                                          {"Font", "Arial 10 400 1 0000"},
                                          {"hwnd", "4242"},
                                          {"MousePointer", "99"},
                                          {"MouseIcon", "icon images/test.bmp"},
                                          {"ShowFocusRect", "true"},
                                          {"URL", ""},
                                          {"Caption", "cmdstart"},
                                          {"ButtonStyle", "2"},
                                          {"PicturePosition", "1"},
                                          {"Picture", "none"},
                                          {"PictureWidth", "32"},
                                          {"PictureHeight", "32"},
                                          {"PictureSize", "1"},
                                          {"PictureHover", "empty"},
                                          {"XPColor_Pressed", "0x80000014"},
                                          {"XPColor_Hover", "0x80000016"},
                                          {"XPDefaultColors", "true"},
                                          {"BackColor", "0x8000000F"},
                                          {"ForeColor", "0x80000012"},
                                          {"SoundOver", ".\\resources\\over.wav"},
                                          {"SoundClick", ".\\resources\\click.wav"},
                                          {"version", "030102-155"},
                                          {"DefCurHand", "true"},
                                          {"XPShowBorderAlways", "false"},
                                          {"MaskColor", "0x00000000"},
                                          {"TransparentBG", "false"},
                                          {"BEVEL", "1"},
                                          {"BEVELDEPTH", "8"},
                                          {"g_Font", "Arial 10 400 1 0000"},
                                          {"normalPicture", "empty"},
                                          {"OriginalPicSizeW", "0"},
                                          {"OriginalPicSizeH", "0"},
                                      });
    EXPECT_EQ(host.surface.font, host.ambient.font);
    // The surface's colours are left as they were, and nothing is reported.
    EXPECT_EQ(host.surface.back, 0u);
    EXPECT_TRUE(host.trace.empty());
}

TEST_F(ButtonModelTest, SavingANewInstanceStoresOnlyWhatDiffersFromTheReadDefaults) {
    button.NewInstance();
    EXPECT_EQ(Saved(), (std::vector<std::string>{
                           "OriginalPicSizeW i32 0",
                           "OriginalPicSizeH i32 0",
                           "PictureHover picture empty",
                           "MouseIcon picture icon images/test.bmp",
                           "MousePointer i16 99",
                       }));
}

TEST_F(ButtonModelTest, RestoringAnEmptyStoreGivesTheReadDefaults) {
    host.ambient.name = "VantorButton8";
    button.Restore(PropertyBag());
    testing::ExpectProperties(button, {
                                          {"Enabled", "true"},
                                          {"Font", "Arial 10 400 1 0000"},
                                          {"MousePointer", "0"},
                                          {"MouseIcon", "none"},
                                          {"ShowFocusRect", "true"},
                                          {"URL", ""},
                                          {"Caption", "VantorButton8"},
                                          {"ButtonStyle", "2"},
                                          {"PicturePosition", "1"},
                                          {"Picture", "none"},
                                          {"PictureWidth", "32"},
                                          {"PictureHeight", "32"},
                                          {"PictureSize", "1"},
                                          {"PictureHover", "none"},
                                          {"XPColor_Pressed", "0x80000014"},
                                          {"XPColor_Hover", "0x80000016"},
                                          {"XPDefaultColors", "true"},
                                          {"BackColor", "0x8000000F"},
                                          {"ForeColor", "0x80000012"},
                                          {"SoundOver", ".\\resources\\over.wav"},
                                          {"SoundClick", ".\\resources\\click.wav"},
                                          {"DefCurHand", "true"},
                                          {"XPShowBorderAlways", "false"},
                                          {"MaskColor", "0x00000000"},
                                          {"TransparentBG", "false"},
                                          {"BEVEL", "1"},
                                          {"BEVELDEPTH", "8"},
                                          {"g_Font", "Arial 10 400 1 0000"},
                                          {"normalPicture", "none"},
                                          {"OriginalPicSizeW", "32"},
                                          {"OriginalPicSizeH", "32"},
                                      });
    EXPECT_EQ(host.surface.back, SystemColour(COLOR_BTNFACE));
    EXPECT_EQ(host.surface.fore, SystemColour(COLOR_BTNTEXT));
    // Only the MouseIcon setter reports; restoring ends with a re-lay-out.
    EXPECT_EQ(host.Take(), (Trace{"report MouseIcon", "relayout"}));
    EXPECT_EQ(Saved(), std::vector<std::string>{});
}

TEST_F(ButtonModelTest, RestoreTakesEveryStoredValueAndSaveWritesItBack) {
    const Picture glyph = MakePicture(9, 9);
    const Picture hover = MakePicture(16, 16);
    PropertyBag bag;
    // Keys in any letter case; numbers in either width; a Boolean as a number.
    bag.Put("caption", std::string("&Старт"));
    bag.Put("PICTUREPOSITION", std::int16_t{3});
    bag.Put("buttonstyle", std::int32_t{4});
    bag.Put("picture", glyph);
    bag.Put("picturewidth", std::int32_t{50});
    bag.Put("pictureheight", std::int32_t{40});
    bag.Put("picturesize", std::int32_t{0});  // sizes stay as stored
    bag.Put("originalpicsizew", std::int32_t{9});
    bag.Put("originalpicsizeh", std::int32_t{7});
    bag.Put("picturehover", hover);
    bag.Put("enabled", false);
    bag.Put("font", kSansSerif);
    bag.Put("mouseicon", hand);
    bag.Put("mousepointer", std::int32_t{99});
    bag.Put("showfocusrect", std::int16_t{0});
    bag.Put("url", std::string("mailto:torvel@example.org"));
    bag.Put("xpcolor_pressed", std::int32_t{0x0000FF});
    bag.Put("xpcolor_hover", std::int32_t{0xFFFFFF});
    bag.Put("xpdefaultcolors", false);
    bag.Put("backcolor", std::int32_t{0x00C0C0C0});
    bag.Put("forecolor", std::int32_t{0x00112233});
    bag.Put("soundover", std::int32_t{12});  // any value is taken in its text form
    bag.Put("soundclick", std::string(""));
    bag.Put("defcurhand", std::int32_t{5});
    bag.Put("xpshowborderalways", true);
    bag.Put("maskcolor", std::int32_t{0x00FF00FF});
    bag.Put("transparentbg", true);
    bag.Put("bevel", std::int32_t{2});
    bag.Put("beveldepth", std::int16_t{12});
    button.Restore(bag);

    testing::ExpectProperties(button, {
                                          {"Caption", "&Старт"},
                                          {"PicturePosition", "3"},
                                          {"ButtonStyle", "4"},
                                          {"Picture", "bitmap images/test.bmp"},
                                          {"normalPicture", "bitmap images/test.bmp"},
                                          {"PictureWidth", "50"},
                                          {"PictureHeight", "40"},
                                          {"PictureSize", "0"},
                                          {"OriginalPicSizeW", "9"},
                                          {"OriginalPicSizeH", "7"},
                                          {"PictureHover", "bitmap images/test.bmp"},
                                          {"Enabled", "false"},
                                          {"Font", "MS Sans Serif 8.25 400 204 0000"},
                                          {"g_Font", "MS Sans Serif 8.25 400 204 0000"},
                                          {"MouseIcon", "icon images/test.bmp"},
                                          {"MousePointer", "99"},
                                          {"ShowFocusRect", "false"},
                                          {"URL", "mailto:torvel@example.org"},
                                          {"XPColor_Pressed", "0x000000FF"},
                                          {"XPColor_Hover", "0x00FFFFFF"},
                                          {"XPDefaultColors", "false"},
                                          {"BackColor", "0x00C0C0C0"},
                                          {"ForeColor", "0x00112233"},
                                          {"SoundOver", "12"},
                                          {"SoundClick", ""},
                                          {"DefCurHand", "true"},
                                          {"XPShowBorderAlways", "true"},
                                          {"MaskColor", "0x00FF00FF"},
                                          {"TransparentBG", "true"},
                                          {"BEVEL", "2"},
                                          {"BEVELDEPTH", "12"},
                                      });
    EXPECT_EQ(button.Picture(), glyph);
    EXPECT_EQ(button.normalPicture(), glyph);
    EXPECT_EQ(button.PictureHover(), hover);
    EXPECT_EQ(host.surface.font, kSansSerif);
    EXPECT_EQ(host.surface.back, 0x00C0C0C0u);
    EXPECT_EQ(button.AccessKey(), U'с');
    EXPECT_EQ(host.surface.accessKey, U'с');

    EXPECT_EQ(Saved(), (std::vector<std::string>{
                           "Caption string &Старт",
                           "PicturePosition i32 3",
                           "ButtonStyle i32 4",
                           "Picture picture bitmap images/test.bmp",
                           "PictureWidth i32 50",
                           "PictureHeight i32 40",
                           "PictureSize i32 0",
                           "OriginalPicSizeW i32 9",
                           "OriginalPicSizeH i32 7",
                           "PictureHover picture bitmap images/test.bmp",
                           "Enabled bool false",
                           "Font font \"MS Sans Serif\" 8.25 400 204 0 0 0 0",
                           "MouseIcon picture icon images/test.bmp",
                           "MousePointer i16 99",
                           "ShowFocusRect bool false",
                           "URL string mailto:torvel@example.org",
                           "XPColor_Pressed i32 255",
                           "XPColor_Hover i32 0x00FFFFFF",
                           "XPDefaultColors bool false",
                           "BackColor i32 0x00C0C0C0",
                           "ForeColor i32 0x00112233",
                           "SoundOver string 12",
                           "SoundClick string \"\"",
                           "XPShowBorderAlways bool true",
                           "MaskColor i32 0x00FF00FF",
                           "TransparentBG bool true",
                           "BEVEL i16 2",
                           "BEVELDEPTH i16 12",
                       }));
}

TEST_F(ButtonModelTest, RestoreRefusesValuesItCannotTake) {
    struct Case {
        const char* key;
        PropertyValue value;
        const char* message;
        bool beforePointer;  // refused before the pointer kind is restored
    };
    const Case cases[] = {
        {"MousePointer", std::int32_t{40000}, "MousePointer", true},
        {"MousePointer", std::int32_t{-32769}, "-32769", true},
        {"BEVEL", std::int32_t{70000}, "BEVEL", false},
        {"Caption", MakePicture(1, 1), "Caption", true},
        {"Font", std::string("Arial"), "Font", true},
        {"Picture", std::int32_t{1}, "Picture", true},
    };
    for (const auto& c : cases) {
        FakeHost fresh;
        VantorButtonModel model(fresh.Host(), hand);
        PropertyBag bag;
        bag.Put(c.key, c.value);
        bag.Put("BEVELDEPTH", std::int16_t{3});
        try {
            model.Restore(bag);
            ADD_FAILURE() << c.key << " was accepted";
        } catch (const std::exception& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
        // The restore stops at the refused entry: the surface keeps its
        // pointer and later entries are not taken.
        EXPECT_EQ(fresh.surface.pointer, c.beforePointer ? 99 : 0) << c.key;
        EXPECT_EQ(model.BEVELDEPTH(), 0) << c.key;
    }
}

TEST_F(ButtonModelTest, EverySetterStoresReportsAndThenDoesItsStep) {
    struct Case {
        const char* property;
        std::function<void(VantorButtonModel&)> assign;
        std::string value;  // as the property reads afterwards
        Trace expected;
    };
    const Picture glyph = MakePicture(9, 9);
    const Trace reportAndRepaint = {"report %", "repaint"};
    const Trace reportOnly = {"report %"};
    const std::vector<Case> cases = {
        {"Enabled", [](auto& b) { b.SetEnabled(false); }, "false", reportAndRepaint},
        {"MousePointer", [](auto& b) { b.SetMousePointer(0); }, "0", reportOnly},
        {"MouseIcon", [](auto& b) { b.SetMouseIcon(Picture()); }, "none", reportOnly},
        {"ShowFocusRect", [](auto& b) { b.SetShowFocusRect(false); }, "false", reportAndRepaint},
        {"URL", [](auto& b) { b.SetURL("https://example.org/"); }, "https://example.org/", reportOnly},
        {"Caption", [](auto& b) { b.SetCaption("Выход"); }, "Выход", reportAndRepaint},
        {"ButtonStyle", [](auto& b) { b.SetButtonStyle(0); }, "0", {"report %", "relayout"}},
        {"PicturePosition", [](auto& b) { b.SetPicturePosition(3); }, "3", reportAndRepaint},
        {"Picture", [&](auto& b) { b.SetPicture(glyph); }, "bitmap images/test.bmp", reportAndRepaint},
        {"PictureWidth", [](auto& b) { b.SetPictureWidth(9); }, "9", reportAndRepaint},
        {"PictureHeight", [](auto& b) { b.SetPictureHeight(9); }, "9", reportAndRepaint},
        {"PictureSize", [](auto& b) { b.SetPictureSize(0); }, "0", reportAndRepaint},
        {"PictureHover", [&](auto& b) { b.SetPictureHover(glyph); }, "bitmap images/test.bmp", reportOnly},
        {"XPColor_Pressed", [](auto& b) { b.SetXPColor_Pressed(0xFF); }, "0x000000FF", reportOnly},
        {"XPColor_Hover", [](auto& b) { b.SetXPColor_Hover(0xFFFFFF); }, "0x00FFFFFF", reportOnly},
        {"XPDefaultColors", [](auto& b) { b.SetXPDefaultColors(false); }, "false", reportOnly},
        {"BackColor", [](auto& b) { b.SetBackColor(0xC0C0C0); }, "0x00C0C0C0", reportAndRepaint},
        {"ForeColor", [](auto& b) { b.SetForeColor(0x0000FF); }, "0x000000FF", reportAndRepaint},
        {"SoundOver", [](auto& b) { b.SetSoundOver(""); }, "", reportOnly},
        {"SoundClick", [](auto& b) { b.SetSoundClick("click.wav"); }, "click.wav", reportOnly},
        {"version", [](auto& b) { b.SetVersion("1.0"); }, "030102-155", {}},
        {"DefCurHand", [](auto& b) { b.SetDefCurHand(false); }, "false", reportOnly},
        {"XPShowBorderAlways", [](auto& b) { b.SetXPShowBorderAlways(true); }, "true", reportOnly},
        {"MaskColor", [](auto& b) { b.SetMaskColor(0xFF00FF); }, "0x00FF00FF", reportAndRepaint},
        {"TransparentBG", [](auto& b) { b.SetTransparentBG(true); }, "true", reportAndRepaint},
        {"BEVEL", [](auto& b) { b.SetBEVEL(2); }, "2", reportAndRepaint},
        {"BEVELDEPTH", [](auto& b) { b.SetBEVELDEPTH(3); }, "3", reportAndRepaint},
    };
    for (const auto& c : cases) {
        FakeHost fresh;
        VantorButtonModel model(fresh.Host(), hand);
        model.NewInstance();
        // The value is already stored when the change is reported.
        std::string atReport = "(not reported)";
        fresh.changes.onReport = [&](std::string_view) { atReport = testing::Properties(model).at(c.property); };
        c.assign(model);
        Trace expected = c.expected;
        for (auto& line : expected) {
            if (line == "report %") line = std::string("report ") + c.property;
        }
        EXPECT_EQ(fresh.Take(), expected) << c.property;
        EXPECT_EQ(testing::Properties(model).at(c.property), c.value) << c.property;
        if (!expected.empty()) {
            EXPECT_EQ(atReport, c.value) << c.property;
        }
    }
}

TEST_F(ButtonModelTest, ColoursAndEnabledReachTheSurface) {
    button.SetBackColor(0x00336699);
    button.SetForeColor(SystemColour(COLOR_HIGHLIGHT));
    button.SetEnabled(false);
    EXPECT_EQ(host.surface.back, 0x00336699u);
    EXPECT_EQ(host.surface.fore, SystemColour(COLOR_HIGHLIGHT));
    EXPECT_FALSE(host.surface.enabled);
}

TEST_F(ButtonModelTest, MousePointerOutsideSixteenBitsIsRefusedWithNothingStored) {
    for (const std::int32_t value : {40000, 32768, -32769, 0x7FFFFFFF}) {
        EXPECT_THROW(button.SetMousePointer(value), OverflowError) << value;
        EXPECT_EQ(button.MousePointer(), 99) << value;
    }
    EXPECT_TRUE(host.Take().empty());
    for (const std::int32_t value : {32767, -32768, 0}) {
        button.SetMousePointer(value);
        EXPECT_EQ(button.MousePointer(), value);
    }
}

TEST_F(ButtonModelTest, ButtonStyleThreeTurnsTransparencyOffThroughItsSetterEachTime) {
    button.NewInstance();
    button.SetTransparentBG(true);
    host.Take();
    const Trace once = {"report ButtonStyle", "report TransparentBG", "repaint", "relayout"};
    button.SetButtonStyle(3);
    EXPECT_EQ(host.Take(), once);
    EXPECT_FALSE(button.TransparentBG());
    button.SetButtonStyle(3);
    EXPECT_EQ(host.Take(), once);
    button.SetButtonStyle(1);
    EXPECT_EQ(host.Take(), (Trace{"report ButtonStyle", "relayout"}));
}

TEST_F(ButtonModelTest, PictureAssignmentMeasuresThePictureInPixels) {
    struct Case {
        Picture picture;
        double dpi;
        std::int32_t pictureSize;
        std::int32_t original[2];
        std::int32_t drawn[2];  // PictureWidth, PictureHeight afterwards
    };
    const Case cases[] = {
        {MakePicture(9, 9), 96, 1, {9, 9}, {50, 40}},    {MakePicture(32, 16), 96, 2, {32, 16}, {32, 16}},
        {MakePicture(9, 9), 120, 2, {11, 11}, {11, 11}},  // 238 hundredths of a mm at 120 dpi
        {MakePicture(9, 9), 96, 7, {9, 9}, {50, 40}},    {Picture(), 96, 2, {32, 32}, {32, 32}},
        {Picture(), 96, 1, {32, 32}, {50, 40}},          {Picture::Empty(), 96, 2, {0, 0}, {0, 0}},
    };
    for (const auto& c : cases) {
        FakeHost fresh;
        fresh.units.dpiX = fresh.units.dpiY = c.dpi;
        VantorButtonModel model(fresh.Host(), hand);
        model.NewInstance();
        model.SetPictureWidth(50);
        model.SetPictureHeight(40);
        model.SetPictureSize(c.pictureSize);
        model.SetPictureWidth(50);
        model.SetPictureHeight(40);
        fresh.Take();
        model.SetPicture(c.picture);
        const std::string label =
            testing::Text(c.picture) + " at " + std::to_string(c.dpi) + " dpi, size " + std::to_string(c.pictureSize);
        EXPECT_EQ(model.Picture(), c.picture) << label;
        EXPECT_EQ(model.normalPicture(), c.picture) << label;
        EXPECT_EQ(model.OriginalPicSizeW(), c.original[0]) << label;
        EXPECT_EQ(model.OriginalPicSizeH(), c.original[1]) << label;
        EXPECT_EQ(model.PictureWidth(), c.drawn[0]) << label;
        EXPECT_EQ(model.PictureHeight(), c.drawn[1]) << label;
        EXPECT_EQ(fresh.Take(), (Trace{"report Picture", "repaint"})) << label;
    }
}

TEST_F(ButtonModelTest, PictureSizeChoosesTheDrawnSize) {
    struct Case {
        Picture picture;
        std::int32_t size;
        std::int32_t width;
        std::int32_t height;
    };
    const Case cases[] = {
        {Picture(), 0, 16, 16},          {Picture(), 1, 32, 32},         {Picture(), 2, 32, 32},
        {MakePicture(9, 7), 2, 9, 7},    {MakePicture(9, 7), 1, 32, 32}, {MakePicture(9, 7), 7, 50, 40},
        {MakePicture(9, 7), -1, 50, 40}, {Picture::Empty(), 2, 0, 0},
    };
    for (const auto& c : cases) {
        FakeHost fresh;
        VantorButtonModel model(fresh.Host(), hand);
        model.NewInstance();
        model.SetPictureSize(7);
        model.SetPicture(c.picture);
        model.SetPictureWidth(50);
        model.SetPictureHeight(40);
        fresh.Take();
        model.SetPictureSize(c.size);
        EXPECT_EQ(model.PictureWidth(), c.width) << testing::Text(c.picture) << " size " << c.size;
        EXPECT_EQ(model.PictureHeight(), c.height) << testing::Text(c.picture) << " size " << c.size;
        EXPECT_EQ(fresh.Take(), (Trace{"report PictureSize", "repaint"}));
    }
}

TEST_F(ButtonModelTest, FontAssignmentCopiesSixAttributesAndRepaintsForEach) {
    button.NewInstance();
    host.Take();
    FontAttributes given{"Times New Roman", 12, true, true, true, true, 700, 0};
    button.SetFont(given);
    EXPECT_EQ(host.Take(), (Trace{"repaint", "repaint", "repaint", "repaint", "repaint", "repaint", "report Font"}));
    EXPECT_EQ(host.surface.fontSets, 1 + 6);  // NewInstance, then one per attribute
    // Weight and character set stay those of the container's font.
    const FontAttributes expected{"Times New Roman", 12, true, true, true, true, 400, 1};
    EXPECT_EQ(button.Font(), expected);
    EXPECT_EQ(host.surface.font, expected);

    // The button holds a copy: changing the given font changes nothing.
    given.name = "Courier New";
    given.bold = false;
    EXPECT_EQ(button.Font(), expected);
}

TEST_F(ButtonModelTest, EachChangeOfGFontSetsTheSurfaceFontAndRepaints) {
    button.NewInstance();
    host.Take();
    button.g_Font().SetWeight(700);
    button.g_Font().SetCharset(204);
    EXPECT_EQ(host.Take(), (Trace{"repaint", "repaint"}));
    EXPECT_EQ(host.surface.font.weight, 700);
    EXPECT_EQ(host.surface.font.charset, 204);
}

TEST_F(ButtonModelTest, DefCurHandSwitchesTheCursorPictureButNeverClearsThePointerKind) {
    button.NewInstance();
    button.SetDefCurHand(false);
    EXPECT_TRUE(host.surface.cursor.isNone());
    EXPECT_EQ(host.surface.pointer, 99);
    button.SetMousePointer(0);
    button.SetDefCurHand(true);
    EXPECT_EQ(host.surface.cursor, button.imgHAND());
    EXPECT_EQ(host.surface.pointer, 99);
    // The surface changes are not reported under their own keys.
    EXPECT_EQ(host.Take(), (Trace{"report DefCurHand", "report MousePointer", "report DefCurHand"}));

    // Restoring the flag alone leaves the cursor to the stored cursor entries.
    PropertyBag bag;
    bag.Put("DefCurHand", false);
    bag.Put("MousePointer", std::int16_t{99});
    bag.Put("MouseIcon", hand);
    button.Restore(bag);
    EXPECT_FALSE(button.DefCurHand());
    EXPECT_EQ(host.surface.cursor, hand);
}

TEST_F(ButtonModelTest, SaveLeavesOutCaptionAndFontEqualToTheirAmbientDefaults) {
    host.ambient.name = "cmdhel";
    button.NewInstance();
    button.SetCaption("cmdhel");
    EXPECT_EQ(Saved().size(), 5u);
    button.SetCaption("Справка");
    button.SetFont(kSansSerif);  // weight and charset stay the container's: 400, 1
    const auto lines = Saved();
    EXPECT_EQ(lines.front(), "Caption string Справка");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Font font \"MS Sans Serif\" 8.25 400 1 0 0 0 0"), lines.end());
}

TEST_F(ButtonModelTest, PaintInputCarriesPropertiesStateAndWhatTheContainerSays) {
    button.NewInstance();
    button.SetCaption("OK");
    button.SetButtonStyle(3);
    button.SetPicture(MakePicture(9, 9));
    button.SetBEVEL(2);
    button.SetMaskColor(0xFF00FF);
    button.OnFocusIn();
    button.OnMouseDown(1, 0, 1, 1);
    PaintInput in = button.CurrentPaintInput();
    EXPECT_EQ(in.Caption, "OK");
    EXPECT_EQ(in.ButtonStyle, XPButton);
    EXPECT_EQ(in.picture, button.Picture());
    EXPECT_EQ(in.OriginalPicSizeW, 9);
    EXPECT_EQ(in.PictureWidth, 32);
    EXPECT_EQ(in.BEVEL, 2);
    EXPECT_EQ(in.MaskColor, 0xFF00FFu);
    EXPECT_EQ(in.Font, host.surface.font);
    EXPECT_EQ(in.BackColor, SystemColour(COLOR_BTNFACE));
    EXPECT_TRUE(in.Enabled);
    EXPECT_EQ(in.focused, 1);
    EXPECT_EQ(in.pressed, 1);
    EXPECT_EQ(in.hovered, 0);
    EXPECT_FALSE(in.isDefault);
    EXPECT_TRUE(in.userMode);

    host.ambient.isDefault = true;
    host.ambient.userMode = false;
    host.surface.enabled = false;
    in = button.CurrentPaintInput();
    EXPECT_TRUE(in.isDefault);
    EXPECT_FALSE(in.userMode);
    EXPECT_FALSE(in.Enabled);
}

}  // namespace
}  // namespace torvel
