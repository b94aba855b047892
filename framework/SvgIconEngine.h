#pragma once

#include <QIconEngine>
#include <QRectF>
#include <QString>

#include <vector>

// An icon drawn on demand from the program's vector drawings, at exactly the
// pixel size asked for (so it stays sharp at any scaling) and only when it
// is asked for. An icon may have one drawing per nominal size (a 16 pixel
// drawing beside a 32 pixel one); the smallest drawing at least as large as
// the request serves it, the largest one anything bigger.
class SvgIconEngine : public QIconEngine {
public:
    struct Drawing {
        QString path;  // a drawing in the resource file system
        QRectF area;   // the part of it that is this icon, in its units
    };

    explicit SvgIconEngine(std::vector<Drawing> drawings);

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;
    bool isNull() override;

    // Whether every drawing can be read.
    bool IsValid() const;

private:
    const Drawing &DrawingFor(const QSize &size) const;

    std::vector<Drawing> m_drawings;  // smallest first
};
