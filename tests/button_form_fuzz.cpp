// Fuzzing the stored form: whatever the parser accepts must write back to a
// text that parses to the same form, and must restore into a button without
// anything worse than a refused value.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "button/form/form_restore.h"
#include "button/form/stored_form_error.h"
#include "button/form/stored_form_parser.h"
#include "button/form/stored_form_writer.h"
#include "button_host_fake.h"

namespace {

// Any reference loads as a 1 × 1 picture, except those naming a missing file.
class AnyPictureLoader final : public torvel::PictureLoader {
public:
    torvel::Picture Load(torvel::Picture::Type type, const std::string& reference) override {
        if (reference.find("missing") != std::string::npos) throw torvel::DataFileError(reference, "не найден");
        return torvel::Picture::FromImage(type, torvel::Image{1, 1, {0xFF000000u}}, reference);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    AnyPictureLoader loader;
    torvel::StoredForm form;
    try {
        form = torvel::ParseStoredForm(text, "fuzz.buttons", loader);
    } catch (const torvel::StoredFormError&) {
        return 0;
    }
    const std::string written = torvel::WriteStoredForm(form);
    if (torvel::WriteStoredForm(torvel::ParseStoredForm(written, "written.buttons", loader)) != written) std::abort();

    for (const auto& instance : form.Instances()) {
        torvel::testing::FakeHost host;
        host.ambient.name = instance.name;
        torvel::VantorButtonModel button(host.Host(), torvel::Picture());
        try {
            torvel::RestoreFromForm(button, form, instance.name);
        } catch (const torvel::DataFileError&) {
            continue;
        }
        button.OnMouseDown(1, 0, 1, 1);
        button.OnMouseUp(1, 0, 1, 1);
    }
    return 0;
}
