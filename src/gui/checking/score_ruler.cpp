#include "checking/score_ruler.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

namespace ordavex {

namespace {

QString ScoresText(std::size_t count) {
    QStringList scores;
    for (std::size_t p = 0; p < count; ++p) scores << QString::number(p);
    return scores.join(' ');
}

}  // namespace

ScoreRuler::ScoreRuler(std::vector<int> centres, QWidget* parent)
    : QLabel(ScoresText(centres.size()), parent), centres_(std::move(centres)) {}

void ScoreRuler::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    for (std::size_t p = 0; p < centres_.size(); ++p) {
        const QString score = QString::number(p);
        const int width = metrics.horizontalAdvance(score);
        const QRect place(centres_[p] - width / 2, 0, width, height());
        painter.drawText(place, Qt::AlignHCenter | Qt::AlignTop, score);
    }
}

}  // namespace ordavex
