// The real main dialog, headless, on a port map of its own, clicked as an operator
// would; plus the probes the fault cases measure with.
#pragma once

#include "ControlIds.h"
#include "PortMap.h"
#include "Prompts.h"
#include "TalvaneDlg.h"

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>

// Sanitizer builds run several times slower; the time bounds stretch with them.
#if defined(__SANITIZE_THREAD__) || defined(__SANITIZE_ADDRESS__)
#define FAULT_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer) || __has_feature(address_sanitizer)
#define FAULT_SANITIZED 1
#endif
#endif
#ifdef FAULT_SANITIZED
inline constexpr int TIME_SCALE = 10;
#else
inline constexpr int TIME_SCALE = 1;
#endif

// Scripted answers; a path listed in `vanishing` is deleted after it has been chosen
// and before the console reads it.
class VanishingPrompts : public ScriptedPrompts {
public:
    std::set<QString> vanishing;
    QString OnOpenFile(const QString& caption, const QString& filter) override;
};

class FaultDialog {
public:
    using Maker = std::function<std::unique_ptr<CTalvaneDlg>(PortMap*)>;
    // The dialog lists `portPath` as its only port; `make` builds a dialog of a
    // derived class when given.
    explicit FaultDialog(const std::string& portPath, const Maker& make = {});
    ~FaultDialog();

    PortMap ports;
    VanishingPrompts prompts;
    std::unique_ptr<CTalvaneDlg> dlg;

    template <typename T> T* As(int id) const { return qobject_cast<T*>(dlg->DialogControl(id)); }
    template <typename T> T* Any(int id) const { return dlg->ControlAs<T>(id); }

    void Click(int id);
    // Picks an item of a combo box from its open list.
    void Choose(int id, int index);
    // Chooses the handshake item and clicks "COM Open"; true when the port opened.
    bool OpenPort(int handshakeItem = 0);
    QString TipText() const;
    int RowCount() const;
    std::string LastRow() const;

    static bool RunUntil(const std::function<bool()>& done, int ms);
    static void ProcessEvents();
};

// Ticks on the event loop and keeps the longest gap between two ticks: a dialog whose
// event loop stalls shows it here.
class TickProbe {
public:
    TickProbe();
    qint64 MaxGapMs() const { return maxGap_; }
    int Ticks() const { return ticks_; }
    void Reset();

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 maxGap_ = 0;
    int ticks_ = 0;
};

// Resident memory of this process in KiB (VmRSS).
long ResidentKiB();
// Writes `content` to `path`; false on failure.
bool WriteBytes(const QString& path, const QByteArray& content);
