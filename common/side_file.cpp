// The optional files beside the word base: UTF-8 text, one entry a line.
#include "common/side_file.h"

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "common/data_file_error.h"
#include "common/line_count_text.h"
#include "common/line_reader.h"
#include "common/system_reason.h"

namespace torvel {

namespace {

// The lines as split with one line more than is read, which tells that the
// file goes on beyond it.
SideFileReport TakeLines(const std::vector<std::string>& lines, std::string name, const SideFileLine& take) {
    SideFileReport report;
    report.name = std::move(name);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const int number = static_cast<int>(i) + 1;
        if (i == kSideFileMaxLines) {
            report.problem = "больше " + LineCountText(kSideFileMaxLines) + ", дальше файл не прочитан";
            break;
        }
        // The splitter stops within such a line: nothing follows it.
        if (line.size() > kSideFileMaxLineLength) {
            report.problem = "строка " + std::to_string(number) + " длиннее " +
                             std::to_string(kSideFileMaxLineLength) + " байт, дальше файл не прочитан";
            break;
        }
        if (line.empty() || take(line)) continue;
        if (report.skipped++ == 0) report.firstSkipped = number;
    }
    return report;
}

}  // namespace

std::string SideFileReport::Notice() const {
    std::string what = problem;
    if (skipped > 0) {
        if (!what.empty()) what += "; ";
        what += "пропущено повреждённых строк: " + std::to_string(skipped) + ", первая — строка " +
                std::to_string(firstSkipped);
    }
    return what.empty() ? what : DataFileError(name, what).what();
}

SideFileReport ReadSideFile(const std::string& path, const SideFileLine& take) {
    SideFileReport report;
    report.name = path;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) return report;
    if (error) {
        report.problem = "не удалось открыть: " + SystemReason(error.value());
    } else if (std::filesystem::is_directory(status)) {
        report.problem = SystemReason(EISDIR);
    } else if (!std::filesystem::is_regular_file(status)) {
        // A pipe or a device would hold the game up, or never end.
        report.problem = "это не обычный файл";
    } else {
        try {
            return TakeLines(ReadLeadingLines(path, kSideFileMaxLines + 1, kSideFileMaxLineLength), path, take);
        } catch (const DataFileError& failure) {
            report.problem = failure.problem();
        }
    }
    return report;
}

SideFileReport SplitSideFile(std::string_view bytes, std::string name, const SideFileLine& take) {
    LineSplitter lines(kSideFileMaxLines + 1, kSideFileMaxLineLength);
    lines.feed(bytes);
    return TakeLines(std::move(lines).finish(), std::move(name), take);
}

std::string SideFilePath(const std::string& besidePath, const std::string& name) {
    return std::filesystem::path(besidePath).replace_filename(name).string();
}

}  // namespace torvel
