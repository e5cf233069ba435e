// The main window: the game is played here.
#include "windows/frmtorvel.h"

#include <QApplication>
#include <QDesktopServices>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QTimer>
#include <QUrl>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

#include "button/qt/image_file.h"
#include "button/qt/vantor_button.h"
#include "common/data_file_error.h"
#include "game/clock_random.h"
#include "session/game_session.h"
#include "windows/background_picture.h"
#include "windows/controls.h"
#include "windows/cp1251_text.h"
#include "windows/entry_field.h"
#include "windows/file_problem_text.h"
#include "windows/fitting_label.h"
#include "windows/form_buttons.h"
#include "windows/last_window.h"
#include "windows/qt_message_box.h"
#include "windows/qt_name_dialog.h"
#include "windows/round_rect_region.h"
#include "windows/shortcut_keys.h"
#include "windows/theme.h"
#include "windows/tool_windows.h"
#include "windows/word_list.h"
#include "windows/word_lookup.h"

namespace torvel {

namespace {

// The paragraph of the help, then the keys of the buttons on a line of its own.
const std::string kHelp(
    "Программа Торвель - логическая игра, в которой из букв некоторого слова нужно составить как можно "
    "больше других слов. Противником игрока является компьютер. Основным показателем игры является "
    "количество букв в созданных словах. Если вы не знаете слова, то можете пропустить ход, либо "
    "закончить игру (при этом результат записывается в таблицу рекордов). Если клавиатура осталась в "
    "латинской раскладке, буквы всё равно будут русскими, а Ё программа сама заменит на Е. "
    "\n\nКлавиши: F2 или Ctrl+N — Старт, F1 — Справка, Ctrl+H — Таблица рекордов, Ctrl+R — Разбор, "
    "Ctrl+I — История игр, Ctrl+Q — Выход.");

// Why an entry was refused.
std::string RefusalText(EntryResult result) {
    switch (result) {
        case EntryResult::LetterMissing:
            return "Одной из букв нет в исходном слове! Возможно, она уже использована";
        case EntryResult::UnknownWord:
            return "Неверное слово";
        case EntryResult::AlreadyPlayed:
            return "Уже было.";
        case EntryResult::Accepted:
            break;
    }
    return {};
}

// The window's background, in the current directory.
const std::string kBackgroundFile("fontvl.gif");

// What the labels of the game's values are to a screen reader.
const QString kSourceWordName = QStringLiteral("Исходное слово");
const QString kPlayerTotalName = QStringLiteral("Ваша сумма букв");
const QString kComputerTotalName = QStringLiteral("Сумма букв компьютера");
const QString kComputerWordName = QStringLiteral("Слово компьютера");

// The game as the entry field's description tells it, for a screen reader to
// read whenever the entry takes the keyboard: "Исходное слово: ПРОГРАММА.
// Ваша сумма букв: 4, компьютера: 3. Слово компьютера: РОГ."; nothing before
// the first start.
QString GameDescription(const Game& game) {
    if (game.sourceWord().empty()) return {};
    QString text = QStringLiteral("%1: %2. %3: %4, компьютера: %5.")
                       .arg(kSourceWordName, FromCp1251(game.sourceWord()), kPlayerTotalName)
                       .arg(game.playerTotal())
                       .arg(game.computerTotal());
    if (!game.computerLastWord().empty()) {
        text += QStringLiteral(" %1: %2.").arg(kComputerWordName, FromCp1251(game.computerLastWord()));
    }
    return text;
}

QIcon ProgramIcon(std::initializer_list<int> sizes) {
    QStringList files;
    for (const int size : sizes) files.append(QStringLiteral(":/torvel/images/torvel_icon_%1.png").arg(size));
    return IconFromImageFiles(files);
}

}  // namespace

struct frmtorvel::OwnServices {
    QtMessageBox messages;
    QtNameDialog names;
    ClockRandom random;
};

frmtorvel::frmtorvel() : frmtorvel(std::make_unique<OwnServices>()) {}

frmtorvel::frmtorvel(std::unique_ptr<OwnServices> own) : frmtorvel(own->messages, own->names, own->random) {
    m_own = std::move(own);
}

frmtorvel::frmtorvel(MessageBox& messages, NameDialog& names, RandomSource& random)
    : m_messages(messages),
      m_buttons(std::make_unique<ButtonServices>()),
      m_tools(std::make_unique<ToolWindows>(*m_buttons, names, this)),
      m_session(std::make_unique<GameSession>(SessionScreens{*this, *m_tools, *m_tools, *m_tools, *m_tools}, random)) {
    // The picture needs no Qt of the window: it is read while the controls
    // are built, on a core of its own when there is one.
    m_backgroundLoading = std::async(std::launch::async, [] { return LoadBackgroundPicture(kBackgroundFile); });
    setObjectName(QStringLiteral("frmtorvel"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Торвель"));
    // The sizes of a title bar and a task bar; the large ones follow the
    // first frame.
    setWindowIcon(ProgramIcon({16, 32, 48}));
    setFixedSize(main_layout::kClient);
    SetBackgroundColour(this, theme::kWindow);
    setFont(theme::WindowFont());
    BuildControls();
    ConnectWindows();
    EndWithTheLastWindow(this);
    m_Text1->setFocus();
}

frmtorvel::~frmtorvel() {
    // The tool windows go with this window's members; their closing must not
    // reach a window that is going.
    for (QWidget* tool : m_tools->Built()) tool->removeEventFilter(this);
    // The buttons use the services held by this window's members, which go
    // before QWidget deletes its children: the buttons go first.
    qDeleteAll(findChildren<VantorButton*>(Qt::FindDirectChildrenOnly));
}

void frmtorvel::BuildControls() {
    using namespace main_layout;

    // From the back to the front.
    AddShape(this, Shape1, Shape::Kind::Panel);
    m_Label1 = SetUpLabel(new FittingLabel(this), Label1, theme::ValueFont(), theme::kSourceWord, Qt::AlignLeft);
    m_Label2 = AddLabel(this, Label2, theme::ValueFont(), theme::kTotal, Qt::AlignHCenter, QStringLiteral("0"));
    m_Label3 = AddLabel(this, Label3, theme::ValueFont(), theme::kTotal, Qt::AlignHCenter, QStringLiteral("0"));
    m_Label4 = AddLabel(this, Label4, font(), theme::kCaption, Qt::AlignLeft, QStringLiteral("Исходное слово"));
    m_Label6 = AddLabel(this, Label6, font(), theme::kCaption, Qt::AlignRight, QStringLiteral("Слово компьютера"));
    m_Label7 = AddLabel(this, Label7, theme::WordFont(), theme::kComputerWord, Qt::AlignRight);
    AddShape(this, Shape2, Shape::Kind::Outline);
    AddShape(this, Shape3, Shape::Kind::Outline);
    m_Label5[0] = AddLabel(this, Label5_0, font(), theme::kCaption, Qt::AlignLeft, QStringLiteral("Сумма букв"));
    m_Label5[1] = AddLabel(this, Label5_1, font(), theme::kCaption, Qt::AlignLeft, QStringLiteral("Сумма букв"));
    AddShape(this, Shape4, Shape::Kind::RoundedOutline);
    QLabel* const credit = AddLabel(this, Label8, font(), theme::kCaption, Qt::AlignHCenter,
                                    QStringLiteral("© 2026 Торвель · игра в слова"));
    // Centred in the outline around it.
    credit->setAlignment(Qt::AlignCenter);
    AddLabel(this, Label9, theme::TitleFont(), theme::kTitle, Qt::AlignLeft, QStringLiteral("Торвель"));
    // Hidden until the first start.
    for (QLabel* caption : {m_Label4, m_Label6, m_Label5[0], m_Label5[1]}) caption->hide();
    ShowAnnounced(m_Label1, kSourceWordName, QString());
    ShowAnnounced(m_Label2, kPlayerTotalName, m_Label2->text());
    ShowAnnounced(m_Label3, kComputerTotalName, m_Label3->text());
    ShowAnnounced(m_Label7, kComputerWordName, QString());
    m_Label7->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_Label7, &QLabel::customContextMenuRequested, this, [this](const QPoint& point) {
        const QString word = m_Label7->text();
        if (CanLookUp(word)) {
            PopUpLookUpMenu(this, m_Label7->mapToGlobal(point), word, [this, word] { LookUpHere(word); });
        }
    });

    m_Text2 = Placed(new WordList(this), Text2);
    m_Text3 = Placed(new WordList(this), Text3);
    m_Text2->setAccessibleName(QStringLiteral("Ваши слова"));
    m_Text3->setAccessibleName(QStringLiteral("Слова компьютера"));
    for (WordList* list : {m_Text2, m_Text3}) {
        QPalette palette = list->palette();
        palette.setColor(QPalette::Base, theme::kWindow);
        list->setPalette(palette);
        connect(list, &WordList::lookUpRequested, this, &frmtorvel::LookUpHere);
    }

    m_Text1 = Placed(new EntryField(this), Text1);
    m_Text1->setFont(theme::WordFont());
    m_Text1->setAccessibleName(QStringLiteral("Ваше слово"));
    QPalette entryColours = m_Text1->palette();
    entryColours.setColor(QPalette::Base, theme::kPanel);
    entryColours.setColor(QPalette::Text, theme::kEntryText);
    m_Text1->setPalette(entryColours);
    m_Text1->SetTypingRules([this] { return m_session->typingRules(); });
    m_Text1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_Text1, &QLineEdit::customContextMenuRequested, this, &frmtorvel::ShowEntryMenu);
    connect(m_Text1, &EntryField::enterPressed, this, [this] {
        entr();
        ReturnToEntry();
    });

    FormButtons buttons(this, QStringLiteral("frmtorvel"), *m_buttons);
    // After these the player goes on typing: the entry field takes the
    // keyboard back from the button, and from any message they showed.
    const auto thenType = [this](std::function<void()> action) {
        return [this, action = std::move(action)] {
            action();
            ReturnToEntry();
        };
    };
    VantorButton* const ok = buttons.Restore(VantorButton4, thenType([this] { entr(); }));
    VantorButton* const pass = buttons.Restore(VantorButton6, thenType([this] { m_session->pchod(); }));
    VantorButton* const end = buttons.Restore(VantorButton5, thenType([this] { m_session->endgame(); }));
    VantorButton* const start = buttons.Restore(cmdstart, thenType([this] { m_session->Start(); }));
    VantorButton* const help = buttons.Restore(cmdhel, thenType([this] { cmdhel_Click(); }));
    VantorButton* const exit = buttons.Restore(cmdexi, [this] { close(); });
    VantorButton* const records = buttons.Restore(VantorButton1, thenType([this] { m_session->ShowRecords(); }));
    VantorButton* const minimise = buttons.Restore(VantorButton8, [this] { showMinimized(); });
    VantorButton* const shut = buttons.Restore(VantorButton9, [this] { close(); });
    minimise->setToolTip(QStringLiteral("Свернуть"));
    shut->setToolTip(QStringLiteral("Выход"));

    const std::array<QWidget*, 10> keyboardOrder{m_Text1, exit, ok, end, pass, minimise, shut, help, start, records};
    for (std::size_t i = 1; i < keyboardOrder.size(); ++i) setTabOrder(keyboardOrder[i - 1], keyboardOrder[i]);
    AddShortcuts(start, help, records, exit);
}

void frmtorvel::AddShortcuts(VantorButton* start, VantorButton* help, VantorButton* records, VantorButton* exit) {
    // As if the button were clicked: the same handler, and nothing while the
    // button is disabled. From another window "Старт" also brings the game
    // forward, to be typed into.
    const auto press = [this](VantorButton* button, bool bringForward = false) {
        return [this, button, bringForward] {
            const bool elsewhere = QApplication::activeWindow() != this;
            button->Press();
            if (bringForward && elsewhere) ReturnToEntry(true);
        };
    };
    const std::pair<QKeyCombination, std::function<void()>> shortcuts[] = {
        {QKeyCombination(Qt::Key_F2), press(start, true)},
        {Qt::CTRL | Qt::Key_N, press(start, true)},
        {QKeyCombination(Qt::Key_F1), press(help)},
        {Qt::CTRL | Qt::Key_H, press(records)},
        {Qt::CTRL | Qt::Key_Q, press(exit)},
        // Before the game is evaluated there is no review, and Ctrl+R does nothing.
        {Qt::CTRL | Qt::Key_R, [this] { m_session->ShowReview(); }},
        {Qt::CTRL | Qt::Key_I, [this] { m_session->ShowHistory(); }},
        {Qt::SHIFT | Qt::Key_F10, [] { OpenContextMenu(QApplication::focusWidget()); }},
    };
    for (const auto& [keys, action] : shortcuts) {
        // The game's keys work in each of its windows while this one is open.
        auto* shortcut = new QShortcut(this);
        shortcut->setContext(Qt::ApplicationShortcut);
        shortcut->setKeys(OnEitherLayout(keys));
        connect(shortcut, &QShortcut::activated, this, action);
    }
}

void frmtorvel::ConnectWindows() {
    connect(m_tools.get(), &ToolWindows::nextClicked, this, [this] { m_session->func(); });
    connect(m_tools.get(), &ToolWindows::reviewClicked, this, [this] { m_session->ShowReview(); });
    connect(m_tools.get(), &ToolWindows::recordsUnloaded, this, [this] { m_session->SaveRecords(); });
    connect(m_tools.get(), &ToolWindows::lookUpRequested, this, &frmtorvel::LookUp);
    connect(m_tools.get(), &ToolWindows::historyClicked, this, [this] { m_session->ShowHistory(); });
}

void frmtorvel::OfferUnfinishedGame() {
    // The question or the message had the keyboard; without one nothing took
    // it away.
    if (m_session->OfferSavedGame()) ReturnToEntry(true);
}

bool frmtorvel::Form_Load() {
    // The window's shape follows its client area and is set once: the window
    // never changes size.
    setMask(RoundRectRegion(width(), height(), 40, 40));
    try {
        m_background = m_backgroundLoading.valid() ? m_backgroundLoading.get() : LoadBackgroundPicture(kBackgroundFile);
    } catch (const DataFileError& error) {
        ShowFileError(error);
        return false;
    }
    update();
    return true;
}

bool frmtorvel::eventFilter(QObject* watched, QEvent* event) {
    // One of the tool windows closes (or is put away). "Далее" hands the
    // keyboard on to the best results it opens; otherwise the game takes it
    // back, and the window too if the closed one had it (the window system
    // may already have taken it away, to no window at all).
    if (event->type() == QEvent::Hide) {
        const bool handedOn = m_tools->IsStatistics(watched) && m_tools->RecordsVisible();
        const QWidget* const active = QApplication::activeWindow();
        if (!handedOn) ReturnToEntry(active == watched || active == nullptr);
    }
    return QWidget::eventFilter(watched, event);
}

void frmtorvel::ReturnToEntry(bool activate) {
    if (!isVisible() || isMinimized()) return;
    if (activate) activateWindow();
    m_Text1->setFocus(Qt::OtherFocusReason);
}

void frmtorvel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_background);
    if (!m_painted) {
        m_painted = true;
        // What the first frame does not need waits until it is on the
        // screen: the sound server, before the pointer can reach a button,
        // and the large icons a dock may show.
        QTimer::singleShot(0, this, [this] {
            m_buttons->sound().Connect();
            setWindowIcon(ProgramIcon({16, 32, 48, 64, 128, 256}));
        });
    }
}

