#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <memory>

#include "dialogs/qt_file_chooser.h"
#include "gui_harness.h"
#include "test_files.h"

namespace ordavex {
namespace {

// Types a name into an open file dialog and presses its accept button.
void TypeNameAndAccept(QWidget* dialog, const QString& name) {
    auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(edit, nullptr);
    edit->setText(name);
    auto* box = dialog->findChild<QDialogButtonBox*>("buttonBox");
    ASSERT_NE(box, nullptr);
    auto* accept =
        box->button(box->standardButtons() & QDialogButtonBox::Open ? QDialogButtonBox::Open : QDialogButtonBox::Save);
    ASSERT_NE(accept, nullptr);
    QTest::mouseClick(accept, Qt::LeftButton);
}

TEST(QtFileChooser, OpenDialogTakesOnlyExistingFilesWithOneFilter) {
    test::TempFolder folder;
    std::unique_ptr<QFileDialog> dialog(
        QtFileChooser::CreateDialog(nullptr, OpenSystemRequest(folder.Path().string() + "/")));
    EXPECT_EQ(dialog->windowTitle(), "Open");
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog->nameFilters(), QStringList{"Sistemi (*.txt)"});
    EXPECT_EQ(dialog->directory().absolutePath(), QString::fromStdString(folder.Path().string()));
    EXPECT_FALSE(dialog->testOption(QFileDialog::ReadOnly));
}

TEST(QtFileChooser, SaveDialogAsksNothingAboutOverwriting) {
    test::TempFolder folder;
    std::unique_ptr<QFileDialog> dialog(
        QtFileChooser::CreateDialog(nullptr, SaveSystemRequest(folder.Path().string())));
    EXPECT_EQ(dialog->windowTitle(), "Save");
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog->defaultSuffix(), "txt");
    EXPECT_EQ(dialog->nameFilters(), QStringList{"Sistemi (*.txt)"});
}

TEST(QtFileChooser, SpeaksItalian) {
    test::TempFolder folder;
    struct Row {
        FileDialogRequest request;
        QDialogButtonBox::StandardButton accept;
        const char* acceptText;
    };
    const Row rows[] = {
        {OpenSystemRequest(folder.Path().string()), QDialogButtonBox::Open, "Apri"},
        {SaveSystemRequest(folder.Path().string()), QDialogButtonBox::Save, "Salva"},
    };
    for (const auto& row : rows) {
        std::unique_ptr<QFileDialog> dialog(QtFileChooser::CreateDialog(nullptr, row.request));
        dialog->show();
        auto* box = dialog->findChild<QDialogButtonBox*>("buttonBox");
        ASSERT_NE(box, nullptr);
        ASSERT_NE(box->button(row.accept), nullptr);
        // Shortcut marks aside.
        EXPECT_EQ(box->button(row.accept)->text().remove('&'), row.acceptText);
        EXPECT_EQ(box->button(QDialogButtonBox::Cancel)->text().remove('&'), "Annulla");
        auto* list = dialog->findChild<QTreeView*>("treeView");
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->model()->headerData(0, Qt::Horizontal).toString(), "Nome");
    }
}

TEST(QtFileChooser, AFilePathAsStartOpensItsFolderWithTheFileChosen) {
    test::TempFolder folder;
    const auto file = folder.Write("ULTIMO.TXT", "1 2 3 4 5");
    std::unique_ptr<QFileDialog> dialog(QtFileChooser::CreateDialog(nullptr, OpenMatrixRequest(file)));
    EXPECT_EQ(dialog->directory().absolutePath(), QString::fromStdString(folder.Path().string()));
    EXPECT_EQ(dialog->nameFilters(), QStringList{"Matrici (*.txt)"});
    const auto selected = dialog->selectedFiles();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_TRUE(selected.first().endsWith("ULTIMO.TXT"));
}

TEST(QtFileChooser, FilterShowsCapitalEndingsToo) {
    test::TempFolder folder;
    folder.Write("A.TXT", "1");
    folder.Write("b.txt", "1");
    folder.Write("c.csv", "1");
    std::unique_ptr<QFileDialog> dialog(
        QtFileChooser::CreateDialog(nullptr, OpenSystemRequest(folder.Path().string())));
    dialog->show();
    auto* model = dialog->findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    const auto root = model->index(QString::fromStdString(folder.Path().string()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return model->rowCount(root) >= 2; }, 3000));
    QStringList shown;
    for (int row = 0; row < model->rowCount(root); ++row) {
        const auto index = model->index(row, 0, root);
        if (model->flags(index) & Qt::ItemIsEnabled) shown << model->fileName(index);
    }
    shown.sort();
    EXPECT_EQ(shown, (QStringList{"A.TXT", "b.txt"}));
}

TEST(QtFileChooser, SavingABareNameAddsTxtInTheCurrentFolder) {
    test::TempFolder folder;
    QtFileChooser chooser;
    test::ModalScript script;
    script.Then([](QWidget* dialog) { TypeNameAndAccept(dialog, "sistema nuovo"); });
    const auto path = chooser.FileDialog(nullptr, SaveSystemRequest(folder.Path().string() + "/"));
    EXPECT_EQ(path, folder.File("sistema nuovo.txt"));
}

TEST(QtFileChooser, OpenRefusesAMissingFileAndReturnsAnExistingOne) {
    test::TempFolder folder;
    const auto existing = folder.Write("con spazi.txt", "1 2 3 4 5");
    QtFileChooser chooser;
    test::ModalScript script;
    bool stayedOpen = false;
    script.Then([&stayedOpen](QWidget* dialog) {
        TypeNameAndAccept(dialog, "manca.txt");
        stayedOpen = dialog->isVisible();
        TypeNameAndAccept(dialog, "con spazi.txt");
    });
    const auto path = chooser.FileDialog(nullptr, OpenSystemRequest(folder.Path().string()));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(path, existing);
}

TEST(QtFileChooser, CancelReturnsEmptyText) {
    test::TempFolder folder;
    QtFileChooser chooser;
    test::ModalScript script;
    script.Then([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    EXPECT_EQ(chooser.FileDialog(nullptr, OpenSystemRequest(folder.Path().string())), "");
}

}  // namespace
}  // namespace ordavex
