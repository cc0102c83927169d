#pragma once

#include <QImage>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

#include "combinations/number_mask.h"
#include "lottery/number_range.h"

class QPainter;

namespace ordavex {

// A bar for each of the numbers 1 to 90, painted by the program: the numbers of the system or of
// the forecast in a colour of their own, the selected numbers on a band. Texts are laid out from
// the font's measures, so the chart reads alike on any screen scale and in an exported picture.
class NumberChart : public QWidget {
    Q_OBJECT
public:
    using Values = std::array<std::int64_t, kHighestNumber + 1>;  // by number; entry 0 unused

    explicit NumberChart(QWidget* parent);

    // `title` above the chart, `valueCaption` along the axis of the values.
    void SetValues(const Values& values, const QString& title, const QString& valueCaption);
    void ClearValues();
    void SetMarked(const NumberMask& marked, const QString& legend);
    void SetSelected(const NumberMask& selected);

    // The bars of the chart at its current size, one for each number with a value above 0, in
    // ascending order of the numbers.
    std::vector<QRectF> BarRects() const;
    // The chart painted at `scale` device pixels per pixel, for a picture sharper than the screen's.
    QImage Render(double scale) const;

signals:
    void NumberClicked(int number);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Layout;
    Layout LayOut(const QRectF& area) const;
    std::vector<QRectF> BarsIn(const Layout& layout) const;
    void Paint(QPainter& painter, const QRectF& area) const;
    void PaintAxes(QPainter& painter, const Layout& layout) const;
    void PaintBars(QPainter& painter, const Layout& layout) const;
    void PaintLegend(QPainter& painter, const QRectF& area) const;
    int NumberAt(const QPointF& point) const;

    Values values_{};
    bool hasValues_ = false;
    QString title_;
    QString valueCaption_;
    NumberMask marked_;
    QString markedLegend_;
    NumberMask selected_;
};

}  // namespace ordavex
