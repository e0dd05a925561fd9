#pragma once
// The status bar's lock-key panes: "CAP", "NUM" and "SCRL" while Caps Lock,
// Num Lock and Scroll Lock are on, empty while they are off. Their state
// comes from the X server's keyboard indicators (XKB), read at the start and
// on every change the server reports. Other window systems (offscreen,
// Wayland) tell a program nothing of them: there the panes stay empty.

#include <QtCore/QAbstractNativeEventFilter>
#include <QtCore/QObject>

#include <array>
#include <cstdint>

class QLabel;
class QStatusBar;

namespace gb::widgets {

class LockKeyPanes final : public QObject, public QAbstractNativeEventFilter {
public:
    enum class Key { Caps, Num, Scroll };

    // Adds the three panes at the right of `bar`, which owns them.
    explicit LockKeyPanes(QStatusBar& bar);

    const QLabel& Pane(Key key) const { return *panes_[static_cast<std::size_t>(key)]; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct Indicator {
        bool known = false;
        std::uint8_t index = 0;  // its bit in the server's indicator state
    };

    // Finds the keys' indicators on the X server and shows their state; false
    // without an X server.
    bool ReadIndicators();
    void Show(Key key, bool on);

    std::array<QLabel*, 3> panes_{};
    std::array<Indicator, 3> indicators_{};
    // The first event code of the X keyboard extension; 0 without an X server.
    std::uint8_t xkbFirstEvent_ = 0;
};

}  // namespace gb::widgets
