// The skinned push button without its widget: properties, persistence and the
// reaction to mouse, keyboard, focus and the hover timer.
#include "button/model/vantor_button_model.h"

#include <cmath>

#include "button/host/property_errors.h"
#include "button/model/access_key.h"

namespace torvel {

namespace {

// The value a new instance gets, which is also the default for reading and
// writing the property's entry (Caption and Font default to the ambient
// name and font instead).
constexpr bool kDefaultEnabled = true;
constexpr std::int16_t kDefaultMousePointer = 0;
constexpr bool kDefaultShowFocusRect = true;
constexpr std::int32_t kDefaultButtonStyle = XPToolbar;
constexpr std::int32_t kDefaultPicturePosition = PictureLeft;
constexpr std::int32_t kDefaultPictureExtent = 32;
constexpr std::int32_t kDefaultPictureSize = 1;
constexpr std::int32_t kDefaultOriginalPicSize = 32;
constexpr Colour kDefaultXPColorPressed = SystemColour(COLOR_BTNHIGHLIGHT);
constexpr Colour kDefaultXPColorHover = SystemColour(COLOR_3DLIGHT);
constexpr bool kDefaultXPDefaultColors = true;
constexpr Colour kDefaultBackColor = SystemColour(COLOR_BTNFACE);
constexpr Colour kDefaultForeColor = SystemColour(COLOR_BTNTEXT);
constexpr std::string_view kDefaultSoundOver = ".\\resources\\over.wav";
constexpr std::string_view kDefaultSoundClick = ".\\resources\\click.wav";
constexpr bool kDefaultDefCurHand = true;
constexpr bool kDefaultXPShowBorderAlways = false;
constexpr Colour kDefaultMaskColor = 0;
constexpr bool kDefaultTransparentBG = false;
constexpr std::int16_t kDefaultBEVEL = 1;
constexpr std::int16_t kDefaultBEVELDEPTH = 8;

constexpr std::int16_t kCustomPointer = 99;
constexpr std::int16_t kRightButton = 2;
constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kSpaceKey = 32;
constexpr std::int32_t kActualSize = 2;

// Colours are stored as 32-bit signed integers holding the same bits.
std::int32_t Stored(Colour colour) { return static_cast<std::int32_t>(colour); }
Colour FromStored(std::int32_t value) { return static_cast<Colour>(value); }

std::int32_t NearestPixel(double pixels) { return static_cast<std::int32_t>(std::lround(pixels)); }

}  // namespace

VantorButtonModel::VantorButtonModel(const ButtonHost& host, torvel::Picture handCursor)
    : m_host(host), m_gFont([this] { OnFontChanged(); }), m_imgHAND(std::move(handCursor)) {
    m_host.surface.SetScaleToPixels();
    m_host.surface.SetTag(std::string(kVersion));
    m_host.surface.SetPointerKind(kCustomPointer);
    m_host.surface.SetCursorPicture(m_imgHAND);
    m_host.overTimer.SetInterval(kOverTimerInterval);
}

VantorButtonModel::~VantorButtonModel() {
    if (m_host.overTimer.IsActive()) m_host.overTimer.Stop();
}

// ---- Lifecycle -------------------------------------------------------------

void VantorButtonModel::NewInstance() {
    // Members only: nothing is reported or repainted while a button is placed.
    m_BackColor = kDefaultBackColor;
    m_ForeColor = kDefaultForeColor;
    m_ShowFocusRect = kDefaultShowFocusRect;
    const FontAttributes containerFont = m_host.ambient.ContainerFont();
    m_host.surface.SetFont(containerFont);
    m_gFont.Replace(containerFont);
    m_Caption = m_host.ambient.InstanceName();
    m_PicturePosition = kDefaultPicturePosition;
    m_ButtonStyle = kDefaultButtonStyle;
    m_PictureWidth = kDefaultPictureExtent;
    m_PictureHeight = kDefaultPictureExtent;
    m_PictureSize = kDefaultPictureSize;
    m_PictureHover = torvel::Picture::Empty();
    m_normalPicture = torvel::Picture::Empty();
    m_URL.clear();
    m_XPColor_Pressed = kDefaultXPColorPressed;
    m_XPColor_Hover = kDefaultXPColorHover;
    m_XPDefaultColors = kDefaultXPDefaultColors;
    m_SoundOver = kDefaultSoundOver;
    m_SoundClick = kDefaultSoundClick;
    m_DefCurHand = kDefaultDefCurHand;
    m_XPShowBorderAlways = kDefaultXPShowBorderAlways;
    m_MaskColor = kDefaultMaskColor;
    m_TransparentBG = kDefaultTransparentBG;
    m_BEVEL = kDefaultBEVEL;
    m_BEVELDEPTH = kDefaultBEVELDEPTH;
}

void VantorButtonModel::Restore(const PropertyStore& store) {
    ButtonSurface& surface = m_host.surface;
    const FontAttributes containerFont = m_host.ambient.ContainerFont();
    const torvel::Picture none;

    m_BackColor = FromStored(store.ReadInt32("BackColor", Stored(kDefaultBackColor)));
    surface.SetBackColour(m_BackColor);
    m_ForeColor = FromStored(store.ReadInt32("ForeColor", Stored(kDefaultForeColor)));
    surface.SetForeColour(m_ForeColor);

    m_ShowFocusRect = store.ReadBool("ShowFocusRect", kDefaultShowFocusRect);
    m_Caption = store.ReadString("Caption", m_host.ambient.InstanceName());
    m_PicturePosition = store.ReadInt32("PicturePosition", kDefaultPicturePosition);
    m_ButtonStyle = store.ReadInt32("ButtonStyle", kDefaultButtonStyle);
    m_Picture = store.ReadPicture("Picture", none);
    // Sizes are taken as stored: the size choice of the PictureSize setter
    // does not run here.
    m_PictureWidth = store.ReadInt32("PictureWidth", kDefaultPictureExtent);
    m_PictureHeight = store.ReadInt32("PictureHeight", kDefaultPictureExtent);
    m_PictureSize = store.ReadInt32("PictureSize", kDefaultPictureSize);
    m_OriginalPicSizeW = store.ReadInt32("OriginalPicSizeW", kDefaultOriginalPicSize);
    m_OriginalPicSizeH = store.ReadInt32("OriginalPicSizeH", kDefaultOriginalPicSize);

    surface.SetFont(store.ReadFont("Font", containerFont));
    m_gFont.Replace(store.ReadFont("Font", containerFont));

    m_PictureHover = store.ReadPicture("PictureHover", none);
    m_normalPicture = store.ReadPicture("Picture", none);

    SetMouseIcon(store.ReadPicture("MouseIcon", none));
    surface.SetEnabled(store.ReadBool("Enabled", kDefaultEnabled));
    surface.SetPointerKind(ToInt16("MousePointer", store.ReadInt32("MousePointer", kDefaultMousePointer)));

    m_URL = store.ReadString("URL", {});
    m_XPColor_Pressed = FromStored(store.ReadInt32("XPColor_Pressed", Stored(kDefaultXPColorPressed)));
    m_XPColor_Hover = FromStored(store.ReadInt32("XPColor_Hover", Stored(kDefaultXPColorHover)));
    m_XPDefaultColors = store.ReadBool("XPDefaultColors", kDefaultXPDefaultColors);
    m_SoundOver = store.ReadString("SoundOver", std::string(kDefaultSoundOver));
    m_SoundClick = store.ReadString("SoundClick", std::string(kDefaultSoundClick));
    // Only the flag: the cursor comes from the MouseIcon and MousePointer entries.
    m_DefCurHand = store.ReadBool("DefCurHand", kDefaultDefCurHand);
    m_XPShowBorderAlways = store.ReadBool("XPShowBorderAlways", kDefaultXPShowBorderAlways);
    m_MaskColor = FromStored(store.ReadInt32("MaskColor", Stored(kDefaultMaskColor)));
    m_TransparentBG = store.ReadBool("TransparentBG", kDefaultTransparentBG);
    m_BEVEL = store.ReadInt16("BEVEL", kDefaultBEVEL);
    m_BEVELDEPTH = store.ReadInt16("BEVELDEPTH", kDefaultBEVELDEPTH);

    DeriveAccessKey();
    m_host.redraw.Relayout();
}

void VantorButtonModel::Save(PropertyStore& store) const {
    const ButtonSurface& surface = m_host.surface;
    const torvel::Picture none;

    store.Write<std::string>("Caption", m_Caption, m_host.ambient.InstanceName());
    store.Write<std::int32_t>("PicturePosition", m_PicturePosition, kDefaultPicturePosition);
    store.Write<std::int32_t>("ButtonStyle", m_ButtonStyle, kDefaultButtonStyle);
    store.Write<torvel::Picture>("Picture", m_Picture, none);
    store.Write<std::int32_t>("PictureWidth", m_PictureWidth, kDefaultPictureExtent);
    store.Write<std::int32_t>("PictureHeight", m_PictureHeight, kDefaultPictureExtent);
    store.Write<std::int32_t>("PictureSize", m_PictureSize, kDefaultPictureSize);
    store.Write<std::int32_t>("OriginalPicSizeW", m_OriginalPicSizeW, kDefaultOriginalPicSize);
    store.Write<std::int32_t>("OriginalPicSizeH", m_OriginalPicSizeH, kDefaultOriginalPicSize);
    store.Write<torvel::Picture>("PictureHover", m_PictureHover, none);
    store.Write<bool>("Enabled", surface.Enabled(), kDefaultEnabled);
    store.Write<FontAttributes>("Font", surface.Font(), m_host.ambient.ContainerFont());
    store.Write<torvel::Picture>("MouseIcon", surface.CursorPicture(), none);
    store.Write<std::int16_t>("MousePointer", surface.PointerKind(), kDefaultMousePointer);
    store.Write<bool>("ShowFocusRect", m_ShowFocusRect, kDefaultShowFocusRect);
    store.Write<std::string>("URL", m_URL, {});
    store.Write<std::int32_t>("XPColor_Pressed", Stored(m_XPColor_Pressed), Stored(kDefaultXPColorPressed));
    store.Write<std::int32_t>("XPColor_Hover", Stored(m_XPColor_Hover), Stored(kDefaultXPColorHover));
    store.Write<bool>("XPDefaultColors", m_XPDefaultColors, kDefaultXPDefaultColors);
    store.Write<std::int32_t>("BackColor", Stored(m_BackColor), Stored(kDefaultBackColor));
    store.Write<std::int32_t>("ForeColor", Stored(m_ForeColor), Stored(kDefaultForeColor));
    store.Write<std::string>("SoundOver", m_SoundOver, std::string(kDefaultSoundOver));
    store.Write<std::string>("SoundClick", m_SoundClick, std::string(kDefaultSoundClick));
    store.Write<bool>("DefCurHand", m_DefCurHand, kDefaultDefCurHand);
    store.Write<bool>("XPShowBorderAlways", m_XPShowBorderAlways, kDefaultXPShowBorderAlways);
    store.Write<std::int32_t>("MaskColor", Stored(m_MaskColor), Stored(kDefaultMaskColor));
    store.Write<bool>("TransparentBG", m_TransparentBG, kDefaultTransparentBG);
    store.Write<std::int16_t>("BEVEL", m_BEVEL, kDefaultBEVEL);
    store.Write<std::int16_t>("BEVELDEPTH", m_BEVELDEPTH, kDefaultBEVELDEPTH);
}

// ---- Properties --------------------------------------------------------------

bool VantorButtonModel::Enabled() const { return m_host.surface.Enabled(); }

void VantorButtonModel::SetEnabled(bool value) {
    m_host.surface.SetEnabled(value);
    Report("Enabled");
    Refresh();
}

FontAttributes VantorButtonModel::Font() const { return m_gFont.Attributes(); }

void VantorButtonModel::SetFont(const FontAttributes& font) {
    // Six attributes, each announced by g_Font; weight and character set stay.
    m_gFont.SetName(font.name);
    m_gFont.SetSize(font.size);
    m_gFont.SetBold(font.bold);
    m_gFont.SetItalic(font.italic);
    m_gFont.SetUnderline(font.underline);
    m_gFont.SetStrikethrough(font.strikethrough);
    Report("Font");
}

std::int32_t VantorButtonModel::hwnd() const { return m_host.surface.WindowHandle(); }

std::int32_t VantorButtonModel::MousePointer() const { return m_host.surface.PointerKind(); }

void VantorButtonModel::SetMousePointer(std::int32_t value) {
    const std::int16_t kind = ToInt16("MousePointer", value);  // throws before anything changes
    m_host.surface.SetPointerKind(kind);
    Report("MousePointer");
}

torvel::Picture VantorButtonModel::MouseIcon() const { return m_host.surface.CursorPicture(); }

void VantorButtonModel::SetMouseIcon(const torvel::Picture& value) {
    m_host.surface.SetCursorPicture(value);
    Report("MouseIcon");
}

void VantorButtonModel::SetShowFocusRect(bool value) {
    m_ShowFocusRect = value;
    Report("ShowFocusRect");
    Refresh();
}

void VantorButtonModel::SetURL(const std::string& value) {
    m_URL = value;
    Report("URL");
}

void VantorButtonModel::SetCaption(const std::string& value) {
    m_Caption = value;
    Report("Caption");
    DeriveAccessKey();
    Refresh();
}

void VantorButtonModel::SetButtonStyle(std::int32_t value) {
    m_ButtonStyle = value;
    Report("ButtonStyle");
    // The gradient skin covers the whole surface, so it is never transparent.
    if (value == XPButton) SetTransparentBG(false);
    m_host.redraw.Relayout();
}

void VantorButtonModel::SetPicturePosition(std::int32_t value) {
    m_PicturePosition = value;
    Report("PicturePosition");
    Refresh();
}

void VantorButtonModel::SetPicture(const torvel::Picture& value) {
    m_Picture = value;
    m_normalPicture = value;
    if (value.isNone()) {
        m_OriginalPicSizeW = kDefaultOriginalPicSize;
        m_OriginalPicSizeH = kDefaultOriginalPicSize;
    } else {
        m_OriginalPicSizeW = NearestPixel(m_host.units.HiMetricToPixelsX(value.widthHiMetric()));
        m_OriginalPicSizeH = NearestPixel(m_host.units.HiMetricToPixelsY(value.heightHiMetric()));
    }
    Report("Picture");
    if (m_PictureSize == kActualSize) {
        m_PictureWidth = m_OriginalPicSizeW;
        m_PictureHeight = m_OriginalPicSizeH;
    }
    Refresh();
}

void VantorButtonModel::SetPictureWidth(std::int32_t value) {
    m_PictureWidth = value;
    Report("PictureWidth");
    Refresh();
}

void VantorButtonModel::SetPictureHeight(std::int32_t value) {
    m_PictureHeight = value;
    Report("PictureHeight");
    Refresh();
}

void VantorButtonModel::SetPictureSize(std::int32_t value) {
    m_PictureSize = value;
    Report("PictureSize");
    ChooseSize();
    Refresh();
}

void VantorButtonModel::ChooseSize() {
    switch (m_PictureSize) {
        case 0:
            m_PictureWidth = 16;
            m_PictureHeight = 16;
            break;
        case 1:
            m_PictureWidth = 32;
            m_PictureHeight = 32;
            break;
        case kActualSize:
            m_PictureWidth = m_Picture.isNone() ? kDefaultPictureExtent : m_OriginalPicSizeW;
            m_PictureHeight = m_Picture.isNone() ? kDefaultPictureExtent : m_OriginalPicSizeH;
            break;
        default:
            break;  // any other value keeps the sizes set directly
    }
}

void VantorButtonModel::SetPictureHover(const torvel::Picture& value) {
    m_PictureHover = value;
    Report("PictureHover");
}

void VantorButtonModel::SetXPColor_Pressed(Colour value) {
    m_XPColor_Pressed = value;
    Report("XPColor_Pressed");
}

void VantorButtonModel::SetXPColor_Hover(Colour value) {
    m_XPColor_Hover = value;
    Report("XPColor_Hover");
}

void VantorButtonModel::SetXPDefaultColors(bool value) {
    m_XPDefaultColors = value;
    Report("XPDefaultColors");
}

void VantorButtonModel::SetBackColor(Colour value) {
    m_BackColor = value;
    Report("BackColor");
    m_host.surface.SetBackColour(value);
    Refresh();
}

void VantorButtonModel::SetForeColor(Colour value) {
    m_ForeColor = value;
    Report("ForeColor");
    m_host.surface.SetForeColour(value);
    Refresh();
}

void VantorButtonModel::SetSoundOver(const std::string& value) {
    m_SoundOver = value;
    Report("SoundOver");
}

void VantorButtonModel::SetSoundClick(const std::string& value) {
    m_SoundClick = value;
    Report("SoundClick");
}

std::string VantorButtonModel::version() const { return m_host.surface.Tag(); }

void VantorButtonModel::SetVersion(const std::string&) {}

void VantorButtonModel::SetDefCurHand(bool value) {
    m_DefCurHand = value;
    Report("DefCurHand");
    // The cursor changes are the surface's own and are not reported.
    if (value) {
        m_host.surface.SetCursorPicture(m_imgHAND);
        m_host.surface.SetPointerKind(kCustomPointer);
    } else {
        m_host.surface.SetCursorPicture(torvel::Picture());
    }
}

void VantorButtonModel::SetXPShowBorderAlways(bool value) {
    m_XPShowBorderAlways = value;
    Report("XPShowBorderAlways");
}

void VantorButtonModel::SetMaskColor(Colour value) {
    m_MaskColor = value;
    Report("MaskColor");
    Refresh();
}

void VantorButtonModel::SetTransparentBG(bool value) {
    m_TransparentBG = value;
    Report("TransparentBG");
    Refresh();
}

void VantorButtonModel::SetBEVEL(std::int16_t value) {
    m_BEVEL = value;
    Report("BEVEL");
    Refresh();
}

void VantorButtonModel::SetBEVELDEPTH(std::int16_t value) {
    m_BEVELDEPTH = value;
    Report("BEVELDEPTH");
    Refresh();
}

// ---- Methods -------------------------------------------------------------------

void VantorButtonModel::Refresh() { m_host.redraw.Repaint(); }

void VantorButtonModel::GoToURL() {
    // The prefix is compared with its letter case: "MAILTO:" is navigated.
    if (m_URL.starts_with("mailto:")) {
        m_host.addresses.ShellOpen(m_URL);
    } else if (!m_URL.empty()) {
        m_host.addresses.Navigate(m_URL);
    }
}

PaintInput VantorButtonModel::CurrentPaintInput() const {
    PaintInput in;
    in.ButtonStyle = m_ButtonStyle;
    in.BackColor = m_BackColor;
    in.ForeColor = m_ForeColor;
    in.Enabled = m_host.surface.Enabled();
    in.Caption = m_Caption;
    in.Font = m_host.surface.Font();
    in.ShowFocusRect = m_ShowFocusRect;
    in.BEVEL = m_BEVEL;
    in.BEVELDEPTH = m_BEVELDEPTH;
    in.TransparentBG = m_TransparentBG;
    in.XPShowBorderAlways = m_XPShowBorderAlways;
    in.XPDefaultColors = m_XPDefaultColors;
    in.XPColor_Pressed = m_XPColor_Pressed;
    in.XPColor_Hover = m_XPColor_Hover;
    in.picture = m_Picture;
    in.PictureWidth = m_PictureWidth;
    in.PictureHeight = m_PictureHeight;
    in.OriginalPicSizeW = m_OriginalPicSizeW;
    in.OriginalPicSizeH = m_OriginalPicSizeH;
    in.PicturePosition = m_PicturePosition;
    in.MaskColor = m_MaskColor;
    in.focused = m_focused;
    in.pressed = m_pressed;
    in.hovered = m_hovered;
    in.isDefault = m_host.ambient.DisplayAsDefault();
    in.userMode = m_host.ambient.UserMode();
    return in;
}

// ---- Inputs ----------------------------------------------------------------------

void VantorButtonModel::OnMouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    Press(Button, Shift, X, Y);
}

