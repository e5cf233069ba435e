// Tests of the stored form of the windows' buttons: parsing, errors that name
// the file and line, writing, and restoring the program's eleven buttons.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "button/form/form_restore.h"
#include "button/form/stored_form_error.h"
#include "button/form/stored_form_parser.h"
#include "button/form/stored_form_writer.h"
#include "button/model/vantor_button_model.h"
#include "button_host_fake.h"
#include "button_model_test_support.h"

namespace torvel {
namespace {

using testing::FakeHost;
using testing::FakePictureLoader;
using testing::MakePicture;

std::string SourcePath(const std::string& relative) {
    const char* root = std::getenv("TORVEL_SOURCE_DIR");
    return std::string(root ? root : ".") + "/" + relative;
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The text without the comment lines and blank lines that open it.
std::string WithoutHeader(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    std::string out;
    bool body = false;
    while (std::getline(in, line)) {
        body = body || !(line.empty() || line.front() == '#');
        if (body) out += line + '\n';
    }
    return out;
}

StoredForm Parse(const std::string& text, FakePictureLoader& loader) {
    return ParseStoredForm(text, "test.buttons", loader);
}

TEST(StoredForm, ParsesEveryTypeOfValue) {
    struct Case {
        const char* line;
        const char* key;
        PropertyValue expected;
    };
    FakePictureLoader loader;
    const Case cases[] = {
        {"caption string Таблица рекордов", "Caption", std::string("Таблица рекордов")},
        {"caption\tstring   OK  ", "caption", std::string("OK")},
        {"soundover string .\\resources\\over.wav", "SoundOver", std::string(".\\resources\\over.wav")},
        {R"(caption string "")", "caption", std::string()},
        {R"(caption string "  a \"b\" \\ \n")", "caption", std::string("  a \"b\" \\ \n")},
        {"url string say \"hi\"", "url", std::string("say \"hi\"")},
        {"buttonstyle i32 3", "ButtonStyle", std::int32_t{3}},
        {"maskcolor i32 -1", "MaskColor", std::int32_t{-1}},
        {"backcolor i32 0x8000000F", "BackColor", std::int32_t{-2147483633}},
        {"xpcolor_hover i32 0x00FFFFFF", "XPColor_Hover", std::int32_t{0xFFFFFF}},
        {"mousepointer i16 99", "MOUSEPOINTER", std::int16_t{99}},
        {"bevel i16 0xFFFF", "BEVEL", std::int16_t{-1}},
        {"bevel i16 -32768", "BEVEL", std::int16_t{-32768}},
        {"enabled bool false", "Enabled", false},
        {"transparentbg bool true", "TransparentBG", true},
        {R"(font font "MS Sans Serif" 8.25 400 204 0 0 0 0)", "Font",
         FontAttributes{"MS Sans Serif", 8.25, false, false, false, false, 400, 204}},
        {R"(font font "Arial" 12 700 0 1 0 1 1)", "Font", FontAttributes{"Arial", 12, true, false, true, true, 700, 0}},
        {"picture picture none", "Picture", Picture()},
    };
    for (const auto& c : cases) {
        const StoredForm form = Parse(std::string("[b]\n") + c.line + "\n", loader);
        const PropertyValue* value = form.Instance("b").Find(c.key);
        ASSERT_NE(value, nullptr) << c.line;
        EXPECT_EQ(*value, c.expected) << c.line;
    }

