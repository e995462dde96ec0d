#pragma once
// The secondary windows of the editor (fetcher, colour picker, tool window and contact window):
// each exists at most once, is modeless, follows the main window's minimised state and closes
// with it in a fixed order.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

namespace stylewright {

// In the order the main window closes them.
enum class Secondary { Connect, Tool, HuePick, Fetcher };
inline constexpr int kSecondaryCount = 4;

class SecondaryWindows : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<QWidget *()>;

    explicit SecondaryWindows(QObject *parent = nullptr);

    // How a window is made; the window is deleted when closed.
    void setFactory(Secondary which, Factory factory);

    // Shows the window modeless, creating it when it is not open, and brings it forward; a window
    // the user minimised on its own is restored.
    QWidget *open(Secondary which);
    // Closes the window if it is open.
    void close(Secondary which);
    // The open window, or nullptr.
    QWidget *window(Secondary which) const;

    // Minimised main window: the tool window, colour picker and fetcher follow, in that order.
    // A window that is not open takes the state when it is next shown.
    void setMinimised(bool minimised);
    // Closes every open window in the order of Secondary.
    void closeAll();

private:
    std::array<Factory, kSecondaryCount> m_factories;
    std::array<QPointer<QWidget>, kSecondaryCount> m_windows;
    bool m_minimised = false;
};

} // namespace stylewright
