#include <gtest/gtest.h>

#include <QLabel>

#include "gui_harness.h"
#include "update/update_address.h"

namespace ordavex {
namespace {

TEST(UpdateButton, EachPressHandsTheArchiveAddressToTheOpenerAndShowsNothing) {
    test::MainWindowFixture f;
    f.state.ReplaceSystem({"01 02 03 04 05"});
    test::ModalScript script;
    const std::string expected = std::string("https://") + ORDAVEX_UPDATE_HOST + "/update/ordavex.zip";

    f.Click("cmdAggiornamenti");
    EXPECT_EQ(f.urls.addresses, std::vector<std::string>{expected});
    f.Click("cmdAggiornamenti");
    EXPECT_EQ(f.urls.addresses, (std::vector<std::string>{expected, expected}));

    EXPECT_TRUE(script.texts.isEmpty());
    EXPECT_EQ(f.state.SystemCount, 1);
    EXPECT_TRUE(f.files.requests.empty());
}

TEST(UpdateButton, WhenTheDesktopRefusesTheAddressTheMessageShowsItForCopying) {
    test::MainWindowFixture f;
    f.urls.refuse = true;
    const QString address = QString("https://") + ORDAVEX_UPDATE_HOST + "/update/ordavex.zip";
    test::ModalScript script;
    QString selected;
    script.Then([&script, &selected, &address](QWidget* dialog) {
        script.texts << test::MessageTextOf(dialog);
        auto* label = dialog->findChild<QLabel*>("lblMessage");
        // The player selects the address with the mouse, to copy it into a browser.
        if (label != nullptr && label->textInteractionFlags().testFlag(Qt::TextSelectableByMouse)) {
            label->setSelection(static_cast<int>(label->text().indexOf(address)), static_cast<int>(address.size()));
            selected = label->selectedText();
        }
        test::PressButtonOf(dialog, 1);
    });
    f.Click("cmdAggiornamenti");
    EXPECT_EQ(f.urls.addresses.size(), 1u) << "the desktop was asked first";
    EXPECT_EQ(script.texts,
              QStringList{"Impossibile aprire il browser ..!\nIndirizzo degli aggiornamenti:\n" + address});
    EXPECT_EQ(selected, address);
    EXPECT_EQ(script.Pending(), 0u);
}

}  // namespace
}  // namespace ordavex
