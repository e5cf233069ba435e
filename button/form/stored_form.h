// The stored properties of the buttons of one window, instance by instance.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "button/form/property_bag.h"

namespace torvel {

struct StoredInstance {
    std::string name;  // the instance's name in its window, e.g. "cmdstart"
    PropertyBag properties;
};

class StoredForm {
public:
    StoredForm() = default;
    // `fileName` names the form in error messages.
    explicit StoredForm(std::string fileName) : m_fileName(std::move(fileName)) {}

    const std::string& FileName() const { return m_fileName; }
    const std::vector<StoredInstance>& Instances() const { return m_instances; }

    // Adds an instance and returns its store; throws std::invalid_argument
    // when the name is taken (names compare without regard to case).
    PropertyBag& Add(const std::string& name);
    const StoredInstance* Find(std::string_view name) const;
    // The store of an instance; DataFileError naming the file when absent.
    const PropertyBag& Instance(std::string_view name) const;

private:
    std::string m_fileName;
    std::vector<StoredInstance> m_instances;
};

}  // namespace torvel
