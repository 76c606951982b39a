// The console remembers the operator's choices from one session to the next, in the
// user's configuration folder, and starts as on the first day when there is nothing
// (or nothing usable) to remember.
#include "tests/console/DialogTestSupport.h"
#include "tests/support/UserSession.h"

#include "console/ExpectedReceiptWindow.h"
#include "console/RecordsModel.h"
#include "console/RememberedSettings.h"
#include "console/TalvaneApp.h"
#include "pages/CommandEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTest>
#include <map>
#include <pwd.h>
#include <unistd.h>

using namespace ids;

namespace {

// Two ports that are plain files in a folder of the test, so that they have a device
// path to be found by.
struct TwoPorts {
    QTemporaryDir dir;
    QString a = WriteTempFile(dir, QStringLiteral("printerA"), {});
    QString b = WriteTempFile(dir, QStringLiteral("printerB"), {});
    QString c = WriteTempFile(dir, QStringLiteral("printerC"), {});
    ConsoleDialog::Lister List(QStringList paths) const {
        return [paths](PortMap& map) {
            for (const QString& p : paths) map.AddCommandLinePort(p.toStdString());
        };
    }
};

// What an operator sees in every list, edit and box of the window, by control.
std::map<QString, QString> Looks(const CTalvaneDlg& d) {
    std::map<QString, QString> looks;
    for (QWidget* w : d.findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (!name.startsWith(QLatin1String("ctl"))) continue;
        QString look;
        if (auto* c = qobject_cast<QComboBox*>(w))
            look = QString::number(c->count()) + QLatin1Char(':') + c->currentText();
        else if (auto* e = qobject_cast<QLineEdit*>(w))
            look = e->text();
        else if (auto* s = qobject_cast<QSpinBox*>(w))
            look = QString::number(s->value());
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            look = b->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
        else
            continue;
        // Pages repeat some ids; the first of a name is the dialog's own.
        looks.emplace(name, look);
    }
    return looks;
}

// The size the fixture gives a dialog that remembers none: its own, or the window's
// least where the fonts need more.
QSize FixtureSize(const CTalvaneDlg& d) {
    return QSize(ConsoleDialog::WIDTH, ConsoleDialog::HEIGHT).expandedTo(d.minimumSize());
}

QStringList StartFolders(const TestPrompts& prompts) {
    QStringList folders;
    for (const auto& r : prompts.requests)
        if (r.kind != ScriptedPrompts::Request::Message) folders << r.folder;
    return folders;
}

TEST(RememberedSettings, SurviveARestartOfTheDialog) {
    ConfigFolder config;
    TwoPorts ports;
    QTemporaryDir files;
    ASSERT_TRUE(QDir(files.path()).mkpath(QStringLiteral("send")));
    ASSERT_TRUE(QDir(files.path()).mkpath(QStringLiteral("records")));
    const QString sendFile = WriteTempFile(files, QStringLiteral("send/cmd.txt"), "1B 40");
    const QString recordsFile = WriteTempFile(files, QStringLiteral("records/r.txt"), "1B 40\r\n");
    const auto list = ports.List({ports.a, ports.b});
    {
        ConsoleDialog f({}, {}, list);
        f.Choose(IDC_PORT_LIST, 1);
        f.Choose(IDC_BAUD_LIST, 4);
        f.Choose(IDC_HANDSHAKE_LIST, 2);
        f.Choose(IDC_MODEL_LIST, 1);
        f.Click(IDC_RASTER_MODE);
        f.Choose(IDC_PICTURE_DENSITY, 2);
        const QString rasterChoice = f.As<QComboBox>(IDC_PICTURE_DENSITY)->currentText();
        EXPECT_EQ(rasterChoice, f.As<QComboBox>(IDC_PICTURE_DENSITY)->itemText(2));
        f.Retype(IDC_THRESHOLD, QStringLiteral("90"));
        f.Choose(IDC_DOT_RULE, 2);
        f.Choose(IDC_PICTURE_FIT, 1);
        f.Click(IDC_PICTURE_INVERT);
        f.Click(IDC_SEND_HEX);
        f.prompts.openPaths = {sendFile, recordsFile};
        f.Click(IDC_SEND_IMPORT);
        f.Click(IDC_RECORDS_IMPORT);
        f.dlg->resize(1500, 820);
        f.dlg->move(40, 30);
        f.Quit();
    }
    ConsoleDialog again({}, {}, list);
    CTalvaneDlg& d = *again.dlg;
    EXPECT_EQ(again.As<QComboBox>(IDC_PORT_LIST)->currentIndex(), 1);
    EXPECT_EQ(again.As<QComboBox>(IDC_BAUD_LIST)->currentText(), QStringLiteral("115200"));
    EXPECT_EQ(again.As<QComboBox>(IDC_HANDSHAKE_LIST)->currentText(), QStringLiteral("Xon/Xoff"));
    EXPECT_EQ(again.As<QComboBox>(IDC_MODEL_LIST)->currentText(), QStringLiteral("80mm"));
    EXPECT_EQ(d.PrintableWidth(), CTalvaneDlg::WIDTH_80MM);
    EXPECT_TRUE(again.As<QRadioButton>(IDC_RASTER_MODE)->isChecked());
    EXPECT_FALSE(again.As<QRadioButton>(IDC_BIT_IMAGE_MODE)->isChecked());
    EXPECT_EQ(again.As<QComboBox>(IDC_PICTURE_DENSITY)->currentIndex(), 2);
    EXPECT_EQ(again.As<QLineEdit>(IDC_THRESHOLD)->text(), QStringLiteral("90"));
    EXPECT_EQ(again.As<QComboBox>(IDC_DOT_RULE)->currentIndex(), 2);
    EXPECT_EQ(again.As<QComboBox>(IDC_PICTURE_FIT)->currentIndex(), 1);
    EXPECT_TRUE(again.As<QCheckBox>(IDC_PICTURE_INVERT)->isChecked());
    EXPECT_FALSE(again.As<QCheckBox>(IDC_PICTURE_ROTATE)->isChecked());
    EXPECT_TRUE(again.As<QCheckBox>(IDC_SEND_HEX)->isChecked());
    EXPECT_EQ(d.size(), QSize(1500, 820));
    EXPECT_EQ(d.pos(), QPoint(40, 30));

    // The send edit is in hex mode too, as with a HEX box ticked by hand.
    EXPECT_TRUE(again.As<CCommandEdit>(IDC_SEND_EDIT)->HexMode());

    // Restoring sent nothing, recorded nothing and said nothing.
    EXPECT_EQ(d.Records().Size(), 0);
    EXPECT_EQ(d.TakeSentText(), "");
    EXPECT_EQ(again.TipText(), QString());
    EXPECT_EQ(again.prompts.CountMessages(), 0);

    // Each file dialog starts in the folder of its own last file; one never used
    // leaves the choice to the toolkit.
    again.Click(IDC_SEND_IMPORT);
    again.Click(IDC_RECORDS_IMPORT);
    again.Click(IDC_PICTURE_OPEN);
    EXPECT_EQ(StartFolders(again.prompts),
              (QStringList{files.filePath(QStringLiteral("send")),
                           files.filePath(QStringLiteral("records")), QString()}));
    EXPECT_TRUE(QFileInfo(config.SettingsFile()).isFile());
    EXPECT_TRUE(config.SettingsFile().startsWith(config.Path()));
}

// A session that ends without the window closing (the machine shut down, the program
// killed) keeps the choices made in it.
TEST(RememberedSettings, EachChoiceIsKeptAsItIsMade) {
    ConfigFolder config;
    TwoPorts ports;
    const auto list = ports.List({ports.a, ports.b});
    {
        ConsoleDialog f({}, {}, list);
        f.Choose(IDC_PORT_LIST, 1);
        f.Choose(IDC_MODEL_LIST, 1);
        f.Click(IDC_RASTER_MODE);
        f.Retype(IDC_THRESHOLD, QStringLiteral("77"));
        QTest::keyClick(f.Control(IDC_THRESHOLD), Qt::Key_Return);
        f.Click(IDC_PICTURE_ROTATE);
        f.Click(IDC_SEND_HEX);
        // Gone without the quit question: nothing is saved at the end.
    }
    ConsoleDialog again({}, {}, list);
    EXPECT_EQ(again.As<QComboBox>(IDC_PORT_LIST)->currentIndex(), 1);
    EXPECT_EQ(again.As<QComboBox>(IDC_MODEL_LIST)->currentText(), QStringLiteral("80mm"));
    EXPECT_TRUE(again.As<QRadioButton>(IDC_RASTER_MODE)->isChecked());
    EXPECT_EQ(again.As<QLineEdit>(IDC_THRESHOLD)->text(), QStringLiteral("77"));
    EXPECT_TRUE(again.As<QCheckBox>(IDC_PICTURE_ROTATE)->isChecked());
    EXPECT_TRUE(again.As<QCheckBox>(IDC_SEND_HEX)->isChecked());
    EXPECT_EQ(again.dlg->Records().Size(), 0);
}

// A settings file kept elsewhere and linked in (as a dotfiles folder does) is written
// through the link; the link stays.
TEST(RememberedSettings, ALinkedSettingsFileStaysALink) {
    ConfigFolder config;
    TwoPorts ports;
    QTemporaryDir elsewhere;
    const QString kept = WriteTempFile(elsewhere, QStringLiteral("talvane.conf"), "");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(config.SettingsFile()).absolutePath()));
    ASSERT_TRUE(QFile::link(kept, config.SettingsFile()));
    const auto list = ports.List({ports.a, ports.b});
    {
        ConsoleDialog f({}, {}, list);
        f.Choose(IDC_MODEL_LIST, 1);
    }
    EXPECT_TRUE(QFileInfo(config.SettingsFile()).isSymLink());
    EXPECT_TRUE(ReadFile(kept).contains("80mm")) << ReadFile(kept).toStdString();
    ConsoleDialog again({}, {}, list);
    EXPECT_EQ(again.As<QComboBox>(IDC_MODEL_LIST)->currentText(), QStringLiteral("80mm"));
}

