// Restoring a button from its window's stored form.
#pragma once

#include <string_view>

#include "button/form/stored_form.h"
#include "button/model/vantor_button_model.h"

namespace torvel {

// Runs the button's restore with the entries of `instance`. A missing
// instance or a value the button refuses becomes a DataFileError naming the
// form's file and the instance.
void RestoreFromForm(VantorButtonModel& button, const StoredForm& form, std::string_view instance);

}  // namespace torvel