// The window is dragged by its own surface: the background and the shapes.
// Labels, fields and buttons keep their presses to themselves.
void frmtorvel::mousePressEvent(QMouseEvent* event) {
    m_dragging = true;
    m_drag = event->position().toPoint();
}

void frmtorvel::mouseMoveEvent(QMouseEvent* event) {
    // The point of the window that was pressed stays under the pointer.
    if (m_dragging) move(event->globalPosition().toPoint() - m_drag);
}

void frmtorvel::mouseReleaseEvent(QMouseEvent*) { m_dragging = false; }

void frmtorvel::cmdhel_Click() { m_messages.Show(kHelp); }

void frmtorvel::entr() { m_session->entr(ToCp1251(m_Text1->text())); }

void frmtorvel::LookUp(const QString& word) {
    const std::string title = m_session->ArticleTitle(ToCp1251(word));
    if (title.empty()) return;
    // The Russian Wiktionary's article on the word; QUrl encodes the title.
    QUrl url(QStringLiteral("https://ru.wiktionary.org"));
    url.setPath(QStringLiteral("/wiki/") + FromCp1251(title));
    if (!QDesktopServices::openUrl(url)) {
        m_messages.Show("Не удалось открыть в браузере страницу " + url.toDisplayString().toStdString());
    }
}

