#pragma once
// A picture box showing one SVG drawing at its own size from the box's top left,
// rendered once per device pixel ratio, so it stays sharp at any scaling.

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

namespace ferricalc {

class DrawingView : public QWidget {
public:
    DrawingView(const QString& resource, QSize drawingSize, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_resource;
    QSize m_drawingSize;
    QPixmap m_rendered;
};

}  // namespace ferricalc
