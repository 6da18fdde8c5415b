#include "app/dialogs.h"

#include <QColorDialog>
#include <QMessageBox>

void QtDialogs::message(Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon == Icon::Stop   ? QMessageBox::Critical
                    : icon == Icon::Info ? QMessageBox::Information
                                         : QMessageBox::NoIcon,
                    title, QString(text).replace("\r\n", "\n"), QMessageBox::Ok);
    box.exec();
}

std::optional<Colour> QtDialogs::chooseColour() {
    QColor c = QColorDialog::getColor();
    if (!c.isValid()) return std::nullopt;
    return rgb(c.red(), c.green(), c.blue());
}