void VantorButtonModel::OnMouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    if (Inside(X, Y) && m_hovered == 0) {
        m_host.overTimer.Start();
        m_hovered = 1;
        if (!m_PictureHover.isNone()) m_Picture = m_PictureHover;
        std::int16_t inShift = Shift;
        if (!Survives([&] { m_host.events.MouseIn(inShift); })) return;
        Refresh();
        // Other input may run here, the hover exit among it; the sound plays
        // all the same once it has, unless that input deleted the button.
        if (!Survives([&] { m_host.eventLoop.Yield(); })) return;
        PlaySound(m_SoundOver);
    }
    m_host.events.MouseMove(Button, Shift, X, Y);
}

void VantorButtonModel::OnMouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    Release(Button, Shift, X, Y);
}

void VantorButtonModel::OnDblClick() {
    m_host.pointer.Capture();
    Press(m_lastButton, m_lastShift, m_lastX, m_lastY);
}

void VantorButtonModel::OnKeyDown(std::int16_t KeyCode, std::int16_t Shift) {
    if (m_keyHeld == 0) {
        if (KeyCode == kSpaceKey) {
            m_pressed = 1;
            m_hovered = 1;
            Refresh();
        }
        m_keyHeld = 1;
    }
    m_host.events.KeyDown(KeyCode, Shift);
}

