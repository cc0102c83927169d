#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QString>
#include <QTimer>
#include <functional>
#include <string>

#include "app/work_progress.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace ordavex {

// Runs a long piece of work, such as reading a big file, on a thread of its own while the
// window's thread goes on drawing and answering, and returns once the work has ended. Clicks and
// keys meant for the program's other windows are dropped meanwhile, as a modal window would drop
// them. After half a second this modal window shows how far the work got, with a button that
// cancels it; what the work does with a cancel is its own business.
class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    // Runs `work` as described above; `text` says what is being done. An exception that leaves
    // the work is thrown again here. Without a thread to spare, the work runs here.
    static void Run(QWidget* owner, const QString& text, WorkProgress& progress, const std::function<void()>& work);
    // Runs `work` on the file at `path` as Run does, the text saying "<doing> <file's name> ...".
    static void RunOnFile(QWidget* owner, const QString& doing, const std::string& path, WorkProgress& progress,
                          const std::function<void()>& work);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape and the close box cancel, as the button does.
    void reject() override;

private:
    ProgressWindow(QWidget* owner, const QString& text, WorkProgress& progress);
    void RunWork(const std::function<void()>& work);
    void Tick();
    void Cancel();
    bool Inside(QObject* object) const;

    WorkProgress& progress_;
    QLabel* lblAvanzamento_ = nullptr;
    QProgressBar* prgAvanzamento_ = nullptr;
    QPushButton* cmdAnnulla_ = nullptr;
    QEventLoop loop_;
    QTimer ticker_;
    QElapsedTimer clock_;
    bool finished_ = false;
};

}  // namespace ordavex
