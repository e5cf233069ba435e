// Tests of the Qt host services of the button, on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMouseEvent>
#include <QShortcut>
#include <QSignalSpy>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdlib>

#include "button/form/form_restore.h"
#include "button/form/stored_form_parser.h"
#include "button/model/vantor_button_model.h"
#include "button/qt/qt_address_opener.h"
#include "button/qt/qt_button_host.h"
#include "button/qt/qt_picture_loader.h"
#include "button/qt/qt_sound_player.h"
#include "button/qt/sound_module_loader.h"
#include "common/data_file_error.h"

namespace torvel {
namespace {

// Collects every message Qt logs while it lives.
class MessageLog {
public:
    MessageLog() : m_previous(qInstallMessageHandler(&Record)) { s_messages.clear(); }
    ~MessageLog() { qInstallMessageHandler(m_previous); }
    const QStringList& messages() const { return s_messages; }

private:
    static void Record(QtMsgType, const QMessageLogContext&, const QString& text) { s_messages << text; }
    static inline QStringList s_messages;
    QtMessageHandler m_previous;
};

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(QtSoundPlayer, TakesBackslashesAsSeparatorsFromTheCurrentDirectory) {
    const QDir current = QDir::current();
    EXPECT_EQ(QtSoundPlayer::FilePath(".\\resources\\over.wav"), current.absoluteFilePath("resources/over.wav"));
    EXPECT_EQ(QtSoundPlayer::FilePath("resources\\click.wav"), current.absoluteFilePath("resources/click.wav"));
    EXPECT_EQ(QtSoundPlayer::FilePath("..\\a.wav"), QDir::cleanPath(current.absoluteFilePath("../a.wav")));
    EXPECT_EQ(QtSoundPlayer::FilePath("/sounds/b.wav"), "/sounds/b.wav");
}

// The outputs of the sound module, loaded as the program loads it.
std::unique_ptr<SoundOutputs> SoundModule() {
    std::unique_ptr<SoundOutputs> outputs = LoadSoundModule(QStringLiteral(TORVEL_SOUND_MODULE));
    EXPECT_NE(outputs, nullptr);
    return outputs;
}

TEST(QtSoundPlayer, UnplayableSoundsAreSilentAndAPlayableOneStarts) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    WriteFile(dir.filePath("resources/noise.wav"), "not a wave file at all");
    // The game's own hover sound.
    ASSERT_TRUE(QFile::copy(qEnvironmentVariable("TORVEL_SOURCE_DIR") + "/assets/resources/over.wav",
                            dir.filePath("resources/over.wav")));

    // A player that never started a sound, so that nothing Qt reports about
    // the audio output of this machine is counted against the requests.
    QtSoundPlayer quiet(SoundModule());
    {
        MessageLog log;
        for (const char* path : {"", ".\\resources\\missing.wav", ".\\resources\\noise.wav", ".\\resources"}) {
            quiet.Play(path);
            EXPECT_TRUE(quiet.CurrentSource().isEmpty()) << path;
        }
        QCoreApplication::processEvents();
        EXPECT_TRUE(log.messages().isEmpty()) << log.messages().join('\n').toStdString();
    }

    QtSoundPlayer player(SoundModule());
    player.Play(".\\resources\\over.wav");
    EXPECT_EQ(player.CurrentSource(), QUrl::fromLocalFile(dir.filePath("resources/over.wav")));
    player.Play(".\\resources\\noise.wav");
    EXPECT_TRUE(player.CurrentSource().isEmpty());  // the earlier sound is stopped

    // Without the sound module the buttons are silent, and the program goes on.
    QtSoundPlayer withoutModule(LoadSoundModule(dir.filePath("torvel-sound")));
    withoutModule.Play(".\\resources\\over.wav");
    EXPECT_TRUE(withoutModule.CurrentSource().isEmpty());
    QDir::setCurrent(previous);
}

TEST(QtPictureLoader, DecodesBitmapsAndIconsOnceAndNamesBadFiles) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("images");
    QImage bitmap(9, 9, QImage::Format_RGB32);
    bitmap.fill(QColor(10, 20, 200));
    bitmap.setPixel(0, 0, qRgb(250, 250, 250));
    ASSERT_TRUE(bitmap.save(dir.filePath("images/glyph.bmp"), "BMP"));
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    icon.setPixel(1, 0, qRgba(0, 0, 0, 255));
    ASSERT_TRUE(icon.save(dir.filePath("images/hand.png"), "PNG"));
    ASSERT_TRUE(icon.save(dir.filePath("images/misnamed.bmp"), "PNG"));
    WriteFile(dir.filePath("images/broken.png"), "no image here");

    QtPictureLoader loader(dir.path());
    const Picture glyph = loader.Load(Picture::Type::Bitmap, "images/glyph.bmp");
    EXPECT_EQ(glyph.type(), Picture::Type::Bitmap);
    EXPECT_EQ(glyph.source(), "images/glyph.bmp");
    ASSERT_EQ(glyph.image().width, 9);
    EXPECT_EQ(glyph.image().at(0, 0), 0xFFFAFAFAu);
    EXPECT_EQ(glyph.image().at(4, 4), 0xFF0A14C8u);
    EXPECT_EQ(loader.Load(Picture::Type::Bitmap, "images/glyph.bmp"), glyph);