void VantorButtonModel::OnKeyPress(std::int16_t KeyAscii) { m_host.events.KeyPress(KeyAscii); }

void VantorButtonModel::OnKeyUp(std::int16_t KeyCode, std::int16_t Shift) {
    if (KeyCode == kSpaceKey) {
        m_pressed = 0;
        m_hovered = 0;
        Refresh();
        if (!Release(kLeftButton, Shift, 0.0f, 0.0f)) return;
    }
    m_keyHeld = 0;
    m_host.events.KeyUp(KeyCode, Shift);
}

void VantorButtonModel::OnAccessKey(char32_t) { Activate(); }

void VantorButtonModel::Activate() {
    if (!m_host.surface.Enabled()) return;
    if (!Survives([&] { m_host.events.Click(); })) return;
    GoToURL();
}

void VantorButtonModel::OnFocusIn() {
    m_focused = 1;
    Refresh();
}

void VantorButtonModel::OnFocusOut() {
    m_focused = 0;
    m_pressed = 0;
    Refresh();
}

void VantorButtonModel::OnAmbientChanged() { Refresh(); }

void VantorButtonModel::OnOverTimerTick() {
    if (m_host.pointer.IsSurfaceAt(m_host.pointer.CursorPos())) return;

    m_host.overTimer.Stop();
    m_hovered = 0;
    m_Picture = m_normalPicture;
    if (!Survives([&] { m_host.events.MouseOut(m_lastShift); })) return;
    Refresh();
    if (m_pressed == 1) {
        // A button still held is drawn released while the pointer is away.
        m_pressed = 0;
        Refresh();
        m_pressed = 1;
    }
}

