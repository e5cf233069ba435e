// Word bases written into a scratch folder for one test.
#include "tests/support/temp_base.h"

#include <fstream>
#include <random>

#include "common/cp1251.h"

namespace torvel {

TempDir::TempDir() {
    std::random_device device;
    const auto base = std::filesystem::temp_directory_path();
    for (;;) {
        m_path = base / ("torvel-test-" + std::to_string(device()));
        if (std::filesystem::create_directory(m_path)) break;
    }
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string TempDir::Write(const std::string& name, std::string_view bytes) const {
    const auto file = m_path / name;
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file.string();
}

std::vector<std::string> FillerLines() {
    return std::vector<std::string>(11031, std::string(kFiller));
}

std::string JoinLines(const std::vector<std::string>& lines, std::string_view ending) {
    std::string bytes;
    for (const auto& line : lines) bytes.append(line).append(ending);
    return bytes;
}

std::vector<std::string> ToCp1251(const std::vector<std::string>& utf8Lines) {
    std::vector<std::string> lines;
    lines.reserve(utf8Lines.size());
    for (const auto& line : utf8Lines) lines.push_back(Utf8ToCp1251(line));
    return lines;
}

}  // namespace torvel
