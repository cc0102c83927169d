#pragma once

#include <QLabel>
#include <vector>

namespace ordavex {

// The ruler under the score tick boxes: each score written centred at its own position.
class ScoreRuler : public QLabel {
    Q_OBJECT
public:
    // centres: for score 0, 1, ..., the horizontal centre of its box in pixels, measured from
    // the ruler's left edge.
    ScoreRuler(std::vector<int> centres, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int> centres_;
};

}  // namespace ordavex