    const StoredForm pictures = Parse(
        "# pictures\n[B]\r\nhover picture empty\r\nglyph picture bitmap images/glyph_close.bmp\r\n"
        "cursor picture icon \"images/hand_cursor.png\"\r\n",
        loader);
    const PropertyBag& bag = pictures.Instance("b");
    EXPECT_TRUE(bag.ReadPicture("hover", Picture()).isEmpty());
    EXPECT_FALSE(bag.ReadPicture("hover", Picture()).isNone());
    const Picture glyph = bag.ReadPicture("glyph", Picture());
    EXPECT_EQ(glyph.type(), Picture::Type::Bitmap);
    EXPECT_EQ(glyph.source(), "images/glyph_close.bmp");
    EXPECT_EQ(bag.ReadPicture("cursor", Picture()).type(), Picture::Type::Icon);
    EXPECT_EQ(loader.loaded, (std::vector<std::string>{"images/glyph_close.bmp", "images/hand_cursor.png"}));
}

TEST(StoredForm, MalformedLinesAreReportedWithFileLineAndProblem) {
    struct Case {
        const char* text;
        int line;
        const char* problem;
    };
    const Case cases[] = {
        {"caption string OK\n", 1, "до первого заголовка"},
        {"[b]\n\n# c\ncaption\n", 4, "нет типа"},
        {"[b]\ncaption string\n", 2, "нет значения"},
        {"[b]\ncaption text OK\n", 2, "неизвестный тип «text»"},
        {"[b]\ncaption string \"OK\n", 2, "нет закрывающей кавычки"},
        {"[b]\ncaption string \"OK\" x\n", 2, "лишний текст"},
        {"[b]\ncaption string \"\\q\"\n", 2, "\\q"},
        {"[b]\nbuttonstyle i32 three\n", 2, "«three» — не число"},
        {"[b]\nbuttonstyle i32 3 4\n", 2, "найдено — 2"},
        {"[b]\nbuttonstyle i32 2147483648\n", 2, "не помещается в i32"},
        {"[b]\nmousepointer i16 40000\n", 2, "не помещается в i16"},
        {"[b]\nbevel i16 0x10000\n", 2, "не помещается в i16"},
        {"[b]\nenabled bool -1\n", 2, "true или false"},
        {"[b]\nfont font Arial 8 400 0 0 0 0 0\n", 2, "в кавычках"},
        {"[b]\nfont font \"Arial\" 8 400 0 0 0 0\n", 2, "найдено — 7"},
        {"[b]\nfont font \"Arial\" big 400 0 0 0 0 0\n", 2, "не размер шрифта"},
        {"[b]\nfont font \"Arial\" 8 400 0 2 0 0 0\n", 2, "0 или 1"},
        {"[b]\nfont font \"Arial\" 8 400 300 0 0 0 0\n", 2, "0..255"},
        {"[b]\npicture picture metafile a.wmf\n", 2, "bitmap ФАЙЛ"},
        {"[b]\npicture picture bitmap images/missing.bmp\n", 2, "images/missing.bmp: не найден"},
        {"[b]\npicture picture icon \"\"\n", 2, "пустое имя файла"},
        {"[b]\ncaption string A\nCAPTION string B\n", 3, "«CAPTION» повторяется"},
        {"[b]\n[B]\n", 2, "«B» описана дважды"},
        {"[b\n", 1, "[имя]"},
        {"[ ]\n", 1, "[имя]"},
        {"[b]\ncaption string \xD0\n", 2, "UTF-8"},
    };
    FakePictureLoader loader;
    for (const auto& c : cases) {
        try {
            Parse(c.text, loader);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const StoredFormError& e) {
            EXPECT_EQ(e.line(), c.line) << c.text;
            EXPECT_EQ(e.file(), "test.buttons");
            const std::string message = e.what();
            EXPECT_NE(message.find("test.buttons: строка " + std::to_string(c.line)), std::string::npos) << message;
            EXPECT_NE(message.find(c.problem), std::string::npos) << message;
        }
    }
}

TEST(StoredForm, MissingFileAndMissingInstanceNameTheFile) {
    FakePictureLoader loader;
    try {
        LoadStoredForm("no/such/form.buttons", loader);
        ADD_FAILURE();
    } catch (const DataFileError& e) {
        EXPECT_EQ(e.file(), "no/such/form.buttons");
        EXPECT_EQ(e.problem(), "не найден");
    }
    const StoredForm form = Parse("[b]\n", loader);
    try {
        form.Instance("cmdstart");
        ADD_FAILURE();
    } catch (const DataFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Файл test.buttons: нет кнопки «cmdstart»");
    }
}

TEST(StoredForm, WriterChoosesAReadableFormThatReadsBack) {
    struct Case {
        PropertyValue value;
        const char* written;
    };
    const Case cases[] = {
        {std::string("Старт"), "string Старт"},
        {std::string(".\\resources\\over.wav"), "string .\\resources\\over.wav"},
        {std::string(""), "string \"\""},
        {std::string(" lead"), "string \" lead\""},
        {std::string("trail\t"), "string \"trail\\t\""},
        {std::string("\"quoted\" start"), "string \"\\\"quoted\\\" start\""},
        {std::string("two\nlines"), "string \"two\\nlines\""},
        {std::int16_t{-5}, "i16 -5"},
        {std::int32_t{99}, "i32 99"},
        {std::int32_t{0xFFFF}, "i32 65535"},
        {std::int32_t{0x10000}, "i32 0x00010000"},
        {std::int32_t{-32768}, "i32 -32768"},
        {static_cast<std::int32_t>(0x8000000Fu), "i32 0x8000000F"},
        {true, "bool true"},
        {FontAttributes{"A \"B\"", 9.75, true, false, false, true, 700, 204}, "font \"A \\\"B\\\"\" 9.75 700 204 1 0 0 1"},
        {Picture(), "picture none"},
        {Picture::Empty(), "picture empty"},
        {MakePicture(2, 2), "picture bitmap images/test.bmp"},
        {Picture::FromImage(Picture::Type::Icon, {}, "my images/a.png"), "picture icon \"my images/a.png\""},
    };
    FakePictureLoader loader;
    for (const auto& c : cases) {
        EXPECT_EQ(WriteTypedValue(c.value), c.written);
        const StoredForm back = Parse(std::string("[b]\nkey ") + c.written + "\n", loader);
        const PropertyValue& read = *back.Instance("b").Find("key");
        if (const auto* picture = std::get_if<Picture>(&c.value)) {
            // Pictures read back as new objects: compare what they are.
            EXPECT_EQ(std::get<Picture>(read).isNone(), picture->isNone()) << c.written;
            EXPECT_EQ(std::get<Picture>(read).type(), picture->type()) << c.written;
            EXPECT_EQ(std::get<Picture>(read).source(), picture->source()) << c.written;
        } else {
            EXPECT_EQ(read, c.value) << c.written;
        }
    }
    EXPECT_THROW(WriteTypedValue(Picture::FromImage(Picture::Type::Bitmap, {}, "")), std::invalid_argument);
    EXPECT_THROW(WriteTypedValue(Picture::FromImage(Picture::Type::Metafile, {}, "a.wmf")), std::invalid_argument);
}

// The program's eleven buttons, as the windows' descriptions give them.
struct ProgramButton {
    const char* form;
    const char* name;
    const char* caption;
    std::int32_t style;
    const char* glyph;  // nullptr for a captioned button
    Colour hover;
};

const ProgramButton kProgramButtons[] = {
    {"frmtorvel", "VantorButton1", "Таблица рекордов", 3, nullptr, SystemColour(COLOR_3DLIGHT)},
    {"frmtorvel", "cmdexi", "Выход", 3, nullptr, SystemColour(COLOR_3DLIGHT)},
    {"frmtorvel", "cmdhel", "Справка", 3, nullptr, SystemColour(COLOR_3DLIGHT)},
    {"frmtorvel", "cmdstart", "Старт", 3, nullptr, Rgb(255, 255, 255)},
    {"frmtorvel", "VantorButton8", "", 0, "images/glyph_minimise.bmp", SystemColour(COLOR_3DLIGHT)},
    {"frmtorvel", "VantorButton4", "OK", 3, nullptr, SystemColour(COLOR_3DLIGHT)},
    {"frmtorvel", "VantorButton5", "Закончить игру", 3, nullptr, SystemColour(COLOR_3DLIGHT)},
    {"frmtorvel", "VantorButton6", "Пропустить ход", 3, nullptr, SystemColour(COLOR_3DLIGHT)},
    {"frmtorvel", "VantorButton9", "", 0, "images/glyph_close.bmp", SystemColour(COLOR_3DLIGHT)},
    {"frmtvlstat", "VantorButton1", "Далее", 3, nullptr, SystemColour(COLOR_3DLIGHT)},
    {"frmtvlstat", "VantorButton2", "Разбор", 3, nullptr, SystemColour(COLOR_3DLIGHT)},
    {"frmbre", "VantorButton1", "OK", 3, nullptr, SystemColour(COLOR_3DLIGHT)},
    {"frmreview", "VantorButton1", "Закрыть", 3, nullptr, SystemColour(COLOR_3DLIGHT)},
};

std::string FormPath(const std::string& form) { return SourcePath("windows/forms/" + form + ".buttons"); }

TEST(StoredForm, TheProgramsFormsHoldExactlyTheirButtons) {
    FakePictureLoader loader;
    for (const char* form : {"frmtorvel", "frmtvlstat", "frmbre", "frmreview"}) {
        std::vector<std::string> expected;
        for (const auto& b : kProgramButtons) {
            if (std::string(b.form) == form) expected.push_back(b.name);
        }
        const StoredForm stored = LoadStoredForm(FormPath(form), loader);
        std::vector<std::string> names;
        for (const auto& instance : stored.Instances()) names.push_back(instance.name);
        EXPECT_EQ(names, expected) << form;
    }
}

TEST(StoredForm, EachProgramButtonRestoresToItsStoredValues) {
    FakePictureLoader loader;
    for (const auto& b : kProgramButtons) {
        const StoredForm form = LoadStoredForm(FormPath(b.form), loader);
        FakeHost host;
        host.ambient.name = b.name;
        VantorButtonModel button(host.Host(), MakePicture(32, 32, Picture::Type::Icon));
        RestoreFromForm(button, form, b.name);
        const std::string label = std::string(b.form) + "." + b.name;
        const bool glyph = b.glyph != nullptr;
        testing::ExpectProperties(button, {
                                              {"Caption", b.caption},
                                              {"ButtonStyle", std::to_string(b.style)},
                                              {"XPColor_Hover", testing::Hex(b.hover)},
                                              {"Picture", glyph ? std::string("bitmap ") + b.glyph : "none"},
                                              {"normalPicture", glyph ? std::string("bitmap ") + b.glyph : "none"},
                                              {"PictureWidth", glyph ? "9" : "32"},
                                              {"PictureHeight", glyph ? "9" : "32"},
                                              {"OriginalPicSizeW", glyph ? "9" : "0"},
                                              {"OriginalPicSizeH", glyph ? "9" : "0"},
                                              {"Font", "MS Sans Serif 8.25 400 204 0000"},
                                              {"g_Font", "MS Sans Serif 8.25 400 204 0000"},
                                              {"MouseIcon", "icon images/hand_cursor.png"},
                                              {"MousePointer", "99"},
                                              // Everything else at its read default.
                                              {"Enabled", "true"},
                                              {"ShowFocusRect", "true"},
                                              {"URL", ""},
                                              {"PicturePosition", "1"},
                                              {"PictureSize", "1"},
                                              {"PictureHover", "none"},
                                              {"XPColor_Pressed", "0x80000014"},
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
                                          });
        EXPECT_EQ(host.surface.pointer, 99) << label;
        EXPECT_EQ(host.surface.cursor.source(), "images/hand_cursor.png") << label;
        EXPECT_EQ(button.AccessKey(), std::nullopt) << label;
        if (::testing::Test::HasFailure()) FAIL() << "in " << label;
    }
}

TEST(StoredForm, SavingTheRestoredButtonsWritesTheFormsBackUnchanged) {
    FakePictureLoader loader;
    for (const char* name : {"frmtorvel", "frmtvlstat", "frmbre", "frmreview"}) {
        const std::string text = ReadText(FormPath(name));
        const StoredForm form = ParseStoredForm(text, FormPath(name), loader);
        StoredForm saved;
        for (const auto& instance : form.Instances()) {
            FakeHost host;
            host.ambient.name = instance.name;
            VantorButtonModel button(host.Host(), Picture());
            button.Restore(instance.properties);
            button.Save(saved.Add(instance.name));
        }
        EXPECT_EQ(WriteStoredForm(saved), WithoutHeader(text)) << name;
    }
}

TEST(StoredForm, RefusedValuesNameTheFormAndTheButton) {
    FakePictureLoader loader;
    const StoredForm form = Parse("[cmdexi]\nmousepointer i32 40000\n[cmdhel]\ncaption i32 5\nfont i32 5\n", loader);
    FakeHost host;
    VantorButtonModel button(host.Host(), Picture());
    const std::pair<const char*, const char*> cases[] = {{"cmdexi", "MousePointer"}, {"cmdhel", "«Font»"}};
    for (const auto& [instance, problem] : cases) {
        try {
            RestoreFromForm(button, form, instance);
            ADD_FAILURE() << instance;
        } catch (const DataFileError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find("test.buttons: кнопка «" + std::string(instance) + "»"), std::string::npos)
                << message;
            EXPECT_NE(message.find(problem), std::string::npos) << message;
        }
    }
    // A number is taken as a caption in its text form.
    RestoreFromForm(button, Parse("[b]\ncaption i32 5\n", loader), "b");
    EXPECT_EQ(button.Caption(), "5");
}

}  // namespace
}  // namespace torvel
