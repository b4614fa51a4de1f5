#pragma once

#include <QWidget>

class QSvgRenderer;

// A picture without content that reacts to a click: the invisible buttons
// lying over the banner's drawing.
class ClickArea : public QWidget
{
    Q_OBJECT

public:
    explicit ClickArea(QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

// The panel across the top of the main window: the drawing with the program's
// name, two logos and the labels of eight buttons, the click areas over those
// labels and logos, and the four white lines that mark the page shown.
class Banner : public QWidget
{
    Q_OBJECT

public:
    explicit Banner(QWidget *parent = nullptr);

    ClickArea *area(const QString &name) const;

    // Shows the marker of page 1 to 4 and hides the other three.
    void showMarker(int page);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer *m_picture;
};
