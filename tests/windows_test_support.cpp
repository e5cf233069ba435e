// What the window tests share: a folder of crafted data files, test doubles of
// the windows' collaborators, and the player's hands (typing, clicking).
#include "windows_test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <memory>

#include "common/cp1251.h"
#include "windows/cp1251_text.h"

namespace torvel::test {

namespace {

constexpr int kLines = 11031;

}  // namespace

std::string WordBaseBytes(std::span<const BaseWord> words) {
    // Filler: no letter of it is in the source word, and it is too short to
    // be drawn.
    std::vector<std::string> lines(kLines, Utf8ToCp1251("ЪЫЬ"));
    for (const BaseWord& word : words) lines[static_cast<std::size_t>(word.line - 1)] = Utf8ToCp1251(word.word);
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

double DrawSourceWord(int line) { return (line + 0.5) / kLines; }

double ComputerStartsAfter(int line) { return (line + 0.5) / 5000.0; }

GameFolder::GameFolder() : m_previous(QDir::currentPath()) {
    if (!m_dir.isValid()) throw std::runtime_error("no temporary folder");
    QDir::setCurrent(m_dir.path());
    Write(QStringLiteral("wmbase.txt"), WordBaseBytes());
    WriteResults({"Анна", "Борис", "Вера", "Глеб", "Дина", "Егор", "Жанна", "Захар", "Ира", "Кирилл"},
                 {"500", "400", "300", "200", "100", "50", "40", "30", "20", "10"});
    const QString source = qEnvironmentVariable("TORVEL_SOURCE_DIR");
    if (!QFile::copy(source + QStringLiteral("/assets/fontvl.gif"), path(QStringLiteral("fontvl.gif")))) {
        throw std::runtime_error("TORVEL_SOURCE_DIR does not lead to assets/fontvl.gif");
    }
}

GameFolder::~GameFolder() { QDir::setCurrent(m_previous); }

QString GameFolder::path(const QString& name) const { return m_dir.filePath(name); }

void GameFolder::WriteResults(const std::vector<std::string>& names, const std::vector<std::string>& scores) {
    Write(QStringLiteral("results.tvl"), ResultsBytes(names, scores));
}

void GameFolder::Write(const QString& name, const std::string& bytes) {
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("cannot write a test file");
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string GameFolder::Read(const QString& name) const {
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

void GameFolder::Remove(const QString& name) { QFile::remove(path(name)); }

std::string ResultsBytes(const std::vector<std::string>& names, const std::vector<std::string>& scores) {
    std::string bytes;
    for (const std::string& name : names) bytes += Utf8ToCp1251(name) + "\r\n";
    for (const std::string& score : scores) bytes += score + "\r\n";
    return bytes;
}

void RecordingMessageBox::Show(const std::string& text) {
    const QString message = QString::fromStdString(text);
    shown.push_back(message);
    if (whileOpen) whileOpen(message);
}

std::string ScriptedNameDialog::Ask() {
    ++asked;
    if (answers.empty()) {
        ADD_FAILURE() << "the name dialog was not expected";
        return {};
    }
    const std::optional<QString> answer = answers.front();
    answers.pop_front();
    return ToCp1251(answer.value_or(QString()));
}

bool RecordingMessageBox::Ask(const std::string& question) {
    asked.push_back(QString::fromStdString(question));
    return answer;
}

double ScriptedRandom::Next() {
    if (numbers.empty()) {
        ADD_FAILURE() << "the game drew more random numbers than the test planned";
        return 0.0;
    }
    const double number = numbers.front();
    numbers.pop_front();
    return number;
}

void Type(QWidget* field, const QString& text) {
    for (const QChar character : text) {
        // Letters arrive as the keyboard sends them: the key of the capital,
        // the character as typed.
        const auto key = static_cast<Qt::Key>(character.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, field, key, QString(character), Qt::NoModifier);
    }
}

void Click(QWidget* window, const char* buttonName) {
    auto* button = window->findChild<QWidget*>(QString::fromLatin1(buttonName));
    ASSERT_NE(button, nullptr) << buttonName;
    QTest::mouseClick(button, Qt::LeftButton);
}

QWidget* TopLevel(const char* name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name)) return widget;
    }
    return nullptr;
}

}  // namespace torvel::test
