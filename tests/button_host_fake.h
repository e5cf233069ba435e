// Test doubles of the button's host services. They write what the button
// asks of them into one shared trace, so a test reads the order of events,
// repaints, sounds, timer switches and address openings in one list.
#pragma once

#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "button/host/button_host.h"
#include "button/host/picture_loader.h"
#include "button/paint/paint_input.h"
#include "common/data_file_error.h"

namespace torvel::testing {

using Trace = std::vector<std::string>;

inline std::string Num(float value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", static_cast<double>(value));
    return buffer;
}

class FakeSurface final : public ButtonSurface {
public:
    bool enabled = true;
    Colour back = 0;
    Colour fore = 0;
    FontAttributes font;
    std::int16_t pointer = 0;
    Picture cursor;
    std::string tag;
    int width = 80;
    int height = 20;
    bool pixels = false;
    std::optional<char32_t> accessKey;
    int fontSets = 0;

    bool Enabled() const override { return enabled; }
    void SetEnabled(bool value) override { enabled = value; }
    Colour BackColour() const override { return back; }
    void SetBackColour(Colour value) override { back = value; }
    Colour ForeColour() const override { return fore; }
    void SetForeColour(Colour value) override { fore = value; }
    FontAttributes Font() const override { return font; }
    void SetFont(const FontAttributes& value) override {
        font = value;
        ++fontSets;
    }
    std::int16_t PointerKind() const override { return pointer; }
    void SetPointerKind(std::int16_t kind) override { pointer = kind; }
    Picture CursorPicture() const override { return cursor; }
    void SetCursorPicture(const Picture& picture) override { cursor = picture; }
    std::int32_t WindowHandle() const override { return 4242; }
    std::string Tag() const override { return tag; }
    void SetTag(const std::string& value) override { tag = value; }
    int ClientWidth() const override { return width; }
    int ClientHeight() const override { return height; }
    void SetScaleToPixels() override { pixels = true; }
    void SetAccessKey(std::optional<char32_t> key) override { accessKey = key; }
};

class RecordingChanges final : public ChangeReport {
public:
    explicit RecordingChanges(Trace& trace) : m_trace(trace) {}
    std::function<void(std::string_view)> onReport;

    void PropertyChanged(std::string_view key) override {
        m_trace.push_back("report " + std::string(key));
        if (onReport) onReport(key);
    }

private:
    Trace& m_trace;
};

class FakeAmbient final : public AmbientProperties {
public:
    std::string name = "VantorButton1";
    FontAttributes font{"Arial", 10, false, false, false, false, 400, 1};
    bool userMode = true;
    bool isDefault = false;

    std::string InstanceName() const override { return name; }
    FontAttributes ContainerFont() const override { return font; }
    bool UserMode() const override { return userMode; }
    bool DisplayAsDefault() const override { return isDefault; }
};

// At `dpi` dots per inch 2540 hundredths of a millimetre are `dpi` pixels.
class FakeUnits final : public HiMetricConverter {
public:
    double dpiX = 96;
    double dpiY = 96;

    double HiMetricToPixelsX(double hiMetric) const override { return hiMetric * dpiX / 2540.0; }
    double HiMetricToPixelsY(double hiMetric) const override { return hiMetric * dpiY / 2540.0; }
};

// Records each request and what a painter would read at that moment.
class RecordingRedraw final : public RedrawRequests {
public:
    explicit RecordingRedraw(Trace& trace) : m_trace(trace) {}
    std::function<PaintInput()> snapshot;
    std::vector<PaintInput> frames;

    void Repaint() override {
        m_trace.push_back("repaint");
        if (snapshot) frames.push_back(snapshot());
    }
    void Relayout() override { m_trace.push_back("relayout"); }

private:
    Trace& m_trace;
};

class FakeTimer final : public IntervalTimer {
public:
    explicit FakeTimer(Trace& trace) : m_trace(trace) {}
    int interval = 0;
    bool active = false;

    void SetInterval(int milliseconds) override { interval = milliseconds; }
    void Start() override {
        active = true;
        m_trace.push_back("timer on");
    }
    void Stop() override {
        active = false;
        m_trace.push_back("timer off");
    }
    bool IsActive() const override { return active; }

private:
    Trace& m_trace;
};

// The pointer is over the surface while `overSurface` is true.
class FakePointer final : public PointerDevice {
public:
    explicit FakePointer(Trace& trace) : m_trace(trace) {}
    bool overSurface = true;

    ScreenPoint CursorPos() const override { return overSurface ? ScreenPoint{10, 10} : ScreenPoint{900, 900}; }
    bool IsSurfaceAt(ScreenPoint point) const override { return point.x == 10 && point.y == 10; }
    void Capture() override { m_trace.push_back("capture"); }

private:
    Trace& m_trace;
};

// Runs `duringYield` once, as if input had been waiting.
class FakeEventLoop final : public EventLoop {
public:
    explicit FakeEventLoop(Trace& trace) : m_trace(trace) {}
    std::function<void()> duringYield;

