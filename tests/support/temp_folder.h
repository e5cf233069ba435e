// Scratch folders and whole files for the tests.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace torvel::testing {

// A fresh folder under `parent` (by default the system's temporary folder),
// removed with its content when the object goes away, even after its
// permissions were taken away.
class TempFolder {
public:
    explicit TempFolder(
        const std::filesystem::path& parent = std::filesystem::temp_directory_path());
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

    // Writes `bytes` into the file `name` of the folder and returns its path.
    std::string Write(const std::string& name, std::string_view bytes) const;

    // Names of everything in the folder, sorted.
    std::vector<std::string> entries() const { return EntriesOf(m_path); }
    static std::vector<std::string> EntriesOf(const std::filesystem::path& folder);

private:
    std::filesystem::path m_path;
};

void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);

}  // namespace torvel::testing