TEST(RememberedSettings, AFirstStartLooksAsTheDesignSays) {
    ConfigFolder config;
    TwoPorts ports;
    const auto list = ports.List({ports.a, ports.b});
    // The dialog as built, with nothing remembered at all.
    PortMap plainPorts;
    list(plainPorts);
    ScriptedPrompts quiet;
    CTalvaneDlg plain(&plainPorts);
    const auto design = Looks(plain);
    ASSERT_GE(design.size(), 60u);
    {
        ConsoleDialog first({}, {}, list);
        EXPECT_EQ(Looks(*first.dlg), design);
        EXPECT_EQ(first.dlg->size(), FixtureSize(*first.dlg));
        EXPECT_EQ(first.dlg->PrintableWidth(), CTalvaneDlg::WIDTH_58MM);
        EXPECT_EQ(StartFolders(first.prompts), QStringList());
        first.Click(IDC_SEND_IMPORT);
        EXPECT_EQ(StartFolders(first.prompts), QStringList{QString()});
        first.Quit();
    }
    // What a first session remembers without a change is the design's state again.
    ConsoleDialog second({}, {}, list);
    EXPECT_EQ(Looks(*second.dlg), design);
}

TEST(RememberedSettings, ResetSettingsStartsFromTheDefaults) {
    ConfigFolder config;
    EXPECT_TRUE(ParseCommandLine({"talvane", "--reset-settings"}).resetSettings);
    EXPECT_FALSE(ParseCommandLine({"talvane"}).resetSettings);
    EXPECT_TRUE(UsageText().contains(QStringLiteral("--reset-settings")));
    {
        DialogFixture f;
        f.Choose(IDC_MODEL_LIST, 1);
        f.Choose(IDC_BAUD_LIST, 3);
        f.Quit();
    }
    ASSERT_TRUE(QFileInfo(config.SettingsFile()).isFile());
    QString error;
    EXPECT_TRUE(RememberedSettings::Forget(&error)) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(config.SettingsFile()));
    // Nothing there to forget is no failure.
    EXPECT_TRUE(RememberedSettings::Forget(&error));
    DialogFixture f;
    EXPECT_EQ(f.As<QComboBox>(IDC_MODEL_LIST)->currentText(), QStringLiteral("58mm"));
    EXPECT_EQ(f.As<QComboBox>(IDC_BAUD_LIST)->currentText(), QStringLiteral("9600"));
    EXPECT_EQ(f.dlg->PrintableWidth(), CTalvaneDlg::WIDTH_58MM);
}

