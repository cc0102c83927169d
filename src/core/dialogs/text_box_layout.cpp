#include "text_box_layout.h"

#include "app/text_split.h"

namespace ordavex {

TextBoxLayout LayOutTextBox(const std::string& text, const TextBoxGeometry& geometry) {
    const TextBoxGrowth& growth = geometry.growth;
    TextBoxLayout layout;
    layout.lineCount = static_cast<int>(SplitText(text, '|').size());
    layout.outerHeight = growth.windowLinePitch * layout.lineCount + growth.outerBase;
    layout.frameHeight = growth.windowLinePitch * layout.lineCount + growth.frameBase;
    layout.labelHeight = growth.labelLinePitch * layout.lineCount;
    layout.buttonTop = growth.windowLinePitch * layout.lineCount + growth.buttonTopBase;
    layout.labelText = PipesToLineBreaks(text);
    return layout;
}

}  // namespace ordavex
