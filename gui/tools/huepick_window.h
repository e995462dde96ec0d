#pragma once
// The screen colour picker: while sampling, shows the colour under the pointer as "#RRGGBB" and as
// a swatch; a click on the text copies it. Where the screen cannot be read (Wayland), the button
// asks the desktop's own picker instead, and the colour the user clicks lands in the same place.

#include "platform/colour_portal.h"
#include "platform/screen_pixels.h"

#include <QTimer>
#include <QWidget>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace stylewright {

class Prompts;

// "#" and the red, green and blue components as two upper-case hexadecimal digits each.
QString colourText(const QColor &colour);

class HuePickWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSampleInterval = 50; // milliseconds

    // portal may be null: the picker then only samples.
    HuePickWindow(std::unique_ptr<ScreenPixels> pixels, std::unique_ptr<ColourPortal> portal, Prompts &prompts,
                  QWidget *parent = nullptr);

    bool isSampling() const { return m_timer.isActive(); }
    // Whether the button asks the desktop's picker rather than sampling the screen.
    bool picksThroughDesktop() const { return m_throughDesktop; }
    // Waiting for the desktop's picker.
    bool isPicking() const { return m_portal && m_portal->isBusy(); }

public slots:
    void toggleSampling();
    // One timer tick: reads the pixel under the pointer when the pointer has moved.
    void sample();
    void copyColour();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showColour(const QColor &colour);
    void pickThroughDesktop();
    void togglePick();
    void listenToPortal();

    std::unique_ptr<ScreenPixels> m_pixels;
    std::unique_ptr<ColourPortal> m_portal;
    Prompts &m_prompts;
    bool m_throughDesktop = false;
    QTimer m_timer;
    QPoint m_lastPosition{0, 0};
    bool m_refusalShown = false;
    QLineEdit *m_text;
    QPushButton *m_toggle;
    QLabel *m_swatch;
    QLabel *m_hint;
};

} // namespace stylewright
