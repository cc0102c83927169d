#include "checking/number_chart.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "widgets/ui_style.h"

namespace ordavex {

namespace {

const QColor kBackground{Qt::white};
const QColor kBarColour{54, 96, 166};
const QColor kMarkedColour{214, 84, 28};
const QColor kSelectedBand = kSelectedColour;
const QColor kAxisColour{64, 64, 64};
const QColor kGridColour{222, 222, 222};

constexpr const char* kNumberCaption = "Numero";
constexpr const char* kSelectedLegend = "selezionati";
constexpr const char* kNoValues = "Nessuna statistica: scegliere un archivio e le estrazioni";
constexpr const char* kAccessibleName = "Grafico dei numeri";

constexpr double kPadding = 6;
constexpr double kTick = 4;
constexpr double kLegendSwatch = 10;
constexpr int kMostGridSteps = 5;
constexpr int kNumberLabelEvery = 10;

// A step of 1, 2 or 5 times a power of ten that cuts `top` into at most kMostGridSteps parts.
std::int64_t GridStep(std::int64_t top) {
    const double raw = std::max(1.0, static_cast<double>(top) / kMostGridSteps);
    auto magnitude = static_cast<std::int64_t>(std::pow(10.0, std::floor(std::log10(raw))));
    magnitude = std::max<std::int64_t>(magnitude, 1);
    for (const std::int64_t factor : {1, 2, 5, 10}) {
        if (static_cast<double>(factor * magnitude) >= raw) return factor * magnitude;
    }
    return 10 * magnitude;
}

QFont TitleFont(const QFont& font) {
    QFont title = font;
    title.setBold(true);
    return title;
}

}  // namespace

struct NumberChart::Layout {
    QRectF plot;  // inside the axes, on whole pixels
    double slot = 0;
    double gap = 1;
    std::int64_t top = 1;
    std::int64_t step = 1;
    double lineHeight = 0;
};

NumberChart::NumberChart(QWidget* parent) : QWidget(parent) {
    setObjectName("chart");
    setAccessibleName(kAccessibleName);
    setFont(DesignFont(kSegoeUi, kSmallPoints));
    setCursor(Qt::PointingHandCursor);
}

void NumberChart::SetValues(const Values& values, const QString& title, const QString& valueCaption) {
    values_ = values;
    hasValues_ = true;
    title_ = title;
    valueCaption_ = valueCaption;
    setAccessibleDescription(title);
    update();
}

void NumberChart::ClearValues() {
    values_ = {};
    hasValues_ = false;
    title_.clear();
    update();
}

void NumberChart::SetMarked(const NumberMask& marked, const QString& legend) {
    marked_ = marked;
    markedLegend_ = legend;
    update();
}

void NumberChart::SetSelected(const NumberMask& selected) {
    selected_ = selected;
    update();
}

NumberChart::Layout NumberChart::LayOut(const QRectF& area) const {
    const QFontMetricsF metrics(font());
    Layout layout;
    layout.lineHeight = metrics.height();
    const std::int64_t highest = *std::max_element(values_.begin() + kLowestNumber, values_.end());
    layout.step = GridStep(std::max<std::int64_t>(highest, 1));
    layout.top = std::max<std::int64_t>((highest + layout.step - 1) / layout.step * layout.step, 1);
    const double valueLabels = metrics.horizontalAdvance(QString::number(layout.top));
    const double left = area.left() + kPadding + layout.lineHeight + kPadding + valueLabels + kTick;
    // A line for the title and one for the legend above; the numbers and their caption below.
    const double top = area.top() + kPadding + 2 * layout.lineHeight + kPadding;
    const double bottom = area.bottom() - kPadding - 2 * layout.lineHeight - kTick;
    const double right = area.right() - kPadding - metrics.horizontalAdvance("90") / 2;
    layout.plot = QRectF(QPointF(std::ceil(left), std::ceil(top)), QPointF(std::floor(right), std::floor(bottom)));
    layout.slot = layout.plot.width() / kHighestNumber;
    layout.gap = std::max(1.0, std::round(layout.slot / 4));
    return layout;
}

std::vector<QRectF> NumberChart::BarRects() const {
    if (!hasValues_) return {};
    return BarsIn(LayOut(QRectF(rect())));
}

std::vector<QRectF> NumberChart::BarsIn(const Layout& layout) const {
    std::vector<QRectF> bars;
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        const std::int64_t value = values_[static_cast<std::size_t>(n)];
        if (value <= 0) continue;
        // Whole pixels, with the gap before each bar, so that neighbouring bars never touch.
        const double left = std::floor(layout.plot.left() + (n - 1) * layout.slot) + layout.gap;
        const double right = std::floor(layout.plot.left() + n * layout.slot);
        const double height = std::max(
            1.0, std::round(static_cast<double>(value) / static_cast<double>(layout.top) * layout.plot.height()));
        bars.emplace_back(QPointF(left, layout.plot.bottom() - height), QPointF(right, layout.plot.bottom()));
    }
    return bars;
}

