// Scratch folders and whole-file helpers for the results table's tests.
#pragma once

#include <filesystem>
#include <string>
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

    // Names of everything in the folder, sorted.
    std::vector<std::string> entries() const { return EntriesOf(m_path); }
    static std::vector<std::string> EntriesOf(const std::filesystem::path& folder);

private:
    std::filesystem::path m_path;
};

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);

// Twenty lines, each followed by `lineEnd`: names first, then scores.
std::string TableText(const std::vector<std::string>& names, const std::vector<std::string>& scores,
                      const std::string& lineEnd = "\r\n");

}  // namespace torvel::testing