TEST(RememberedSettings, APortThatIsNotThereIsNotSelected) {
    ConfigFolder config;
    TwoPorts ports;
    {
        ConsoleDialog f({}, {}, ports.List({ports.a, ports.b}));
        f.Choose(IDC_PORT_LIST, 1);
        f.Quit();
    }
    // The list shows other ports now: the first one is selected, as on a first start.
    {
        ConsoleDialog f({}, {}, ports.List({ports.c, ports.a}));
        EXPECT_EQ(f.As<QComboBox>(IDC_PORT_LIST)->currentIndex(), 0);
        EXPECT_EQ(f.As<QComboBox>(IDC_PORT_LIST)->count(), 2);
    }
    // The same device at another place in the list is found by its path, not by the
    // number it had.
    {
        ConsoleDialog f({}, {}, ports.List({ports.c, ports.a, ports.b}));
        EXPECT_EQ(f.As<QComboBox>(IDC_PORT_LIST)->currentIndex(), 2);
    }
    // No port at all: nothing selected and the usual message, no crash.
    ConsoleDialog none;
    EXPECT_EQ(none.As<QComboBox>(IDC_PORT_LIST)->currentIndex(), -1);
    EXPECT_EQ(none.prompts.CountMessages(), 1);
}

TEST(RememberedSettings, APortIsRememberedByItsStableName) {
    QTemporaryDir dev;
    const QString device = WriteTempFile(dev, QStringLiteral("ttyUSB3"), {});
    const QString other = WriteTempFile(dev, QStringLiteral("ttyUSB4"), {});
    ASSERT_TRUE(QDir(dev.path()).mkpath(QStringLiteral("by-id")));
    const QString link = dev.filePath(QStringLiteral("by-id/usb-Maker_Printer_0042-if00-port0"));
    ASSERT_TRUE(QFile::link(device, link));
    const QString byId = dev.filePath(QStringLiteral("by-id"));
    EXPECT_EQ(RememberedSettings::StableDeviceName(device, byId), link);
    EXPECT_EQ(RememberedSettings::StableDeviceName(other, byId), other);
    EXPECT_EQ(RememberedSettings::StableDeviceName(QStringLiteral("tcp://127.0.0.1:9100"), byId),
              QStringLiteral("tcp://127.0.0.1:9100"));

    // The adapter came back under another number: the link leads to its new name.
    ConfigFolder config;
    {
        QSettings stored(config.SettingsFile(), QSettings::IniFormat);
        stored.setValue(QStringLiteral("port/device"), link);
    }
    ConsoleDialog f({}, {}, [&](PortMap& map) {
        map.AddCommandLinePort(other.toStdString());
        map.AddCommandLinePort(device.toStdString());
    });
    EXPECT_EQ(f.As<QComboBox>(IDC_PORT_LIST)->currentIndex(), 1);
}

