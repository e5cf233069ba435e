// Restoring a button from its window's stored form.
#include "button/form/form_restore.h"

#include <stdexcept>

#include "button/host/property_errors.h"
#include "common/data_file_error.h"

namespace torvel {

void RestoreFromForm(VantorButtonModel& button, const StoredForm& form, std::string_view instance) {
    const PropertyBag& properties = form.Instance(instance);
    try {
        button.Restore(properties);
    } catch (const OverflowError& e) {
        throw DataFileError(form.FileName(), "кнопка «" + std::string(instance) + "»: " + e.what());
    } catch (const PropertyTypeError& e) {
        throw DataFileError(form.FileName(), "кнопка «" + std::string(instance) + "»: " + e.what());
    }
}

}  // namespace torvel
