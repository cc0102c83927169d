#include <gtest/gtest.h>

#include <QAbstractButton>

#include "dialogs/report_error.h"
#include "gui_harness.h"
#include "test_files.h"

namespace ordavex {
namespace {

TEST(ReportError, ShowsTheTableMessageWithOk) {
    AppState state;
    test::ModalScript script;
    for (int i = 0; i < 2; ++i) {
        script.Then([&script](QWidget* dialog) {
            script.texts << test::MessageTextOf(dialog);
            auto buttons = dialog->findChildren<QAbstractButton*>();
            EXPECT_EQ(buttons.size(), 1);
            EXPECT_EQ(buttons.value(0)->text(), "OK");
            test::PressButtonOf(dialog, 1);
        });
    }
    ReportError(state, nullptr, 100);
    ReportError(state, nullptr, 70);
    EXPECT_EQ(script.texts,
              (QStringList{QString::fromUtf8("La lunghezza delle combinazioni\nnon è conforme al tipo di gioco ..!"),
                           QString::fromUtf8("Si è verificato l' errore: 70")}));
}

TEST(ReportError, ClosesEveryOpenFileFirst) {
    AppState state;
    test::TempFolder folder;
    auto file = state.Files.Open(folder.Write("a.txt", "1 2 3 4 5"), "rb");
    ASSERT_TRUE(file.IsOpen());
    std::size_t openWhileShown = 99;
    test::ModalScript script;
    script.Then([&](QWidget* dialog) {
        openWhileShown = state.Files.OpenCount();
        test::PressButtonOf(dialog, 1);
    });
    ReportError(state, nullptr, 62);
    EXPECT_EQ(openWhileShown, 0u);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(state.Files.OpenCount(), 0u);
}

}  // namespace
}  // namespace ordavex
