#include "app/dialogs.h"

#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QColorDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>

namespace {

// Runs check on the modal dialog once it is open, then closes it.
template <class Dialog, class Check>
void whenOpen(Check check) {
    QTimer::singleShot(0, [check] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        check(*dialog);
        dialog->reject();
    });
}

TEST(Dialogs, MessageBoxBelongsToTheWindowShowsItsTextAsTypedAndIsAnAlert) {
    QWidget owner;
    QtDialogs dialogs;
    dialogs.setOwner(&owner);
    bool checked = false;
    whenOpen<QMessageBox>([&](QMessageBox& box) {
        EXPECT_EQ(box.parentWidget(), &owner);
        EXPECT_EQ(box.textFormat(), Qt::PlainText);
        EXPECT_EQ(box.text(), "<B>2</B>\nzwei");
        EXPECT_EQ(box.windowTitle(), "Polyskop");
        // Screen readers announce a window of the alert role as it appears, with its text.
        QAccessibleInterface* alert = QAccessible::queryAccessibleInterface(&box);
        EXPECT_EQ(alert->role(), QAccessible::AlertMessage);
        EXPECT_EQ(alert->text(QAccessible::Name), "Polyskop");
        EXPECT_EQ(alert->text(QAccessible::Value), "<B>2</B>\nzwei");
        checked = true;
    });
    dialogs.message(Dialogs::Icon::None, "Polyskop", "<B>2</B>\r\nzwei");
    EXPECT_TRUE(checked);
}

TEST(Dialogs, ColourDialogOpensAtTheCurrentColourOverTheWindow) {
    QWidget owner;
    QtDialogs dialogs;
    dialogs.setOwner(&owner);
    bool checked = false;
    whenOpen<QColorDialog>([&](QColorDialog& dialog) {
        EXPECT_EQ(dialog.parentWidget(), &owner);
        EXPECT_EQ(dialog.currentColor(), QColor(0x12, 0x34, 0x56));
        checked = true;
    });
    EXPECT_FALSE(dialogs.chooseColour(rgb(0x12, 0x34, 0x56)));  // cancelled
    EXPECT_TRUE(checked);
}

TEST(Dialogs, QtsOwnTextsAreGerman) {
    QLineEdit field;
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) texts << action->text();
    EXPECT_TRUE(texts.filter(QRegularExpression("^&Rückgängig\t")).size() == 1)
        << texts.join(" | ").toStdString();
    EXPECT_NE(QCoreApplication::translate("QColorDialog", "&Basic colors"), "&Basic colors");
}

}  // namespace
