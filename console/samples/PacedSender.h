#pragma once
// Sends a series of whole printer commands paced to the line: the next command is
// handed to the port's transmit buffer only when what was queued before has nearly
// left, so a large picture never sits in the buffers at once and Cancel can stop it
// between two commands. The printer never receives half a command: each command goes
// to the port whole, and Cancel only drops the ones not yet handed over.
//
// Progress counts the bytes that have left the console (neither in the transmit buffer
// nor in the device's output queue), the rows of the commands that have left, and the
// time left at the rate the line has really taken bytes so far.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <cstddef>
#include <functional>
#include <vector>

class CommandHost;

class PacedSender : public QObject {
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
        double secondsLeft = -1; // unknown until the line has taken some bytes
        bool done = false;
        bool cancelled = false;
    };

    explicit PacedSender(CommandHost& host, QObject* parent = nullptr);

    // Starts sending; false (and nothing sent) while an earlier series is running.
    bool Start(std::vector<Step> steps);
    // No further command is handed over; the ones already handed over go out whole.
    void Cancel();
    bool Busy() const { return busy_; }
    const State& Current() const { return state_; }

    static constexpr int POLL_MS = 5;

signals:
    void Progress(const PacedSender::State& state);
    void Finished(const PacedSender::State& state);

private:
    void Tick();
    size_t BytesLeft(); // handed over but not yet gone
    void Finish();

    CommandHost& host_;
    QTimer timer_;
    QElapsedTimer clock_;
    std::vector<Step> steps_;
    std::vector<size_t> stepEnds_; // cumulative bytes at the end of each step
    size_t next_ = 0;              // first step not handed over
    size_t handed_ = 0;            // bytes handed over
    qint64 quietSince_ = -1; // when the buffers were first seen empty at the end
    bool busy_ = false;
    bool cancelling_ = false;
    State state_;
};
