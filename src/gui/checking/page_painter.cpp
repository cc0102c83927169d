#include "checking/page_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include "checking/page_layout.h"
#include "widgets/ui_style.h"

namespace ordavex {

namespace {

constexpr double kPagePoints = 9;
constexpr double kMarginMillimetres = 15;

QFont PageFont() {
    QFont font(kCourierNew);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(kPagePoints);
    return font;
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

class PagePainter {
public:
    PagePainter(QPainter& painter, const QSizeF& area)
        : painter_(painter), metrics_(painter.font(), painter.device()), area_(area) {}

    PageRoom Room() const {
        return {area_.width(), area_.height(), metrics_.horizontalAdvance(QLatin1Char('0')), metrics_.lineSpacing()};
    }

    void DrawPage(const PrintDocument& document, const PageLayout& layout, std::size_t page) {
        for (std::size_t line = 0; line < document.header.size(); ++line) {
            DrawAt(0, layout.HeaderRow(line), Text(document.header[line]));
        }
        const double charWidth = Room().charWidth;
        for (const auto& column : layout.ColumnsOf(page)) {
            for (std::size_t row = 0; row < column.count; ++row) {
                const auto& entry = document.entries[column.first + row];
                const QString label = Text(entry.label);
                const double labelLeft = column.left + charWidth * (static_cast<double>(layout.LabelChars()) -
                                                                    static_cast<double>(label.size()));
                if (!label.isEmpty()) DrawAt(labelLeft, layout.EntryRow(row), label);
                DrawAt(column.left + layout.TextLeft(), layout.EntryRow(row), Text(entry.text));
            }
        }
        const QString footer = Text(layout.Footer(page));
        DrawAt((area_.width() - metrics_.horizontalAdvance(footer)) / 2, layout.FooterRow(), footer);
    }

private:
    void DrawAt(double left, std::size_t row, const QString& text) {
        painter_.drawText(QPointF(left, static_cast<double>(row) * metrics_.lineSpacing() + metrics_.ascent()), text);
    }

    QPainter& painter_;
    QFontMetricsF metrics_;
    QSizeF area_;
};

}  // namespace

void SetUpPage(QPagedPaintDevice& device) {
    device.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                    QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
                    QPageLayout::Millimeter));
}

std::size_t PaintDocument(QPagedPaintDevice& device, const PrintDocument& document) {
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    painter.setFont(PageFont());
    const QSizeF area = device.pageLayout().paintRectPixels(device.logicalDpiX()).size();
    PagePainter pages(painter, area);
    const PageLayout layout(document, pages.Room());
    for (std::size_t page = 0; page < layout.PageCount(); ++page) {
        if (page > 0) device.newPage();
        pages.DrawPage(document, layout, page);
    }
    painter.end();
    return layout.PageCount();
}

}  // namespace ordavex