QImage NumberChart::Render(double scale) const {
    QImage image(size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    Paint(painter, QRectF(QPointF(0, 0), QSizeF(size())));
    return image;
}

void NumberChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter, QRectF(rect()));
}

void NumberChart::Paint(QPainter& painter, const QRectF& area) const {
    painter.fillRect(area, kBackground);
    painter.setFont(font());
    if (!hasValues_) {
        painter.setPen(kAxisColour);
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, kNoValues);
        return;
    }
    const Layout layout = LayOut(area);
    painter.setFont(TitleFont(font()));
    painter.setPen(kAxisColour);
    painter.drawText(
        QRectF(area.left() + kPadding, area.top() + kPadding, area.width() - 2 * kPadding, layout.lineHeight),
        Qt::AlignLeft | Qt::AlignVCenter, title_);
    painter.setFont(font());
    PaintLegend(painter, QRectF(area.left() + kPadding, area.top() + kPadding + layout.lineHeight,
                                area.width() - 2 * kPadding, layout.lineHeight));
    PaintAxes(painter, layout);
    PaintBars(painter, layout);
}

void NumberChart::PaintLegend(QPainter& painter, const QRectF& line) const {
    const QFontMetricsF metrics(font());
    double x = line.left();
    const auto entry = [&](const QColor& colour, const QString& text) {
        const QRectF swatch(x, line.center().y() - kLegendSwatch / 2, kLegendSwatch, kLegendSwatch);
        painter.fillRect(swatch, colour);
        x += kLegendSwatch + kPadding / 2;
        painter.setPen(kAxisColour);
        painter.drawText(QRectF(x, line.top(), line.right() - x, line.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         text);
        x += metrics.horizontalAdvance(text) + 2 * kPadding;
    };
    if (!marked_.Empty() && !markedLegend_.isEmpty()) entry(kMarkedColour, markedLegend_);
    if (!selected_.Empty()) entry(kSelectedBand, kSelectedLegend);
}

void NumberChart::PaintAxes(QPainter& painter, const Layout& layout) const {
    const QRectF& plot = layout.plot;
    const QFontMetricsF metrics(font());
    const double labelsWidth = metrics.horizontalAdvance(QString::number(layout.top)) + kPadding;
    for (std::int64_t value = 0; value <= layout.top; value += layout.step) {
        const double y = plot.bottom() - static_cast<double>(value) / static_cast<double>(layout.top) * plot.height();
        if (value > 0) {
            painter.setPen(kGridColour);
            painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        }
        painter.setPen(kAxisColour);
        painter.drawLine(QPointF(plot.left() - kTick, y), QPointF(plot.left(), y));
        painter.drawText(QRectF(plot.left() - kTick - kPadding / 2 - labelsWidth, y - layout.lineHeight / 2,
                                labelsWidth, layout.lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(value));
    }
    painter.setPen(kAxisColour);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        if (n != kLowestNumber && n % kNumberLabelEvery != 0) continue;
        const double x = plot.left() + (n - 0.5) * layout.slot;
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + kTick));
        const QString label = QString::number(n);
        const double width = metrics.horizontalAdvance(label) + kPadding;
        painter.drawText(QRectF(x - width / 2, plot.bottom() + kTick, width, layout.lineHeight), Qt::AlignCenter,
                         label);
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + kTick + layout.lineHeight, plot.width(), layout.lineHeight),
                     Qt::AlignCenter, kNumberCaption);

    // The caption of the values reads upwards along the left edge.
    painter.save();
    painter.translate(plot.left() - kTick - labelsWidth - kPadding - layout.lineHeight, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), layout.lineHeight), Qt::AlignCenter, valueCaption_);
    painter.restore();
}

void NumberChart::PaintBars(QPainter& painter, const Layout& layout) const {
    for (const int n : selected_) {
        if (n > kHighestNumber) break;
        const double left = std::floor(layout.plot.left() + (n - 1) * layout.slot);
        const double right = std::floor(layout.plot.left() + n * layout.slot);
        painter.fillRect(QRectF(QPointF(left, layout.plot.top()), QPointF(right + 1, layout.plot.bottom())),
                         kSelectedBand);
    }
    std::size_t bar = 0;
    const std::vector<QRectF> bars = BarsIn(layout);
    for (int n = kLowestNumber; n <= kHighestNumber && bar < bars.size(); ++n) {
        if (values_[static_cast<std::size_t>(n)] <= 0) continue;
        painter.fillRect(bars[bar++], marked_.Has(n) ? kMarkedColour : kBarColour);
    }
}

int NumberChart::NumberAt(const QPointF& point) const {
    if (!hasValues_) return 0;
    const Layout layout = LayOut(QRectF(rect()));
    if (point.x() < layout.plot.left() || point.x() >= layout.plot.right() || point.y() < layout.plot.top()) return 0;
    const int n = static_cast<int>((point.x() - layout.plot.left()) / layout.slot) + 1;
    return n >= kLowestNumber && n <= kHighestNumber ? n : 0;
}

void NumberChart::mousePressEvent(QMouseEvent* event) {
    const int n = NumberAt(event->position());
    if (n != 0) emit NumberClicked(n);
}

}  // namespace ordavex
