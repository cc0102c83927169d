#include "gui_harness.h"

#include <algorithm>

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QListView>
#include <QPrinter>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>

#include <filesystem>

#include "dialogs/qt_print_dialogs.h"
#include "widgets/ui_style.h"

namespace ordavex::test {

std::string FakeFileChooser::FileDialog(QWidget*, const FileDialogRequest& request) {
    requests.push_back(request);
    if (answers.empty()) return {};
    auto answer = answers.front();
    answers.pop_front();
    return answer;
}

bool ScriptedPrintDialogs::Print(QWidget* owner, QPrinter& printer, const std::function<void(QPrinter&)>& paint) {
    ++calls;
    pageSize = printer.pageLayout().pageSize().id();
    if (printInto.empty()) return QtPrintDialogs().Print(owner, printer, paint);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(printInto));
    paint(printer);
    return true;
}

ModalScript::ModalScript() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
    timer_.start();
}

ModalScript::~ModalScript() {
    timer_.stop();
    EXPECT_TRUE(unexpected.isEmpty()) << unexpected.join("; ").toStdString();
}

void ModalScript::Then(Action action) { actions_.push_back(std::move(action)); }

void ModalScript::PressMessageButton(int index) {
    Then([this, index](QWidget* dialog) {
        texts << MessageTextOf(dialog);
        PressButtonOf(dialog, index);
    });
}

bool ModalScript::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide) {
        watched->removeEventFilter(this);
        if (watched == lastHandled_) lastHandled_ = nullptr;
    }
    return false;
}

bool WaitUntilNoModalWindow() {
    return QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }, 5000);
}

void ModalScript::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible() || modal == lastHandled_) return;
    // A window whose action is still running (it opened an inner one, now closed) is not new.
    if (std::find(acting_.begin(), acting_.end(), modal) != acting_.end()) return;
    if (lastHandled_) lastHandled_->removeEventFilter(this);
    lastHandled_ = modal;
    modal->installEventFilter(this);
    QPointer<QWidget> target(modal);
    if (actions_.empty()) {
        unexpected << modal->objectName() + ": " + MessageTextOf(modal);
        QTimer::singleShot(0, this, [target] {
            if (!target) return;
            if (target->findChild<QAbstractButton*>("cmdPulsante(1)")) {
                PressButtonOf(target, 1);
            } else if (auto* dialog = qobject_cast<QDialog*>(target.data())) {
                dialog->done(0);
            }
        });
        return;
    }
    auto action = std::move(actions_.front());
    actions_.pop_front();
    // Acting outside this timer's callback lets the action open further modal windows.
    QTimer::singleShot(0, this, [this, target, action] {
        if (!target) return;
        acting_.push_back(target.data());
        action(target);
        acting_.erase(std::find(acting_.begin(), acting_.end(), target.data()));
    });
}

QStringList ListLines(QWidget* window, const char* listName) {
    QStringList lines;
    const auto* model = window->findChild<QListView*>(listName)->model();
    for (int row = 0; row < model->rowCount(); ++row) lines << model->index(row, 0).data().toString();
    return lines;
}

QList<int> MarkedNumbers(QWidget* drawCheck) {
    QList<int> marked;
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        auto* key = drawCheck->findChild<QPushButton*>(QString("cmdSpoglio(%1)").arg(n));
        if (key->palette().color(QPalette::Button) == kSelectedColour) marked << n;
    }
    return marked;
}

LineList SystemOverOneToTwenty() {
    return {"01 02 03 04 05 06 07 08 09 10", "11 12 13 14 15 16 17 18 19 20", "01 03 05 07 09 11 13 15 17 19"};
}

QString MessageTextOf(QWidget* dialog) {
    auto* label = dialog->findChild<QLabel*>("lblMessage");
    return label != nullptr ? label->text() : QString();
}

void PressButtonOf(QWidget* dialog, int index) {
    auto* button = dialog->findChild<QAbstractButton*>(QString("cmdPulsante(%1)").arg(index));
    ASSERT_NE(button, nullptr) << "no button " << index;
    QTest::mouseClick(button, Qt::LeftButton);
}

FolderPlaces ScratchFolderPlaces(const TempFolder& root, bool portable) {
    const std::string base = root.Path().string();
    FolderPlaces places{base + "/bin", base + "/share/ordavex", base + "/Documenti/Ordavex"};
    std::filesystem::create_directories(places.applicationFolder + (portable ? "/Shared" : ""));
    return places;
}

MainWindowFixture::MainWindowFixture(bool portable)
    : context{state, files, urls, prints, ScratchFolderPlaces(root, portable)},
      window(std::make_unique<MainWindow>(context)) {
    window->show();
}

MainWindowFixture::~MainWindowFixture() {
    // Leaving without the exit question: the test owns the window.
    window->hide();
    window.reset();
}

void MainWindowFixture::Click(const char* objectName) {
    auto* button = window->findChild<QAbstractButton*>(objectName);
    ASSERT_NE(button, nullptr) << objectName;
    ClickAndRun(button);
}

void ClickAndRun(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
    // Commands run queued after their click: let them run now, as the event loop would.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

QString MainWindowFixture::LabelText(const char* objectName) const {
    auto* label = window->findChild<QLabel*>(objectName);
    return label != nullptr ? label->text() : QString("<missing %1>").arg(objectName);
}

void ExpectDesignPlaces(const QWidget* window, std::initializer_list<DesignPlace> places) {
    for (const DesignPlace& place : places) {
        const auto* part = window->findChild<QWidget*>(place.name);
        if (part == nullptr) {
            ADD_FAILURE() << place.name << " is missing";
            continue;
        }
        EXPECT_EQ(part->geometry(), TwipsRect(place.left, place.top, place.width, place.height)) << place.name;
    }
}

}  // namespace ordavex::test

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt keeps what its file dialogs learnt (the side bar, the last folders) in the user's settings;
    // each run of the tests keeps its own, so that runs side by side do not see each other's.
    const ordavex::test::TempFolder settings;
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(settings.Path().string()));
    QApplication application(argc, argv);
    application.setStyle(QStyleFactory::create("Fusion"));
    ordavex::PrepareApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
