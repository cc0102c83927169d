#include "widgets/progress_window.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWindow>
#include <exception>
#include <system_error>
#include <thread>

#include "combinations/matrix_name.h"
#include "widgets/ui_style.h"
#include "widgets/window_parts.h"

namespace ordavex {

namespace {

constexpr FixedDialogDesign kWindowDesign{"frmAvanzamento", "Avanzamento del lavoro", 6000, 1500};
constexpr const char* kWindowName = " - Attendere";
constexpr const char* kCancelCaption = "Annulla";
constexpr const char* kCancelToolTip = "Interrompe il lavoro e lascia tutto com'era";
constexpr qint64 kShowAfterMs = 500;
constexpr int kTickMs = 50;
constexpr int kWhole = 1000;  // the progress comes in thousandths

// What a user does to the program; everything else (painting, timers) goes on.
bool IsUserInput(const QEvent& event) {
    switch (event.type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        case QEvent::Close:
            // The close box of another window; the program's own closing goes on.
            return event.spontaneous();
        default:
            return false;
    }
}

}  // namespace

ProgressWindow::ProgressWindow(QWidget* owner, const QString& text, WorkProgress& progress)
    : QDialog(owner, kFixedDialogFlags), progress_(progress) {
    SetUpFixedDialog(this, kWindowDesign);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(ProductTitle() + kWindowName);
    lblAvanzamento_ = new QLabel(text, this);
    lblAvanzamento_->setObjectName("lblAvanzamento");
    lblAvanzamento_->setGeometry(TwipsRect(150, 150, 5700, 360));
    lblAvanzamento_->setTextFormat(Qt::PlainText);
    prgAvanzamento_ = new QProgressBar(this);
    prgAvanzamento_->setObjectName("prgAvanzamento");
    prgAvanzamento_->setGeometry(TwipsRect(150, 720, 4200, 360));
    prgAvanzamento_->setRange(0, kWhole);
    prgAvanzamento_->setAccessibleName("Avanzamento del lavoro");
    cmdAnnulla_ = NewCommandButton(this, "cmdAnnulla", kCancelCaption, kCancelToolTip, TwipsRect(4500, 690, 1350, 420));
    connect(cmdAnnulla_, &QPushButton::clicked, this, &ProgressWindow::Cancel);
    ticker_.setInterval(kTickMs);
    connect(&ticker_, &QTimer::timeout, this, &ProgressWindow::Tick);
}

void ProgressWindow::Run(QWidget* owner, const QString& text, WorkProgress& progress,
                         const std::function<void()>& work) {
    ProgressWindow window(owner, text, progress);
    window.RunWork(work);
}

void ProgressWindow::RunOnFile(QWidget* owner, const QString& doing, const std::string& path, WorkProgress& progress,
                               const std::function<void()>& work) {
    Run(owner, doing + " " + QString::fromStdString(FileNameOfPath(path)) + " ...", progress, work);
}

void ProgressWindow::RunWork(const std::function<void()>& work) {
    std::exception_ptr failure;
    std::thread thread;
    try {
        thread = std::thread([this, &work, &failure] {
            try {
                work();
            } catch (...) {
                failure = std::current_exception();
            }
            QMetaObject::invokeMethod(
                this,
                [this] {
                    finished_ = true;
                    loop_.quit();
                },
                Qt::QueuedConnection);
        });
    } catch (const std::system_error&) {
        work();
        return;
    }
    qApp->installEventFilter(this);
    clock_.start();
    ticker_.start();
    // The end may be told to an inner loop (a window opened meanwhile); this one then ends after it.
    while (!finished_) loop_.exec();
    ticker_.stop();
    qApp->removeEventFilter(this);
    hide();
    thread.join();
    if (failure) std::rethrow_exception(failure);
}

void ProgressWindow::Tick() {
    if (!isVisible() && clock_.elapsed() >= kShowAfterMs) show();
    prgAvanzamento_->setValue(progress_.Thousandths());
}

void ProgressWindow::Cancel() {
    progress_.Cancel();
    cmdAnnulla_->setEnabled(false);
}

void ProgressWindow::reject() { Cancel(); }

bool ProgressWindow::Inside(QObject* object) const {
    if (auto* widget = qobject_cast<QWidget*>(object)) return widget->window() == this;
    if (auto* window = qobject_cast<QWindow*>(object)) return window == windowHandle();
    return false;
}

bool ProgressWindow::eventFilter(QObject* watched, QEvent* event) {
    if (IsUserInput(*event) && !Inside(watched)) return true;
    return QDialog::eventFilter(watched, event);
}

}  // namespace ordavex
