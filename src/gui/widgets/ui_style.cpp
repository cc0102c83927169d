#include "widgets/ui_style.h"

#include <QApplication>
#include <QIcon>
#include <QWidget>

#include "widgets/italian_language.h"

#include "app/twips.h"

// Resources of a static library must be registered by name, from the global namespace.
static void RegisterOrdavexResources() { Q_INIT_RESOURCE(ordavex); }

namespace ordavex {

namespace {
constexpr const char* kProductName = "Ordavex®";
constexpr const char* kByMaker = " - by Quarnelo";
constexpr const char* kHelpHint = " - Press <F10> to Info";
constexpr const char* kProgramIcon = ":/icons/ordavex.svg";
}  // namespace

void PrepareApplication() {
    RegisterOrdavexResources();
    InstallFontFallbacks();
    SpeakItalian();
    // Every window of the program shows the program's icon.
    QApplication::setWindowIcon(QIcon(kProgramIcon));
}

void InstallFontFallbacks() {
    QFont::insertSubstitutions(kSegoeUi, {"Liberation Sans", "Arimo", "DejaVu Sans", "Arial"});
    QFont::insertSubstitutions(kTrebuchet, {"DejaVu Sans", "Liberation Sans", "Arial"});
    QFont::insertSubstitutions(kCourierNew, {"Liberation Mono", "Cousine", "DejaVu Sans Mono", "Courier"});
}

QFont DesignFont(const char* family, double points, bool semibold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setWeight(semibold ? QFont::DemiBold : QFont::Normal);
    if (QString(family) == kCourierNew) font.setStyleHint(QFont::Monospace, QFont::PreferMatch);
    return font;
}

int Px(int twips) { return TwipsToPixels(twips); }

QRect TwipsRect(int left, int top, int width, int height) { return QRect(Px(left), Px(top), Px(width), Px(height)); }

void SetBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

QString ProductName() { return QString::fromUtf8(kProductName); }

QString ProductTitle() { return ProductName() + kByMaker; }

QString ProductTitleWithHelp() { return ProductTitle() + kHelpHint; }

}  // namespace ordavex
