#pragma once

#include <QDialog>

// "About Quilmead": the program icon, the product name and its version.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);
};

// The splash window shown while the program starts: no border, on top,
// centred, sized to its picture. It closes itself after five seconds at the
// latest.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    SplashWindow();
    // Shows and paints the window at once.
    void showNow();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};