    const Picture hand = loader.Load(Picture::Type::Icon, "images/hand.png");
    EXPECT_EQ(hand.type(), Picture::Type::Icon);
    EXPECT_EQ(hand.image().at(0, 0) >> 24, 0u);
    EXPECT_EQ(hand.image().at(1, 0), 0xFF000000u);
    // A suffix that misnames the content is only a first guess.
    EXPECT_EQ(loader.Load(Picture::Type::Icon, "images/misnamed.bmp").image().at(1, 0), 0xFF000000u);

    const std::pair<const char*, const char*> bad[] = {{"images/none.bmp", "не найден"},
                                                       {"images/broken.png", "не удалось прочитать изображение"}};
    for (const auto& [reference, problem] : bad) {
        try {
            loader.Load(Picture::Type::Icon, reference);
            ADD_FAILURE() << reference;
        } catch (const DataFileError& e) {
            EXPECT_EQ(e.file(), dir.filePath(reference).toStdString());
            EXPECT_EQ(e.problem(), problem);
        }
    }
}

TEST(QtButtonSurface, KeepsTheAttributesOnTheWidget) {
    QWidget parent;
    QWidget widget(&parent);
    QtButtonSurface surface(&widget);
    QtButtonSurface other(&parent);
    EXPECT_NE(surface.WindowHandle(), other.WindowHandle());

    surface.SetEnabled(false);
    EXPECT_FALSE(widget.isEnabled());
    EXPECT_FALSE(surface.Enabled());
    parent.setEnabled(false);
    surface.SetEnabled(true);
    EXPECT_TRUE(surface.Enabled());  // its own state, whatever the parent's
    parent.setEnabled(true);

    surface.SetBackColour(Rgb(1, 2, 3));
    surface.SetForeColour(Rgb(200, 100, 50));
    EXPECT_EQ(widget.palette().color(QPalette::Window), QColor(1, 2, 3));
    EXPECT_EQ(widget.palette().color(QPalette::ButtonText), QColor(200, 100, 50));
    EXPECT_EQ(surface.BackColour(), Rgb(1, 2, 3));

    const FontAttributes font{"Liberation Sans", 8.25, true, true, false, true, 400, 204};
    surface.SetFont(font);
    EXPECT_EQ(surface.Font(), font);
    EXPECT_EQ(widget.font().family(), "Liberation Sans");
    EXPECT_DOUBLE_EQ(widget.font().pointSizeF(), 8.25);
    EXPECT_TRUE(widget.font().bold());
    EXPECT_TRUE(widget.font().strikeOut());

    widget.resize(120, 29);
    EXPECT_EQ(surface.ClientWidth(), 120);
    EXPECT_EQ(surface.ClientHeight(), 29);
}