    void Yield() override {
        m_trace.push_back("yield");
        if (auto pending = std::exchange(duringYield, nullptr)) pending();
    }

private:
    Trace& m_trace;
};

class RecordingSound final : public SoundPlayer {
public:
    explicit RecordingSound(Trace& trace) : m_trace(trace) {}
    void Play(const std::string& path) override { m_trace.push_back("sound " + path); }

private:
    Trace& m_trace;
};

class RecordingAddresses final : public AddressOpener {
public:
    explicit RecordingAddresses(Trace& trace) : m_trace(trace) {}
    void ShellOpen(const std::string& address) override { m_trace.push_back("shell " + address); }
    void Navigate(const std::string& target) override { m_trace.push_back("navigate " + target); }

private:
    Trace& m_trace;
};

// Records every event with its arguments; the hooks let a test play a
// handler that writes into the arguments.
class RecordingEvents final : public ButtonEvents {
public:
    explicit RecordingEvents(Trace& trace) : m_trace(trace) {}
    std::function<void()> onClick;
    std::function<void(std::int16_t&, std::int16_t&, float&, float&)> onMouseDown;
    std::function<void(std::int16_t&, std::int16_t&, float&, float&)> onMouseUp;
    std::function<void(std::int16_t&)> onMouseIn;
    std::function<void(std::int16_t&)> onMouseOut;

    void Click() override {
        m_trace.push_back("Click");
        if (onClick) onClick();
    }
    void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override { Key("KeyDown", KeyCode, Shift); }
    void KeyPress(std::int16_t& KeyAscii) override { m_trace.push_back("KeyPress " + std::to_string(KeyAscii)); }
    void KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) override { Key("KeyUp", KeyCode, Shift); }
    void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override {
        Mouse("MouseDown", Button, Shift, X, Y);
        if (onMouseDown) onMouseDown(Button, Shift, X, Y);
    }
    void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override {
        Mouse("MouseMove", Button, Shift, X, Y);
    }
    void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override {
        Mouse("MouseUp", Button, Shift, X, Y);
        if (onMouseUp) onMouseUp(Button, Shift, X, Y);
    }
    void MouseIn(std::int16_t& Shift) override {
        m_trace.push_back("MouseIn " + std::to_string(Shift));
        if (onMouseIn) onMouseIn(Shift);
    }
    void MouseOut(std::int16_t& Shift) override {
        m_trace.push_back("MouseOut " + std::to_string(Shift));
        if (onMouseOut) onMouseOut(Shift);
    }

private:
    void Key(const char* name, std::int16_t code, std::int16_t shift) {
        m_trace.push_back(std::string(name) + ' ' + std::to_string(code) + ' ' + std::to_string(shift));
    }
    void Mouse(const char* name, std::int16_t button, std::int16_t shift, float x, float y) {
        m_trace.push_back(std::string(name) + ' ' + std::to_string(button) + ' ' + std::to_string(shift) + ' ' +
                          Num(x) + ' ' + Num(y));
    }

    Trace& m_trace;
};

// All the services of one button, sharing one trace.
struct FakeHost {
    Trace trace;
    FakeSurface surface;
    RecordingChanges changes{trace};
    FakeAmbient ambient;
    FakeUnits units;
    RecordingRedraw redraw{trace};
    FakeTimer timer{trace};
    FakePointer pointer{trace};
    FakeEventLoop eventLoop{trace};
    RecordingSound sound{trace};
    RecordingAddresses addresses{trace};
    RecordingEvents events{trace};

    ButtonHost Host() {
        return ButtonHost{surface, changes,   ambient, units,     redraw, timer,
                          pointer, eventLoop, sound,   addresses, events};
    }
    // The trace since the last call.
    Trace Take() { return std::exchange(trace, {}); }
};

// Pictures made on the spot, 9 × 9 unless `sizes` says otherwise; a
// reference containing "missing" fails as a missing file would.
class FakePictureLoader final : public PictureLoader {
public:
    std::map<std::string, int> sizes{{"images/hand_cursor.png", 32}};
    std::vector<std::string> loaded;

    Picture Load(Picture::Type type, const std::string& reference) override {
        if (reference.find("missing") != std::string::npos) throw DataFileError(reference, "не найден");
        loaded.push_back(reference);
        const auto size = sizes.find(reference);
        const int side = size == sizes.end() ? 9 : size->second;
        Image image{side, side, std::vector<std::uint32_t>(static_cast<std::size_t>(side * side), 0xFF0000FFu)};
        return Picture::FromImage(type, std::move(image), reference);
    }
};

inline Picture MakePicture(int width, int height, Picture::Type type = Picture::Type::Bitmap) {
    Image image{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width * height), 0xFF00FF00u)};
    return Picture::FromImage(type, std::move(image), "images/test.bmp");
}

}  // namespace torvel::testing
