// The printer holds CTS off for five seconds in the middle of a "Send text" with the
// "RTS/CTS" handshake. A pseudo-terminal has no CTS, so the dialog's port is the
// scripted line of the engine's tests: the dialog opens it through its own COM Open,
// with its own options and flow settings; only the device under the engine differs.
#include "tests/faults/FaultProbes.h"
#include "tests/support/ScriptedLine.h"

#include <QTemporaryDir>
#include <atomic>

using namespace ids;

namespace {

constexpr int HANDSHAKE_RTS_CTS = 1;
constexpr size_t SEND_BYTES = 512 * 1024;
// CTS goes off once this much has gone into the driver.
constexpr size_t CUT_AT = SEND_BYTES / 3;
constexpr int HOLD_MS = 5000;
// What is already in flight when CTS drops settles within this.
constexpr int SETTLE_MS = 300;

// The scripted device, with CTS dropped once the engine has written CUT_AT bytes.
class CtsCutDevice : public ScriptedDevice {
public:
    CtsCutDevice(std::shared_ptr<Script> script, std::atomic<bool>* cut)
        : ScriptedDevice(script), script_(std::move(script)), cut_(cut) {}
    int WriteSome(const void* buffer, uint32_t length) override {
        const int n = ScriptedDevice::WriteSome(buffer, length);
        if (n > 0) written_ += static_cast<size_t>(n);
        if (written_ >= CUT_AT && !cut_->exchange(true)) script_->SetCts(false);
        return n;
    }

private:
    std::shared_ptr<Script> script_;
    std::atomic<bool>* cut_;
    size_t written_ = 0;
};

class ScriptedPortDlg : public CTalvaneDlg {
public:
    ScriptedPortDlg(PortMap* ports, std::shared_ptr<Script> script, std::atomic<bool>* cut)
        : CTalvaneDlg(ports), script_(std::move(script)), cut_(cut) {}
    ~ScriptedPortDlg() override { Close(CN_DEFAULT_CLOSE_WAIT_MS); }

protected:
    bool OpenPort() override {
        AttachDevice(std::make_unique<CtsCutDevice>(script_, cut_));
        return true;
    }

private:
    std::shared_ptr<Script> script_;
    std::atomic<bool>* cut_;
};

QByteArray Stream(size_t length) {
    // No period shorter than the stream: a doubled or dropped block shows.
    QByteArray bytes(static_cast<qsizetype>(length), Qt::Uninitialized);
    uint32_t state = 12345;
    for (auto& b : bytes) {
        state = state * 1103515245u + 12345u;
        b = static_cast<char>(state >> 24);
    }
    return bytes;
}

} // namespace

TEST(CtsHeldOff, FiveSecondsInTheMiddleOfASendEveryByteArrivesOnceInOrder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray content = Stream(SEND_BYTES);
    const QString path = dir.filePath(QStringLiteral("stream.txt"));
    ASSERT_TRUE(WriteBytes(path, content));

    // The port's path must be there for COM Open to take the entry; the scripted
    // device stands behind it.
    const QString node = dir.filePath(QStringLiteral("scripted-printer"));
    ASSERT_TRUE(WriteBytes(node, QByteArray()));

    auto script = std::make_shared<Script>();
    std::atomic<bool> cut{false};
    ConsoleDialog f(node.toStdString(), [&](PortMap* ports) {
        return std::make_unique<ScriptedPortDlg>(ports, script, &cut);
    });
    ASSERT_TRUE(f.OpenPort(HANDSHAKE_RTS_CTS));

    f.prompts.openPaths.push_back(path);
    f.Click(IDC_SEND_TEXT);
    ASSERT_TRUE(f.RunUntil([&] { return cut.load(); }, 20000 * TIME_SCALE)) << "CTS never went off";
    f.RunUntil([] { return false; }, SETTLE_MS);
    const size_t held = script->Wire().size();
    EXPECT_LT(held, SEND_BYTES);

    TickProbe probe;
    f.RunUntil([] { return false; }, HOLD_MS);
    EXPECT_EQ(script->Wire().size(), held) << "bytes left while CTS was off";
    EXPECT_LT(probe.MaxGapMs(), 1000 * TIME_SCALE) << "the window waited for the printer";

    std::printf("[ cts ] %zu of %zu bytes out when CTS went off; longest event-loop gap %lld ms\n",
                held, SEND_BYTES, static_cast<long long>(probe.MaxGapMs()));
    script->SetCts(true);
    f.RunUntil([&] { return script->Wire().size() >= SEND_BYTES; }, 20000 * TIME_SCALE);
    f.RunUntil([] { return false; }, SETTLE_MS);
    const std::vector<uint8_t> wire = script->Wire();
    ASSERT_EQ(wire.size(), SEND_BYTES);
    EXPECT_TRUE(
        std::equal(wire.begin(), wire.end(), reinterpret_cast<const uint8_t*>(content.constData())))
        << "the bytes arrived out of order";
    EXPECT_EQ(f.dlg->GetTxBuffer().Size(), 0u);
    EXPECT_EQ(f.prompts.CountMessages(), 0);
}
