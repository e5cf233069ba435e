// What the window tests share: a folder of crafted data files, test doubles of
// the windows' collaborators, and the player's hands (typing, clicking).
#pragma once

#include <QDesktopServices>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "game/random_source.h"
#include "windows/message_box.h"
#include "windows/name_dialog.h"

class QWidget;

namespace torvel::test {

// The crafted word base: 11031 lines of filler that is neither drawable nor
// playable, with these words at these lines (UTF-8 here, Windows-1251 on disk).
// The only line longer than 8 letters is the source word at kSourceLine.
inline constexpr int kSourceLine = 100;
struct BaseWord {
    int line;
    const char* word;
};
inline constexpr BaseWord kBaseWords[] = {
    {50, "РАМА"}, {kSourceLine, "ПРОГРАММА"}, {150, "ГРАММ"}, {300, "ПАРОМ"}, {400, "ПОРА"}, {450, "МАМА"},
    {600, "ДОМ"},
};

// The bytes of such a base holding `words` instead, for a test to write over
// wmbase.txt before the game first reads it.
std::string WordBaseBytes(std::span<const BaseWord> words = kBaseWords);

// The random numbers that make the game draw the source word (the word on
// `line`), and make the computer start looking after line `line` (0 to 4999).
double DrawSourceWord(int line = kSourceLine);
double ComputerStartsAfter(int line);

// A temporary folder made the current directory for the test's life, holding
// wmbase.txt, results.tvl and fontvl.gif.
class GameFolder {
public:
    GameFolder();
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    QString path(const QString& name) const;

    // The table of best results: ten names, then ten scores, as given (UTF-8).
    void WriteResults(const std::vector<std::string>& names, const std::vector<std::string>& scores);
    // Any bytes under a file name.
    void Write(const QString& name, const std::string& bytes);
    std::string Read(const QString& name) const;
    void Remove(const QString& name);

private:
    QString m_previous;
    QTemporaryDir m_dir;
};

// The bytes of a results file (Windows-1251, CR LF after every line).
std::string ResultsBytes(const std::vector<std::string>& names, const std::vector<std::string>& scores);

class RecordingMessageBox final : public MessageBox {
public:
    void Show(const std::string& text) override;
    // Writes the question down and answers it with `answer`.
    bool Ask(const std::string& question) override;

    std::vector<QString> shown;
    // Runs while a message is "open", as the player could act then.
    std::function<void(const QString&)> whileOpen;
    std::vector<QString> asked;
    bool answer = true;
};

class ScriptedNameDialog final : public NameDialog {
public:
    std::string Ask() override;

    // Each question takes the next answer; none stands for Cancel.
    std::deque<std::optional<QString>> answers;
    int asked = 0;
};

class ScriptedRandom final : public RandomSource {
public:
    void Reseed() override { ++reseeded; }
    double Next() override;

    std::deque<double> numbers;
    int reseeded = 0;
};

// Stands in for the desktop's browser while it lives: the web addresses the
// game asks it to open are written down, fully encoded.
class OpenedAddresses final : public QObject {
    Q_OBJECT
public:
    OpenedAddresses() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open"); }
    ~OpenedAddresses() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    std::vector<QString> opened;
public slots:
    void Open(const QUrl& url) { opened.push_back(url.toString(QUrl::FullyEncoded)); }
};

// The player's hands.
void Type(QWidget* field, const QString& text);
void Click(QWidget* window, const char* buttonName);
QWidget* TopLevel(const char* name);

}  // namespace torvel::test
