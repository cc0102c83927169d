#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTreeView>
#include <QUrl>
#include <algorithm>
#include <filesystem>
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

// A folder of matrices as a player has it: a sub-folder and a big matrix modified at a known time.
struct MatricesFolder {
    MatricesFolder() {
        std::filesystem::create_directories(folder.Path() / "10");
        matrix = folder.Write("MATRIX10_08_V6_N30.TXT", std::string(682000, '1'));
        QFile file(QString::fromStdString(matrix));
        if (!file.open(QIODevice::ReadWrite) ||
            !file.setFileTime(QDateTime(QDate(2026, 12, 7), QTime(14, 5)), QFileDevice::FileModificationTime)) {
            ADD_FAILURE() << "cannot date " << matrix;
        }
    }
    test::TempFolder folder;
    std::string matrix;
};

// The detailed listing of a dialog on show, once Qt has listed the folder's `rows` entries.
QTreeView* ListedDetails(QFileDialog& dialog, const test::TempFolder& folder, int rows) {
    auto* model = dialog.findChild<QFileSystemModel*>();
    auto* details = dialog.findChild<QTreeView*>("treeView");
    if (model == nullptr || details == nullptr) return nullptr;
    const auto root = model->index(QString::fromStdString(folder.Path().string()));
    return QTest::qWaitFor([&] { return model->rowCount(root) == rows; }, 3000) ? details : nullptr;
}

// Whether every column is at least as wide as its heading and the texts it shows.
bool ColumnsShowWhole(QTreeView* details, std::string& widths) {
    bool whole = true;
    widths.clear();
    const QAbstractItemView* view = details;
    for (int column = 0; column < details->header()->count(); ++column) {
        const int needed = std::max(details->header()->sectionSizeHint(column), view->sizeHintForColumn(column));
        const int width = details->header()->sectionSize(column);
        widths += std::to_string(width) + "/" + std::to_string(needed) + " ";
        whole = whole && width >= needed;
    }
    return whole;
}

TEST(QtFileChooser, OpensWideEnoughToShowNameSizeTypeAndDateWhole) {
    MatricesFolder matrices;
    for (const auto& request : {OpenMatrixRequest(matrices.folder.Path().string() + "/", ""),
                                SaveSystemRequest(matrices.folder.Path().string() + "/")}) {
        std::unique_ptr<QFileDialog> dialog(QtFileChooser::CreateDialog(nullptr, request));
        // The screen of the test platform may be smaller than the dialog's size.
        EXPECT_EQ(dialog->size(), QSize(900, 560).boundedTo(dialog->screen()->availableSize()));
        dialog->show();
        QTreeView* details = ListedDetails(*dialog, matrices.folder, 2);
        ASSERT_NE(details, nullptr) << "no detailed listing of the folder";
        ASSERT_TRUE(details->isVisible()) << "the dialog opens on the detailed listing";
        EXPECT_EQ(details->header()->count(), 4) << "name, size, type, date";
        std::string widths;
        EXPECT_TRUE(QTest::qWaitFor([&] { return ColumnsShowWhole(details, widths); }, 3000)) << widths;
        int used = 0;
        for (int column = 0; column < details->header()->count(); ++column)
            used += details->header()->sectionSize(column);
        EXPECT_LE(used, details->viewport()->width()) << "all four columns in sight: " << widths;
        // The places of the side bar show their names whole.
        auto* sidebar = dialog->findChild<QAbstractItemView*>("sidebar");
        ASSERT_NE(sidebar, nullptr);
        EXPECT_GE(sidebar->viewport()->width(), sidebar->sizeHintForColumn(0));
    }
}

TEST(QtFileChooser, WritesSizesAndDatesInItalianWhateverTheSystemsLanguage) {
    if (QLocale::system().language() == QLocale::Italian) GTEST_SKIP() << "the system itself speaks Italian";
    MatricesFolder matrices;
    std::unique_ptr<QFileDialog> dialog(
        QtFileChooser::CreateDialog(nullptr, OpenMatrixRequest(matrices.folder.Path().string() + "/", "")));
    dialog->show();
    QTreeView* details = ListedDetails(*dialog, matrices.folder, 2);
    ASSERT_NE(details, nullptr);
    auto* model = dialog->findChild<QFileSystemModel*>();
    const QModelIndex shown =
        dialog->proxyModel()->mapFromSource(model->index(QString::fromStdString(matrices.matrix)));
    const auto text = [&](int column) { return shown.siblingAtColumn(column).data().toString(); };
    EXPECT_EQ(text(0), "MATRIX10_08_V6_N30.TXT");
    EXPECT_EQ(text(1), "666,02 KiB");
    EXPECT_EQ(text(3), "07/12/26 14:05");
    EXPECT_EQ(details->model()->headerData(3, Qt::Horizontal).toString(), "Data di modifica");
    const QModelIndex folder = dialog->proxyModel()->mapFromSource(
        model->index(QString::fromStdString((matrices.folder.Path() / "10").string())));
    EXPECT_EQ(folder.siblingAtColumn(1).data().toString(), "") << "a folder has no size";
    EXPECT_EQ(folder.siblingAtColumn(2).data().toString(), "Cartella");
}

TEST(QtFileChooser, AFilePathAsStartOpensItsFolderWithTheFileChosen) {
    test::TempFolder folder;
    const auto file = folder.Write("ULTIMO.TXT", "1 2 3 4 5");
    std::unique_ptr<QFileDialog> dialog(QtFileChooser::CreateDialog(nullptr, OpenMatrixRequest(file, "")));
    EXPECT_EQ(dialog->directory().absolutePath(), QString::fromStdString(folder.Path().string()));
    EXPECT_EQ(dialog->nameFilters(), QStringList{"Matrici (*.txt)"});
    const auto selected = dialog->selectedFiles();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_TRUE(selected.first().endsWith("ULTIMO.TXT"));
}