// Zero bytes, bytes that are no text, half a section header.
constexpr char NOT_SETTINGS[] = "\x00\xff\xfe[[[=\n\x01\x02=\x03\n[port\nmodel";

TEST(RememberedSettings, ABadSettingsFileGivesTheDefaults) {
    TwoPorts ports;
    const auto list = ports.List({ports.a, ports.b});
    PortMap plainPorts;
    list(plainPorts);
    ScriptedPrompts quiet;
    CTalvaneDlg plain(&plainPorts);
    const auto design = Looks(plain);

    const QByteArray bad[] = {
        // Values that no control can take.
        "[port]\nmodel=99mm\nbaud=fast\nhandshake=\ndevice=/nowhere\n"
        "[picture]\nthreshold=12a\nblockRows=-5\nmode=sideways\ninvert=maybe\n"
        "[send]\nhex=2\n[window]\nsize=@Size(99999 5)\nposition=@Point(-90000 -90000)\n",
        // Not a settings file at all.
        QByteArray(NOT_SETTINGS, sizeof NOT_SETTINGS - 1),
        QByteArray(4096, '\xC3'),
    };
    for (const QByteArray& content : bad) {
        ConfigFolder config;
        ASSERT_TRUE(QDir().mkpath(QFileInfo(config.SettingsFile()).absolutePath()));
        QFile file(config.SettingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        {
            ConsoleDialog f({}, {}, list);
            EXPECT_EQ(Looks(*f.dlg), design) << content.left(20).toStdString();
            EXPECT_EQ(f.dlg->size(), FixtureSize(*f.dlg));
            f.Choose(IDC_MODEL_LIST, 1);
            f.Quit();
        }
        // The next session is remembered again.
        ConsoleDialog f({}, {}, list);
        EXPECT_EQ(f.As<QComboBox>(IDC_MODEL_LIST)->currentText(), QStringLiteral("80mm"));
    }

    // A settings "file" that is a folder cannot be read nor written: the defaults, and
    // a session that goes on and ends as usual.
    ConfigFolder config;
    ASSERT_TRUE(QDir().mkpath(config.SettingsFile()));
    ConsoleDialog f({}, {}, list);
    EXPECT_EQ(Looks(*f.dlg), design);
    f.Choose(IDC_MODEL_LIST, 1);
    EXPECT_EQ(f.dlg->PrintableWidth(), CTalvaneDlg::WIDTH_80MM);
    f.Quit();
    EXPECT_EQ(f.dlg, nullptr);
    EXPECT_TRUE(QFileInfo(config.SettingsFile()).isDir());
}

// The settings program as the ordinary user runs it, its configuration in `configHome`.
SessionResult RunSession(const QString& configHome, const QStringList& args) {
    return RunAsOrdinaryUser(QStringLiteral(SETTINGS_SESSION_PATH), args,
                             {{QStringLiteral("XDG_CONFIG_HOME"), configHome},
                              {QStringLiteral("HOME"), configHome},
                              {QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen")}});
}

const QByteArray SEND_FILE_CONTENT = "1B 40";

TEST(RememberedSettings, AnOrdinaryUserKeepsSettingsInTheirOwnFolder) {
    UserFolder home(true);
    ASSERT_FALSE(home.folder.isEmpty());
    const QString sendFile = home.ReadOnlyFile(QStringLiteral("cmd.txt"), SEND_FILE_CONTENT);
    const SessionResult changed = RunSession(home.folder, {QStringLiteral("change"), sendFile});
    EXPECT_EQ(changed.exitCode, 0) << changed.err.toStdString();
    EXPECT_TRUE(changed.out.contains(QStringLiteral("session-ok"))) << changed.err.toStdString();
    const QString file = home.folder + QStringLiteral("/talvane/talvane.conf");
    ASSERT_TRUE(QFileInfo(file).isFile());
    if (geteuid() == 0) {
        EXPECT_EQ(QFileInfo(file).ownerId(), getpwnam("nobody")->pw_uid);
    }
    const SessionResult shown = RunSession(home.folder, {QStringLiteral("show")});
    EXPECT_EQ(shown.exitCode, 0) << shown.err.toStdString();
    EXPECT_EQ(shown.out.trimmed(), QStringLiteral("80mm 115200"));
}

TEST(RememberedSettings, AReadOnlyConfigFolderKeepsTheSessionGoing) {
    UserFolder home(false);
    const QString sendFile = home.ReadOnlyFile(QStringLiteral("cmd.txt"), SEND_FILE_CONTENT);
    const SessionResult changed = RunSession(home.folder, {QStringLiteral("change"), sendFile});
    EXPECT_EQ(changed.exitCode, 0) << changed.err.toStdString();
    EXPECT_TRUE(changed.out.contains(QStringLiteral("session-ok"))) << changed.err.toStdString();
    // Said once, on the terminal; no message box in the operator's way.
    EXPECT_EQ(changed.err.count(QStringLiteral("could not be saved")), 1)
        << changed.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(home.folder + QStringLiteral("/talvane")));
    const SessionResult shown = RunSession(home.folder, {QStringLiteral("show")});
    EXPECT_EQ(shown.exitCode, 0) << shown.err.toStdString();
    EXPECT_EQ(shown.out.trimmed(), QStringLiteral("58mm 9600"));
}

} // namespace

TEST(RememberedSettings, TheExpectedReceiptIsRememberedOpenOrClosed) {
    ConfigFolder config;
    TwoPorts ports;
    const auto list = ports.List({ports.a});
    {
        ConsoleDialog f({}, {}, list);
        ExpectedReceiptWindow* window = f.dlg->ExpectedReceipt();
        EXPECT_FALSE(window->isVisible()); // off by default, nothing rendered
        EXPECT_EQ(window->Roll(), nullptr);
        f.dlg->findChild<QAction*>(QStringLiteral("expectedReceiptAction"))->trigger();
        EXPECT_TRUE(window->isVisible());
        EXPECT_NE(window->Roll(), nullptr);
    }
    {
        ConsoleDialog open({}, {}, list);
        ExpectedReceiptWindow* window = open.dlg->ExpectedReceipt();
        EXPECT_TRUE(window->isVisible());
        window->close();
        EXPECT_EQ(window->Roll(), nullptr); // closed, it stops watching
    }
    ConsoleDialog closed({}, {}, list);
    EXPECT_FALSE(closed.dlg->ExpectedReceipt()->isVisible());
}