TEST(QtButtonSurface, PointerKindAndCursorPictureMakeTheWidgetsCursor) {
    QWidget window;
    QWidget widget(&window);  // a top-level widget keeps its cursor attribute when unset
    QtButtonSurface surface(&widget);
    Image hand{32, 32, std::vector<std::uint32_t>(32 * 32, 0xFFFFFFFFu)};
    surface.SetCursorPicture(Picture::FromImage(Picture::Type::Icon, hand, "images/hand_cursor.png"));
    surface.SetPointerKind(99);
    ASSERT_TRUE(widget.testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(widget.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(widget.cursor().hotSpot(), QPoint(0, 0));
    surface.SetCursorPicture(Picture());
    EXPECT_FALSE(widget.testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(surface.PointerKind(), 99);
    surface.SetPointerKind(11);
    EXPECT_EQ(widget.cursor().shape(), Qt::WaitCursor);
    surface.SetPointerKind(0);
    EXPECT_FALSE(widget.testAttribute(Qt::WA_SetCursor));
}

TEST(QtButtonSurface, AccessKeyBecomesAnAltShortcut) {
    QWidget widget;
    QtButtonSurface surface(&widget);
    surface.SetAccessKey(U'д');
    auto shortcuts = widget.findChildren<QShortcut*>();
    ASSERT_EQ(shortcuts.size(), 1);
    EXPECT_EQ(shortcuts[0]->key(), QKeySequence(QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(0x0414))));
    QSignalSpy activated(&surface, &QtButtonSurface::accessKeyActivated);
    emit shortcuts[0]->activated();
    EXPECT_EQ(activated.count(), 1);
    surface.SetAccessKey(U'x');
    surface.SetAccessKey(std::nullopt);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(widget.findChildren<QShortcut*>().isEmpty());
}

TEST(QtButtonHost, ServicesWorkOnARealWidget) {
    QWidget window;
    window.setFont(QFont("Liberation Serif", 11));
    QWidget widget(&window);
    widget.setObjectName("cmdstart");
    window.resize(200, 100);
    widget.setGeometry(10, 10, 80, 20);
    window.show();
    QtSoundPlayer sound;
    QtButtonHost host(&widget, sound);

    EXPECT_EQ(host.ambient().InstanceName(), "cmdstart");
    EXPECT_EQ(host.ambient().ContainerFont().name, "Liberation Serif");
    QSignalSpy ambientChanged(&host.ambient(), &QtAmbientProperties::changed);
    window.setFont(QFont("Liberation Sans", 9));
    EXPECT_GE(ambientChanged.count(), 1);

    const ButtonHost services = host.Host();
    EXPECT_DOUBLE_EQ(services.units.HiMetricToPixelsX(2540), widget.logicalDpiX());
    EXPECT_DOUBLE_EQ(services.units.HiMetricToPixelsY(2540), widget.logicalDpiY());

    services.pointer.Capture();
    EXPECT_EQ(QWidget::mouseGrabber(), &widget);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &release);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    const QPoint inside = widget.mapToGlobal(QPoint(5, 5));
    const QPoint outside = window.mapToGlobal(QPoint(150, 80));
    EXPECT_TRUE(services.pointer.IsSurfaceAt({inside.x(), inside.y()}));
    EXPECT_FALSE(services.pointer.IsSurfaceAt({outside.x(), outside.y()}));

    // The model on the Qt services: the hover timer runs at 10 ms, and a
    // handler connected to a signal writes into the press record.
    VantorButtonModel button(services, Picture());
    button.NewInstance();
    EXPECT_EQ(host.overTimer().Interval(), 10);
    QSignalSpy repaints(&host.redraw(), &QtRedrawRequests::repaintRequested);
    QSignalSpy ticks(&host.overTimer(), &QtIntervalTimer::ticked);
    QObject::connect(&host.events(), &QtButtonEvents::mouseOut, [](qint16& shift) { shift = 3; });
    button.SetSoundOver("");
    button.OnMouseMove(0, 0, 5, 5);
    EXPECT_TRUE(host.overTimer().IsActive());
    EXPECT_TRUE(ticks.wait(1000));
    button.OnOverTimerTick();  // the pointer is not over the widget offscreen
    EXPECT_FALSE(host.overTimer().IsActive());
    EXPECT_EQ(button.lastShift(), 3);
    EXPECT_EQ(repaints.count(), 2);
}

// Stands in for the desktop's handlers of the schemes it is registered for.
class UrlReceiver : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void handle(const QUrl& url) { opened.append(url); }
};

TEST(QtAddressOpener, HandsMailAddressesAndLinksToTheDesktop) {
    UrlReceiver receiver;
    for (const char* scheme : {"mailto", "http", "https"}) QDesktopServices::setUrlHandler(scheme, &receiver, "handle");
    QtAddressOpener opener;
    opener.ShellOpen("mailto:torvel@example.org");
    opener.Navigate("https://example.org/records");
    opener.Navigate("example.org");
    for (const char* scheme : {"mailto", "http", "https"}) QDesktopServices::unsetUrlHandler(scheme);
    EXPECT_EQ(receiver.opened, (QList<QUrl>{QUrl("mailto:torvel@example.org"), QUrl("https://example.org/records"),
                                            QUrl("http://example.org")}));
}

TEST(QtStoredForms, TheProgramsButtonsLoadWithTheRealPictures) {
    const char* root = std::getenv("TORVEL_SOURCE_DIR");
    ASSERT_NE(root, nullptr);
    const QString assets = QString(root) + "/assets";
    if (!QFileInfo::exists(assets + "/images/glyph_close.bmp")) GTEST_SKIP() << "the button images are not in assets/";
    QtPictureLoader loader(assets);
    const Picture hand = loader.Load(Picture::Type::Icon, std::string(VantorButtonModel::kHandCursorFile));
    EXPECT_EQ(hand.image().width, 32);
    EXPECT_EQ(hand.image().height, 32);
    int buttons = 0;
    for (const char* name : {"frmtorvel", "frmtvlstat", "frmbre", "frmreview"}) {
        const std::string path = std::string(root) + "/windows/forms/" + name + ".buttons";
        const StoredForm form = LoadStoredForm(path, loader);
        for (const auto& instance : form.Instances()) {
            QWidget widget;
            widget.setObjectName(QString::fromStdString(instance.name));
            QtSoundPlayer sound;
            QtButtonHost host(&widget, sound);
            VantorButtonModel button(host.Host(), hand);
            RestoreFromForm(button, form, instance.name);
            EXPECT_EQ(button.MouseIcon(), hand) << instance.name;  // decoded once, shared
            EXPECT_EQ(widget.cursor().shape(), Qt::BitmapCursor) << instance.name;
            if (!button.Picture().isNone()) {
                EXPECT_EQ(button.Picture().image().width, 9) << instance.name;
                EXPECT_EQ(button.OriginalPicSizeW(), 9) << instance.name;
            }
            ++buttons;
        }
    }
    EXPECT_EQ(buttons, 13);
}

}  // namespace
}  // namespace torvel

#include "button_qt_test.moc"
