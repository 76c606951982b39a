#pragma once
// Sends a series of whole printer commands paced to the line: the next command is
// handed to the port's transmit buffer only when what was queued before has nearly
// left, so a large picture never sits in the buffers at once and Cancel can stop it
// between two commands. The printer never receives half a command: each command goes
// to the port whole, and Cancel only drops the ones not yet handed over. A setup
// command asked for meanwhile ("Read status", "Clear-Buf") waits for the boundary
// between two commands (LineJob).
//
// Progress counts the bytes that have left the console (neither held by the engine,
// its transmit buffer and the piece in its write thread, nor in the device's output
// queue where the device reports one), held back to what a line of known rate can
// have carried (LineProgress); the rows of the commands that have left; and the time
// left at the rate of the last few seconds.
//
// On a line with a known rate the next command is handed over only when what the line
// has still to carry is less than CANCEL_SPAN_MS of it, so Cancel lets through at most
// that much of the line plus the command handed over last, also where the device
// takes far more than that without saying so.

#include "console/samples/LineProgress.h"
#include "host/CommandHost.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class PacedSender : public QObject, public LineJob {
    Q_OBJECT
public:
    struct Step {
        std::function<void()> send; // writes one command and records it
        size_t bytes = 0;           // its length on the wire
        int rows = 0;               // picture rows it carries
    };
    struct State {
        size_t sentBytes = 0;
        size_t totalBytes = 0;
        int sentRows = 0;
        int totalRows = 0;
        int sentSteps = 0;
        int totalSteps = 0;
        // What the bar shows: the bytes of the commands the line has wholly carried.
        size_t barBytes = 0;
        double secondsLeft = -1; // unknown until the line has taken some bytes
        bool done = false;
        bool cancelled = false;
        bool lost = false;  // the device vanished under the job
        QString stoppedFor; // the setup command that ended the job, if one did
    };

    explicit PacedSender(CommandHost& host, QObject* parent = nullptr);
    ~PacedSender() override;

    // Starts sending; false (and nothing sent) while an earlier series is running.
    bool Start(std::vector<Step> steps);
    // No further command is handed over; the ones already handed over go out whole.
    void Cancel();
    bool Busy() const { return busy_; }
    const State& Current() const { return state_; }

    // LineJob: the host's setup commands while this runs.
    void AtCommandBoundary(std::function<void()> setup, const QString& what, bool endsJob,
                           QWidget* control) override;

    static constexpr int POLL_MS = 5;
    // A setup command waiting for the boundary is refused when the line has taken no
    // byte for this long.
    static constexpr int BOUNDARY_STALL_MS = 3000;
    // What the line may still have to carry, in its own time, when the next command is
    // handed over.
    static constexpr int CANCEL_SPAN_MS = 500;

signals:
    void Progress(const PacedSender::State& state);
    void Finished(const PacedSender::State& state);
    // A setup command could not wait any longer; `text` says so, for `control`.
    void SetupRefused(const QString& text, QWidget* control);

private:
    struct Waiting {
        std::function<void()> setup;
        QString what;
        bool endsJob = false;
        QWidget* control = nullptr;
    };
    void Tick();
    size_t BytesLeft(); // handed over but not yet gone
    // Runs the waiting setups at a boundary, or refuses them when the line has stalled.
    void ServeWaiting(size_t left);
    void CountSent(size_t sent);
    // Whether the next command may go with `left` bytes still held or queued.
    bool MayHandNext(size_t left) const;
    // The line's rate now (a setup between two commands may change it); 0: unknown.
    uint32_t LineRate() const;
    void Finish();

    CommandHost& host_;
    QTimer timer_;
    QElapsedTimer clock_;
    std::vector<Step> steps_;
    std::vector<size_t> stepEnds_; // cumulative bytes at the end of each step
    size_t next_ = 0;              // first step not handed over
    size_t handed_ = 0;            // bytes handed over
    size_t lastSent_ = 0;          // sent as last seen while the line was usable
    LineProgress progress_;
    uint64_t droppedAtStart_ = 0;  // the engine's count of bytes dropped for a lost device
    std::vector<Waiting> waiting_;
    size_t waitingLeft_ = 0;       // bytes left when the line last moved for the waiting
    qint64 waitingSince_ = 0;      // when it last moved
    bool busy_ = false;
    bool cancelling_ = false;
    State state_;
};
