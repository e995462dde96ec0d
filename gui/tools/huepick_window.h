#pragma once
// The screen colour picker: while sampling, shows the colour under the pointer as "#RRGGBB" and as
// a swatch; a click on the text copies it.

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

    HuePickWindow(std::unique_ptr<ScreenPixels> pixels, Prompts &prompts, QWidget *parent = nullptr);

    bool isSampling() const { return m_timer.isActive(); }

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

    std::unique_ptr<ScreenPixels> m_pixels;
    Prompts &m_prompts;
    QTimer m_timer;
    QPoint m_lastPosition{0, 0};
    bool m_refusalShown = false;
    QLineEdit *m_text;
    QPushButton *m_toggle;
    QLabel *m_swatch;
};

} // namespace stylewright
