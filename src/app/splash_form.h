#pragma once

#include <QWidget>

// The picture shown while the windows are created: no border, always on top,
// centred on the screen.
class TSplashForm : public QWidget
{
    Q_OBJECT

public:
    explicit TSplashForm(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
