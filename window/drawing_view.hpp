#pragma once
// A picture box showing one SVG drawing at its own size from the box's top left,
// sharp at any scaling: at a device pixel ratio the build drew it for, the box
// shows that bitmap (window/prerendered.hpp); at any other it draws the SVG once
// for that ratio.

#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>

namespace ferricalc {

class DrawingView : public QWidget {
public:
    DrawingView(const QString& resource, QSize drawingSize, QWidget* parent);

    // Shows another drawing of the same size (the same picture in another language).
    void setResource(const QString& resource);
    const QString& resource() const { return m_resource; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_resource;
    QSize m_drawingSize;
    QImage m_rendered;
};

}  // namespace ferricalc
