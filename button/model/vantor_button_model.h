// The skinned push button without its widget: properties, persistence and the
// reaction to mouse, keyboard, focus and the hover timer.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "button/host/button_host.h"
#include "button/host/property_store.h"
#include "button/model/button_font.h"
#include "button/paint/colour.h"
#include "button/paint/font_attributes.h"
#include "button/paint/paint_input.h"
#include "button/paint/picture.h"

namespace torvel {

// Property and member names follow the button's own vocabulary (ButtonStyle,
// XPColor_Hover, BEVELDEPTH, g_Font, hovered...). Every setter stores the
// value, reports the change under the property's key, then does its extra
// step (repaint, re-lay-out...). The painter reads only CurrentPaintInput().
class VantorButtonModel {
public:
    static constexpr std::string_view kVersion = "030102-155";
    static constexpr int kOverTimerInterval = 10;  // milliseconds
    // Where the program keeps the hand cursor of imgHAND, relative to assets.
    static constexpr std::string_view kHandCursorFile = "images/hand_cursor.png";

    // Creation: the surface starts in pixels, with the hand cursor of
    // `handCursor` (pointer kind 99) and the version in its tag.
    VantorButtonModel(const ButtonHost& host, torvel::Picture handCursor);
    // Destruction stops the hover timer, so that no tick reaches a button
    // that is gone.
    ~VantorButtonModel();
    VantorButtonModel(const VantorButtonModel&) = delete;
    VantorButtonModel& operator=(const VantorButtonModel&) = delete;

    // Lifecycle: after creation either NewInstance (first placement in a
    // window) or Restore (every later load); Save when the window's
    // description is stored. Restore throws OverflowError for a MousePointer
    // outside 16 bits and PropertyTypeError for a value of the wrong type.
    void NewInstance();
    void Restore(const PropertyStore& store);
    void Save(PropertyStore& store) const;

    // Properties.
    bool Enabled() const;
    void SetEnabled(bool value);
    FontAttributes Font() const;
    void SetFont(const FontAttributes& font);
    std::int32_t hwnd() const;
    std::int32_t MousePointer() const;
    void SetMousePointer(std::int32_t value);  // OverflowError outside 16 bits
    torvel::Picture MouseIcon() const;
    void SetMouseIcon(const torvel::Picture& value);
    bool ShowFocusRect() const { return m_ShowFocusRect; }
    void SetShowFocusRect(bool value);
    const std::string& URL() const { return m_URL; }
    void SetURL(const std::string& value);
    const std::string& Caption() const { return m_Caption; }  // UTF-8
    void SetCaption(const std::string& value);
    std::int32_t ButtonStyle() const { return m_ButtonStyle; }
    void SetButtonStyle(std::int32_t value);
    std::int32_t PicturePosition() const { return m_PicturePosition; }
    void SetPicturePosition(std::int32_t value);
    const torvel::Picture& Picture() const { return m_Picture; }
    void SetPicture(const torvel::Picture& value);
    std::int32_t PictureWidth() const { return m_PictureWidth; }
    void SetPictureWidth(std::int32_t value);
    std::int32_t PictureHeight() const { return m_PictureHeight; }
    void SetPictureHeight(std::int32_t value);
    std::int32_t PictureSize() const { return m_PictureSize; }
    void SetPictureSize(std::int32_t value);
    const torvel::Picture& PictureHover() const { return m_PictureHover; }
    void SetPictureHover(const torvel::Picture& value);
    Colour XPColor_Pressed() const { return m_XPColor_Pressed; }
    void SetXPColor_Pressed(Colour value);
    Colour XPColor_Hover() const { return m_XPColor_Hover; }
    void SetXPColor_Hover(Colour value);
    bool XPDefaultColors() const { return m_XPDefaultColors; }
    void SetXPDefaultColors(bool value);
    Colour BackColor() const { return m_BackColor; }
    void SetBackColor(Colour value);
    Colour ForeColor() const { return m_ForeColor; }
    void SetForeColor(Colour value);
    const std::string& SoundOver() const { return m_SoundOver; }
    void SetSoundOver(const std::string& value);
    const std::string& SoundClick() const { return m_SoundClick; }
    void SetSoundClick(const std::string& value);
    std::string version() const;
    void SetVersion(const std::string& value);  // accepted and ignored
    bool DefCurHand() const { return m_DefCurHand; }
    void SetDefCurHand(bool value);
    bool XPShowBorderAlways() const { return m_XPShowBorderAlways; }
    void SetXPShowBorderAlways(bool value);
    Colour MaskColor() const { return m_MaskColor; }
    void SetMaskColor(Colour value);
    bool TransparentBG() const { return m_TransparentBG; }
    void SetTransparentBG(bool value);
    std::int16_t BEVEL() const { return m_BEVEL; }
    void SetBEVEL(std::int16_t value);
    std::int16_t BEVELDEPTH() const { return m_BEVELDEPTH; }
    void SetBEVELDEPTH(std::int16_t value);

