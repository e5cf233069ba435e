// The stored properties of the buttons of one window, instance by instance.
#include "button/form/stored_form.h"

#include <algorithm>
#include <stdexcept>

#include "common/data_file_error.h"

namespace torvel {

PropertyBag& StoredForm::Add(const std::string& name) {
    if (Find(name)) throw std::invalid_argument("кнопка «" + name + "» описана дважды");
    m_instances.push_back(StoredInstance{name, {}});
    return m_instances.back().properties;
}

const StoredInstance* StoredForm::Find(std::string_view name) const {
    const auto found = std::find_if(m_instances.begin(), m_instances.end(),
                                    [&](const StoredInstance& i) { return SameKey(i.name, name); });
    return found == m_instances.end() ? nullptr : &*found;
}

const PropertyBag& StoredForm::Instance(std::string_view name) const {
    const StoredInstance* instance = Find(name);
    if (!instance) throw DataFileError(m_fileName, "нет кнопки «" + std::string(name) + "»");
    return instance->properties;
}

}  // namespace torvel