void frmtorvel::LookUpHere(const QString& word) {
    LookUp(word);
    // The word lists keep the keyboard after their menu: what the player
    // types next belongs in the entry.
    ReturnToEntry();
}

void frmtorvel::ShowEntryMenu(const QPoint& point) {
    QMenu* const menu = m_Text1->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The last words of both sides, which the word lists show but the
    // keyboard does not reach, over the entry's own items.
    QAction* const first = menu->actions().value(0);
    bool added = false;
    for (const QString& word : {m_Label7->text(), m_playerLastWord}) {
        if (!CanLookUp(word)) continue;
        menu->insertAction(first, LookUpAction(menu, word, [this, word] { LookUpHere(word); }));
        added = true;
    }
    if (added && first != nullptr) menu->insertSeparator(first);
    menu->popup(m_Text1->mapToGlobal(point));
}

void frmtorvel::ShowGame(const Game& game) {
    ShowAnnounced(m_Label1, kSourceWordName, FromCp1251(game.sourceWord()));
    ShowAnnounced(m_Label2, kPlayerTotalName, QString::number(game.playerTotal()));
    ShowAnnounced(m_Label3, kComputerTotalName, QString::number(game.computerTotal()));
    ShowAnnounced(m_Label7, kComputerWordName, FromCp1251(game.computerLastWord()));
    m_Text2->ShowList(game.playerWords());
    m_Text3->ShowList(game.computerWords());
    m_playerLastWord = game.playerWords().empty() ? QString() : FromCp1251(game.playerWords().back());
    m_Text1->setAccessibleDescription(GameDescription(game));
    // The captions show from the first start on; a started game always has
    // its source word.
    if (!game.sourceWord().empty()) {
        for (QLabel* caption : {m_Label4, m_Label6, m_Label5[0], m_Label5[1]}) caption->show();
    }
}

void frmtorvel::ShowRefusal(EntryResult result) {
    m_messages.Show(RefusalText(result));
    // A word kept in the entry is selected whole, so that what is typed next
    // takes its place.
    m_Text1->selectAll();
}

bool frmtorvel::OfferSavedGame(std::string_view sourceWord, int playerTotal, int computerTotal) {
    const QString question = QStringLiteral("Продолжить прошлую партию? %1, %2 : %3")
                                 .arg(FromCp1251(sourceWord))
                                 .arg(playerTotal)
                                 .arg(computerTotal);
    return m_messages.Ask(question.toStdString());
}

void frmtorvel::ShowFileError(const DataFileError& error) { m_messages.Show(error.what()); }

void frmtorvel::ShowFileProblem(const PlayerFileProblem& problem) { m_messages.Show(FileProblemText(problem)); }

void frmtorvel::ClearEntry() { m_Text1->clear(); }

void frmtorvel::EndProgram() { QCoreApplication::exit(EXIT_FAILURE); }

}  // namespace torvel