    // Methods.
    void Refresh();
    void GoToURL();

    // Members besides the properties.
    ButtonFont& g_Font() { return m_gFont; }
    const ButtonFont& g_Font() const { return m_gFont; }
    const torvel::Picture& normalPicture() const { return m_normalPicture; }
    std::int32_t OriginalPicSizeW() const { return m_OriginalPicSizeW; }
    std::int32_t OriginalPicSizeH() const { return m_OriginalPicSizeH; }
    const torvel::Picture& imgHAND() const { return m_imgHAND; }
    std::uint8_t focused() const { return m_focused; }
    std::uint8_t pressed() const { return m_pressed; }
    std::uint8_t hovered() const { return m_hovered; }
    std::uint8_t keyHeld() const { return m_keyHeld; }
    std::int16_t lastButton() const { return m_lastButton; }
    std::int16_t lastShift() const { return m_lastShift; }
    float lastX() const { return m_lastX; }
    float lastY() const { return m_lastY; }
    std::optional<char32_t> AccessKey() const { return m_accessKey; }

    // Everything the painter reads for one repaint.
    PaintInput CurrentPaintInput() const;

    // Inputs the host delivers for the surface. Mouse-button codes: 1 left,
    // 2 right, 4 middle; key code 32 is Space; the shift state is passed on.
    void OnMouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void OnMouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void OnMouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
    // In place of the second press of a double click.
    void OnDblClick();
    void OnKeyDown(std::int16_t KeyCode, std::int16_t Shift);
    void OnKeyPress(std::int16_t KeyAscii);
    void OnKeyUp(std::int16_t KeyCode, std::int16_t Shift);
    void OnAccessKey(char32_t key);
    // A click without the pointer or a key held, as an access key or a screen
    // reader's press gives it: Click, then the address. Nothing while disabled.
    void Activate();
    void OnFocusIn();
    void OnFocusOut();
    void OnAmbientChanged();
    void OnOverTimerTick();

private:
    void Report(std::string_view key);
    void OnFontChanged();
    void DeriveAccessKey();
    void ChooseSize();
    void PlaySound(const std::string& path);
    bool Inside(float X, float Y) const;
    // The press and release steps, shared by the mouse, the double click and
    // the Space key. Press takes references so that a double click can hand
    // its stored record to MouseDown. Release tells whether the button
    // survived its events.
    void Press(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
    bool Release(std::int16_t Button, std::int16_t Shift, float X, float Y);
    // Runs `step` (raising an event, or yielding to the event loop) and tells
    // whether the button is still there: the window's handler, or input
    // handled during the yield, may have deleted it, and then the caller
    // returns at once without touching a member.
    template <typename Step>
    bool Survives(Step&& step);

    // Expires with the button; a step that calls out holds a weak copy.
    std::shared_ptr<const bool> m_alive = std::make_shared<const bool>(true);
    ButtonHost m_host;
    ButtonFont m_gFont;
    torvel::Picture m_imgHAND;

    // Until NewInstance or Restore fills them, the properties are zero.
    bool m_ShowFocusRect = false;
    std::string m_URL;
    std::string m_Caption;
    std::int32_t m_ButtonStyle = 0;
    std::int32_t m_PicturePosition = 0;
    torvel::Picture m_Picture;
    std::int32_t m_PictureWidth = 0;
    std::int32_t m_PictureHeight = 0;
    std::int32_t m_PictureSize = 0;
    torvel::Picture m_PictureHover;
    Colour m_XPColor_Pressed = 0;
    Colour m_XPColor_Hover = 0;
    bool m_XPDefaultColors = false;
    Colour m_BackColor = 0;
    Colour m_ForeColor = 0;
    std::string m_SoundOver;
    std::string m_SoundClick;
    bool m_DefCurHand = false;
    bool m_XPShowBorderAlways = false;
    Colour m_MaskColor = 0;
    bool m_TransparentBG = false;
    std::int16_t m_BEVEL = 0;
    std::int16_t m_BEVELDEPTH = 0;

    torvel::Picture m_normalPicture;
    std::int32_t m_OriginalPicSizeW = 0;
    std::int32_t m_OriginalPicSizeH = 0;
    std::optional<char32_t> m_accessKey;

    std::uint8_t m_focused = 0;
    std::uint8_t m_pressed = 0;
    std::uint8_t m_hovered = 0;
    std::uint8_t m_keyHeld = 0;
    std::int16_t m_lastButton = 0;
    std::int16_t m_lastShift = 0;
    float m_lastX = 0;
    float m_lastY = 0;
};

}  // namespace torvel
