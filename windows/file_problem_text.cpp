// The words of a message about one of the player's files (UTF-8).
#include "windows/file_problem_text.h"

#include <algorithm>
#include <span>

#include "player_files/player_files.h"

namespace torvel {

namespace {

constexpr std::size_t kListedLines = 5;

// "строка 7 не прочитана и пропущена", "строки 7, 9 и 12 не прочитаны и
// пропущены".
std::string SkippedLinesText(std::span<const int> lines) {
    if (lines.size() == 1) return "строка " + std::to_string(lines.front()) + " не прочитана и пропущена";
    const std::size_t listed = std::min(lines.size(), kListedLines);
    std::string text = "строки ";
    for (std::size_t i = 0; i < listed; ++i) {
        if (i > 0) text += (i + 1 == listed && listed == lines.size()) ? " и " : ", ";
        text += std::to_string(lines[i]);
    }
    if (listed < lines.size()) text += " и ещё " + std::to_string(lines.size() - listed);
    return text + " не прочитаны и пропущены";
}

}  // namespace

std::string FileProblemText(const PlayerFileProblem& problem) {
    using Kind = PlayerFileProblem::Kind;
    std::string text = "Файл " + problem.file + ": ";
    if (problem.kind == Kind::LinesSkipped) {
        text += SkippedLinesText(problem.lines);
    } else if (problem.kind == Kind::SavedGameNotAllowed) {
        text += "в сохранённой партии есть слово, которого нет в словаре игры или не было в ней";
    } else {
        text += problem.reason;
    }
    if (problem.kind == Kind::SavedGameUnreadable || problem.kind == Kind::SavedGameNotAllowed) {
        text += problem.setAsideAs.empty() ? "; отложить его не удалось: " + problem.setAsideReason
                                           : "; партия отложена в файл " + problem.setAsideAs;
    }
    return text;
}

}  // namespace torvel