QUrl FolderUrl(const std::filesystem::path& folder) {
    return QUrl::fromLocalFile(QDir::cleanPath(QString::fromStdString(folder.string())));
}

// The places the side bar shows in a dialog that asks for none of its own.
QList<QUrl> UsualSidebarPlaces(const std::string& start) {
    std::unique_ptr<QFileDialog> dialog(QtFileChooser::CreateDialog(nullptr, OpenSystemRequest(start)));
    return dialog->sidebarUrls();
}

TEST(QtFileChooser, TheMatrixDialogOffersThePlayersOwnMatricesInTheSideBar) {
    test::TempFolder shipped;
    test::TempFolder own;
    const QList<QUrl> usual = UsualSidebarPlaces(shipped.Path().string());
    ASSERT_FALSE(usual.isEmpty());
    ASSERT_FALSE(usual.contains(FolderUrl(own.Path())));

    std::unique_ptr<QFileDialog> dialog(QtFileChooser::CreateDialog(
        nullptr, OpenMatrixRequest(shipped.Path().string() + "/", own.Path().string() + "/")));
    // It still starts among the shipped matrices.
    EXPECT_EQ(dialog->directory().absolutePath(), QString::fromStdString(shipped.Path().string()));
    EXPECT_EQ(dialog->sidebarUrls(), usual + QList<QUrl>{FolderUrl(own.Path())});
    dialog->show();
    auto* sidebar = dialog->findChild<QAbstractItemView*>("sidebar");
    ASSERT_NE(sidebar, nullptr);
    EXPECT_EQ(sidebar->model()->rowCount(), usual.size() + 1);
}

TEST(QtFileChooser, AMissingFolderOfThePlayersIsNotOffered) {
    test::TempFolder shipped;
    const QList<QUrl> usual = UsualSidebarPlaces(shipped.Path().string());
    std::unique_ptr<QFileDialog> dialog(QtFileChooser::CreateDialog(
        nullptr, OpenMatrixRequest(shipped.Path().string(), (shipped.Path() / "manca").string())));
    EXPECT_EQ(dialog->sidebarUrls(), usual);
}

TEST(QtFileChooser, ThePlayersFolderStaysOutOfTheSideBarOfLaterDialogs) {
    test::TempFolder shipped;
    test::TempFolder own;
    test::TempFolder bookmark;
    {
        QtFileChooser chooser;
        test::ModalScript script;
        script.Then([&bookmark](QWidget* widget) {
            // The user adds a place of his own meanwhile.
            auto* dialog = static_cast<QFileDialog*>(widget);
            dialog->setSidebarUrls(dialog->sidebarUrls() + QList<QUrl>{FolderUrl(bookmark.Path())});
            dialog->reject();
        });
        chooser.FileDialog(nullptr, OpenMatrixRequest(shipped.Path().string(), own.Path().string()));
    }
    // Qt keeps a dialog's side bar for the next one: the user's place stays, the offered one does not.
    QList<QUrl> later = UsualSidebarPlaces(shipped.Path().string());
    EXPECT_TRUE(later.contains(FolderUrl(bookmark.Path())));
    EXPECT_FALSE(later.contains(FolderUrl(own.Path())));

    // The scratch place leaves the user's side bar as it found it.
    std::unique_ptr<QFileDialog> dialog(QtFileChooser::CreateDialog(nullptr, OpenSystemRequest("")));
    later.removeAll(FolderUrl(bookmark.Path()));
    dialog->setSidebarUrls(later);
}

// The view of the dialog's folder that is on show: the list or the detailed one.
QAbstractItemView* ShownFolderView(QWidget* dialog) {
    auto* details = dialog->findChild<QTreeView*>("treeView");
    if (details != nullptr && details->isVisible()) return details;
    return dialog->findChild<QAbstractItemView*>("listView");
}

TEST(QtFileChooser, TheMatrixDialogBrowsesIntoSubFolders) {
    test::TempFolder matrices;
    std::filesystem::create_directories(matrices.Path() / "10");
    const auto inside = matrices.Write("10/MATRIX10_08_V5_N30.TXT", "1 2 3 4 5 6 7 8 9 10");
    QtFileChooser chooser;
    test::ModalScript script;
    bool entered = false;
    script.Then([&](QWidget* widget) {
        auto* dialog = static_cast<QFileDialog*>(widget);
        // The sub-folder is listed among the matrices, and a double click opens it.
        auto* model = dialog->findChild<QFileSystemModel*>();
        QAbstractItemView* view = ShownFolderView(dialog);
        if (model == nullptr || view == nullptr) {
            ADD_FAILURE() << "no folder view";
            dialog->reject();
            return;
        }
        // The views show the listing through the dialog's proxy.
        const auto sub = dialog->proxyModel()->mapFromSource(
            model->index(QString::fromStdString((matrices.Path() / "10").string())));
        const bool shown = QTest::qWaitFor([&] { return !view->visualRect(sub).isEmpty(); }, 3000);
        // A double click: the first press and release, then the second press that makes it double.
        const QPoint centre = view->visualRect(sub).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
        entered = shown && dialog->directory().dirName() == "10";
        TypeNameAndAccept(dialog, "MATRIX10_08_V5_N30.TXT");
        if (dialog->isVisible()) dialog->reject();
    });
    const auto path = chooser.FileDialog(nullptr, OpenMatrixRequest(matrices.Path().string() + "/", ""));
    EXPECT_TRUE(entered);
    EXPECT_EQ(path, inside);
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