// ---- Shared steps ------------------------------------------------------------------

template <typename Step>
bool VantorButtonModel::Survives(Step&& step) {
    // A QPointer of our own: the weak copy lives on the stack and expires if
    // the button is destroyed while `step` runs.
    const std::weak_ptr<const bool> alive = m_alive;
    std::forward<Step>(step)();
    return !alive.expired();
}

void VantorButtonModel::Report(std::string_view key) { m_host.changes.PropertyChanged(key); }

void VantorButtonModel::OnFontChanged() {
    m_host.surface.SetFont(m_gFont.Attributes());
    Refresh();
}

void VantorButtonModel::DeriveAccessKey() {
    m_accessKey = AccessKeyOf(m_Caption);
    m_host.surface.SetAccessKey(m_accessKey);
}

void VantorButtonModel::PlaySound(const std::string& path) { m_host.sound.Play(path); }

bool VantorButtonModel::Inside(float X, float Y) const {
    return X >= 0.0f && Y >= 0.0f && X < static_cast<float>(m_host.surface.ClientWidth()) &&
           Y < static_cast<float>(m_host.surface.ClientHeight());
}

void VantorButtonModel::Press(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
    m_lastButton = Button;
    m_lastShift = Shift;
    m_lastX = X;
    m_lastY = Y;
    if (Button != kRightButton) {
        m_pressed = 1;
        Refresh();
    }
    m_host.events.MouseDown(Button, Shift, X, Y);
}

bool VantorButtonModel::Release(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    m_pressed = 0;
    if (Button != kRightButton) {
        Refresh();
        if (Inside(X, Y)) {
            PlaySound(m_SoundClick);
            if (!Survives([&] { m_host.events.Click(); })) return false;
            GoToURL();
        }
    }
    return Survives([&] { m_host.events.MouseUp(Button, Shift, X, Y); });
}

}  // namespace torvel
